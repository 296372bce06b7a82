// The check of a borders file as the editor and the atlas need it, for the
// maintainers' tool: what a faulty file would make the atlas paint wrongly
// or the editor store in the wrong place.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

// Checks the bytes of a borders file and prints one line per fault to out,
// each naming its record: a partial record at the end, a file too long to
// load, record classes out of order (land, outlines, rivers, nations, end
// mark), nations not in ascending STARTYR, a RECORD other than the slot the
// loader gives, ENTRIES outside 0..249, bounds other than the points give,
// no end mark where the loader looks for one, and records after the end
// mark other than its two sentinels. Returns the number of faults.
int checkBorderBytes(std::span<const std::uint8_t> bytes, std::FILE* out);
