// The history checker of veltmaren-atlas: loads a history file exactly as the
// atlas does (800 x 600, both text levels) and reports what it holds and
// everything in it that the atlas would show wrongly or not at all.
#pragma once

#include <cstdio>

// Checks text\<name>.txt in the working folder and prints its summary and
// errors to out; with detail 1 also one line for each listed record, with 2
// also that record's wrapped lines at the Standard level. Returns the number
// of errors (a file that cannot be opened is one).
int checkHistoryFile(const char* name, int detail, std::FILE* out);

// Checks every history of the national-group table that has a file, then
// InfoFull. Returns the number of errors in all of them.
int checkAllHistories(std::FILE* out);
