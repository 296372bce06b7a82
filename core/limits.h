// Capacities of the atlas's fixed tables, in one place.
//
// Every table of the program is sized at build time; the data files are
// written to fit these numbers, and the loaders clamp to them so that a
// damaged file can never make a table overflow.
#pragma once

// Border records: the borders file fills slots 0..1097; slot 1098 is the
// editor's work record and slot 1099 its undo record.
inline constexpr int kBorderSlots = 1100;
// Slots that one read of borders.dat may fill.
inline constexpr int kBorderFileSlots = 1098;
// The numbering scan of the loader stops here at the latest, so that the three
// sentinels still fit below kBorderSlots.
inline constexpr int kBorderScanLimit = 1096;
// Every drawing scan stops at this slot at the latest (it is never painted).
inline constexpr int kBorderPaintLimit = 1097;
// Points a border record holds (two 16-bit words each).
inline constexpr int kBorderPoints = 249;
// Size of one border record in the file and in memory.
inline constexpr int kBorderRecordBytes = 1024;

// The relief raster: 1/12-degree cells from 50 N to 25 S, 10 W to 120 E.
inline constexpr int kTerrainRows = 900;
inline constexpr int kTerrainColumns = 1560;

// A loaded history: 239 records plus a spare for the error title.
inline constexpr int kHistoryRecords = 240;
// Wrapped display lines of one loaded history, 63 characters each.
inline constexpr int kHistoryLines = 1200;
inline constexpr int kHistoryLineBytes = 64;
// Periods and topics of one history that the period list can show.
inline constexpr int kPeriodEntries = 120;
// Pages of the printed map timeline: the first entries of the whole-map
// history's list.
inline constexpr int kTimelinePages = 52;

// Rows of the menu band's button table.
inline constexpr int kButtonRows = 76;
// Rows of the built-in table of map labels (the last three are end rows).
inline constexpr int kLabelRows = 296;
// Keys of the nation search.
inline constexpr int kSearchKeys = 221;

// Messages kept for tests and replay scripts, newest last.
inline constexpr int kMessageLogEntries = 16;
inline constexpr int kMessageBytes = 128;

// Rows of the animations and histories menu: four columns of 19 lines.
inline constexpr int kNationGroupRows = 76;
