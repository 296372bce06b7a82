// The editor's list of records: the rows of the list panel, filtered from
// the border table by nation or by start year.
#pragma once

#include <array>
#include <cstdint>

#include "map/border_table.h"

struct AppState;

inline constexpr int kEditListEntries = 200;

// One list row: six signed 32-bit values in this order.
struct EditListEntry {
    std::int32_t startYear; // STARTYR
    std::int32_t endYear;   // ENDYR
    std::int32_t action;    // ACTION - 100
    std::int32_t color;     // COLOR
    std::int32_t fifth;     // ENTRIES by nation, NATION by year
    std::int32_t record;    // RECORD: the table slot the row picks
};
static_assert(sizeof(EditListEntry) == 24);

using EditList = std::array<EditListEntry, kEditListEntries>;

extern EditList editList;

// Clears the list and fills it from slots 0..recordCount-1 in table order:
// by nation (editListByYear not 1) the records whose NATION equals
// editFilterValue, by year those whose STARTYR is not below it. Stops at
// 200 rows. Called on every redraw of the Map/Record screen and after every
// change to the table.
void buildEditList(const AppState& app, const BorderTable& table, EditList& list);
