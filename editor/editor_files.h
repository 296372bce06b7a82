// The files the border editor writes: the spreadsheet list of record
// headers (and, with the editor, borders.dat with its backups and the
// converted file).
#pragma once

#include "map/border_table.h"

// Deletes and rewrites the header list at programPath ("temp\Headers.txt"):
// the 73-character column line, then for each slot 0..count-1 a carriage
// return and eleven comma-terminated decimal fields (RECORD, STARTYR, ENDYR,
// NATION, COLOR, ENTRIES, HATCH, ACTION, NATGRP, RNG_W, RNG_E). No line feed
// is written. Returns the number of record lines written, or -1 when the file
// did not open. Used by the Sprdsht command and the maintainer tool.
[[nodiscard]] int writeHeaderList(const char* programPath, const BorderTable& table, int count);
