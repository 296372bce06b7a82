// The border records: all geography of the atlas, loaded from borders.dat.
//
// borders.dat is a flat array of 1024-byte records, each 512 little-endian
// signed 16-bit words: up to 249 points followed by a header. The file is a
// chronological list of paint operations, not a list of life spans: the map
// of year Y is the base map with every nation record whose STARTYR <= Y
// painted over it in file order. Records stand in class order: land outlines,
// outline-only records, rivers, nation territories (ascending STARTYR), then
// the end mark.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/limits.h"

struct AppState;

// One border record, as it lies in the file (after byte-order conversion).
struct BorderRecord {
    std::int16_t points[kBorderPoints][2]; // x (longitude, 1/100 degree), y (Mercator x 10000)
    std::int16_t RNG_W;   // smallest non-zero x
    std::int16_t RNG_N;   // largest non-zero y
    std::int16_t RNG_E;   // largest non-zero x
    std::int16_t RNG_S;   // smallest non-zero y
    std::int16_t ENTRIES; // points in use; 0 or less draws nothing
    std::int16_t STARTYR; // first year painted; also selects the record class
    std::int16_t ENDYR;   // last year of the territory (shown by the editor only)
    std::int16_t ACTION;  // 104 outline only, 103 dark-grey edge, else own-colour edge
    std::int16_t HATCH;   // 10 solid, 0..5 hatch style
    std::int16_t COLOR;   // ColorIndex of fill and edge
    std::int16_t NATION;  // nation number (carried, not drawn)
    std::int16_t NATGRP;  // national group number (carried, not drawn)
    std::int16_t reserved;
    std::int16_t RECORD;  // the record's slot, rewritten on every load
};

static_assert(sizeof(BorderRecord) == kBorderRecordBytes, "a border record is 1024 bytes");
static_assert(offsetof(BorderRecord, RNG_W) == 996);
static_assert(offsetof(BorderRecord, ENTRIES) == 1004);
static_assert(offsetof(BorderRecord, STARTYR) == 1006);
static_assert(offsetof(BorderRecord, NATGRP) == 1018);
static_assert(offsetof(BorderRecord, RECORD) == 1022);

// The in-memory table: file slots 0..1097, the editor's work record 1098 and
// its undo record 1099.
using BorderTable = std::array<BorderRecord, kBorderSlots>;

extern BorderTable borderTable;

inline constexpr int kWorkRecordSlot = 1098;
inline constexpr int kUndoRecordSlot = 1099;

// STARTYR thresholds of the record classes.
inline constexpr int kLandMaxYear = -30000;      // land outline: STARTYR <= -30000
inline constexpr int kOutlineMaxYear = -11500;   // outline only: -29999..-11500
inline constexpr int kRiverMaxYear = -3500;      // river: -11499..-3500
inline constexpr int kNationMaxYear = 3999;      // nation: -3499..3999
inline constexpr int kEndMarkYear = 4000;        // end mark and sentinels

// The number of points a record really holds: ENTRIES clamped to 0..249, so
// that a damaged record never reads or writes outside its point area.
int pointCount(const BorderRecord& record);

// Loads borders.dat from the working directory into the table, numbers the
// records, appends the three sentinels and sets recordCount. A missing file
// is reported with showMessage and a 1000 ms pause and leaves the table and
// recordCount as they were. Called once by setup at start-up.
void loadBorders(AppState& app, BorderTable& table);

// Decodes bytes (at most kBorderFileSlots records; a trailing partial record
// is used as far as it goes) into slots 0.., numbers them and appends the
// sentinels as loadBorders does. Returns the new recordCount. loadBorders
// calls it with the file's contents; tests call it directly.
int loadBorderBytes(BorderTable& table, std::span<const std::uint8_t> bytes);

// Converts one record from its 1024 little-endian file bytes, and back.
// Byte-exact on any host byte order.
void decodeBorderRecord(const std::uint8_t* bytes, BorderRecord& record);
void encodeBorderRecord(const BorderRecord& record, std::uint8_t* bytes);

// The first slot from `from` on whose STARTYR is above `threshold`, never
// beyond kBorderPaintLimit. The renderer uses it to find where a class ends.
int firstRecordAbove(const BorderTable& table, int from, int threshold);

// Sets RNG_W, RNG_N, RNG_E and RNG_S of one record from its points: zero
// coordinates are unset and skipped, an empty record keeps the start values
// (17900, -31318, -17900, 31318). Used by the editor's save and conversion.
void computeBounds(BorderRecord& record);

// Writes slots 0..count-1 to the file at path as little-endian records.
// Returns the number of records written, or -1 when the file did not open.
// count is clamped to the table size.
[[nodiscard]] int writeBorders(const char* path, const BorderTable& table, int count);
