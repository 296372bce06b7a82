// The loaded history of a national group: its records, text lines and
// period index. Filled by the history loader; read by the history panel, the
// map labels (the history's place markers), printing and the shell, which
// hands record 0's map window to the projection. Shared by every subsystem
// that shows a history, so it sits below all of them.
#pragma once

#include <array>
#include <cstdint>

#include "core/limits.h"

// One record of a history file's first section, with its text's place in
// the line store.
struct HistoryRecord {
    std::int16_t tag;
    std::int16_t endYear;     // last year of the period
    std::int16_t startYear;   // first year; the map year when a period is chosen
    std::int16_t kind;        // 40 period, 41..59 topic, other: not listed
    std::int16_t mapYear;     // map year of a topic
    std::int16_t markerX;     // record 0: north latitude of the map window; else marker longitude
    std::int16_t markerY;     // record 0: south latitude; else marker latitude
    std::int16_t markerStyle; // record 0: centre longitude; else marker shape and colour
    std::int16_t languageRef; // -n official, +n primary language record
    std::int16_t beliefRef;   // primary belief record, or a topic's marker record
    char code[20];
    char picture[20];         // record 0: picture prefix; else the rest of the name, "*" none
    char label[40];           // name in the period list and headings
    std::int16_t firstLine;   // first LineStore line of the text
    std::int16_t lineCount;
    char title[60];           // title line from the second section
};

using HistoryTable = std::array<HistoryRecord, kHistoryRecords>;

// One entry of the period list: a HistoryTable index and its end year;
// record -3010 marks an empty entry.
struct PeriodEntry {
    std::int32_t record;
    std::int32_t year;
};

using PeriodIndex = std::array<PeriodEntry, kPeriodEntries>;
using LineStore = std::array<std::array<char, kHistoryLineBytes>, kHistoryLines>;

extern HistoryTable historyTable;
extern PeriodIndex periodIndex;
extern LineStore lineStore;
