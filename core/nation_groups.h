// The national groups: the entries of the animations and histories menu.
//
// The table lists, in menu order, the region animations, the whole-map
// history and the national groups whose histories can be read and played.
// The menu draws it, the controller and the map labels find a group's
// history name in it by id, and the nation search marks entries in it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/limits.h"

// Id of a blank menu line.
inline constexpr std::int32_t kBlankGroup = -1;
// Id of the whole-map history.
inline constexpr std::int32_t kWholeMapHistory = 201;
// Ids up to this value are region animations (map views).
inline constexpr std::int32_t kLastRegionId = 10;

// One entry of the menu, 48 bytes.
struct NationGroupRow {
    std::int32_t id;        // -1 blank, 0..9 region, 201 whole map, else a national group
    std::int32_t highlight; // non-zero: drawn in white (210 after a search hit)
    std::int32_t word3;     // 0 or 6; read by nothing
    std::int32_t word4;     // 0, 1, 2 or 9; read by nothing
    char code[11];          // history name: text\<code>.txt; empty for regions
    char name[21];          // the entry's text in the menu
};
static_assert(sizeof(NationGroupRow) == 48);
static_assert(offsetof(NationGroupRow, highlight) == 4);
static_assert(offsetof(NationGroupRow, word3) == 8);
static_assert(offsetof(NationGroupRow, word4) == 12);
static_assert(offsetof(NationGroupRow, code) == 16);
static_assert(offsetof(NationGroupRow, name) == 27);

using NationGroupTable = std::array<NationGroupRow, kNationGroupRows>;

// The menu's entries; only the highlight words change at run time (the
// nation search sets and clears them).
extern NationGroupTable nationGroupTable;

// The table as the program starts with it (no entry highlighted). Tests and
// the search's reset copy it.
extern const NationGroupTable nationGroupStart;

// Row index of the entry with the given id, or -1 when no row has it. Blank
// rows are never found (an id of -1 gives -1).
int findNationGroup(const NationGroupTable& groups, std::int32_t id);
