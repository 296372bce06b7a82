// The names of peoples and states that stand on the map.
//
// Each row of the label table places one name at a fixed geographic point
// for a span of years, optionally with a coloured dot and a trail of dots for
// a people on the move. The table is built into the program; the label
// passes write each row's screen position for the current view and read the
// rest. A click on a name opens the history of the row's national group.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/limits.h"

// Rows that carry names; the rows after them end the table.
inline constexpr int kLabelNames = 293;
// Screen x of a label that lies outside the current view.
inline constexpr std::int32_t kLabelOutside = -9999;

// One label, 56 bytes.
struct LabelRow {
    std::int32_t screenX;     // written by the layout pass; -9999 outside the view
    std::int32_t screenY;     // written by the layout pass: top of the text
    std::int16_t firstYear;   // first year the label shows
    std::int16_t endYear;     // the label shows while firstYear <= year < endYear
    std::int16_t markerColor; // ColorIndex of the dot; 0 no dot
    std::int16_t detailLevel; // 1 every view, 2 close views only, 3 never on screen
    std::int16_t reserved16;  // read by nothing
    std::int16_t textPlace;   // 2: with a dot, the text stands one line higher
    std::int16_t trail;       // 0 none; 1..12 clock direction of the trail of dots
    std::int16_t lon;         // tenths of a degree, east positive
    std::int16_t lat;         // tenths of a degree, north positive
    std::int16_t reserved26;
    std::int32_t group;       // national group whose history a click opens
    char reserved32[2];
    char text[22];            // the name, zero-terminated
};
static_assert(sizeof(LabelRow) == 56);
static_assert(offsetof(LabelRow, screenY) == 4);
static_assert(offsetof(LabelRow, firstYear) == 8);
static_assert(offsetof(LabelRow, endYear) == 10);
static_assert(offsetof(LabelRow, markerColor) == 12);
static_assert(offsetof(LabelRow, detailLevel) == 14);
static_assert(offsetof(LabelRow, textPlace) == 18);
static_assert(offsetof(LabelRow, trail) == 20);
static_assert(offsetof(LabelRow, lon) == 22);
static_assert(offsetof(LabelRow, lat) == 24);
static_assert(offsetof(LabelRow, group) == 28);
static_assert(offsetof(LabelRow, text) == 34);

using LabelTable = std::array<LabelRow, kLabelRows>;

// The labels of the map: rows 0..292 carry names, rows 293..295 are end rows
// ("End of Table", first and end year 3000) that never show. Only the screen
// positions change at run time.
extern LabelTable labelTable;
