// Storing and deleting records of the border table.
#include "editor/edit_records.h"

#include <algorithm>

#include "core/app_state.h"

namespace {

BorderRecord& work(BorderTable& table) { return table[kWorkRecordSlot]; }

} // namespace

void numberRecords(const AppState& app, BorderTable& table)
{
    const int count = std::clamp(app.recordCount, 0, kWorkRecordSlot);
    for (int slot = 0; slot < count; ++slot)
        table[static_cast<std::size_t>(slot)].RECORD = static_cast<std::int16_t>(slot);
}

SaveResult saveReplace(AppState& app, BorderTable& table)
{
    if (app.startYearChanged == 1) {
        app.startYearChanged = 0;
        return SaveResult::startYearChanged;
    }
    const int slot = work(table).RECORD;
    if (slot == 0)
        return SaveResult::noRecordNumber;
    // A RECORD written by hand past the table would store over the work
    // record or outside the table.
    if (slot < 0 || slot >= std::min(app.recordCount, kWorkRecordSlot))
        return SaveResult::outsideTable;
    computeBounds(work(table));
    table[static_cast<std::size_t>(slot)] = work(table);
    table[kUndoRecordSlot] = work(table);
    work(table) = BorderRecord{};
    return SaveResult::stored;
}

SaveResult saveNew(AppState& app, BorderTable& table)
{
    BorderRecord& w = work(table);
    computeBounds(w);
    app.startYearChanged = 0;
    const int year = w.STARTYR;
    if (year == 0 || year >= kEndMarkYear)
        return SaveResult::notPlaced;

    int i = 0;
    while (i < kBorderPaintLimit) {
        const int y = table[static_cast<std::size_t>(i)].STARTYR;
        if ((y != 0 && y >= year) || y >= kEndMarkYear)
            break;
        ++i;
    }
    int e = i;
    while (e < kBorderPaintLimit && table[static_cast<std::size_t>(e)].STARTYR < kEndMarkYear)
        ++e;
    // The end mark and the three sentinel slots after it move up one and
    // must stay below the work record's slot.
    if (table[static_cast<std::size_t>(e)].STARTYR < kEndMarkYear || e + 4 >= kWorkRecordSlot)
        return SaveResult::tableFull;

    for (int slot = e + 3; slot >= i; --slot)
        table[static_cast<std::size_t>(slot + 1)] = table[static_cast<std::size_t>(slot)];
    table[static_cast<std::size_t>(i)] = w;
    w = BorderRecord{};
    app.recordCount += 1;
    numberRecords(app, table);
    return SaveResult::stored;
}

bool deleteRecord(AppState& app, BorderTable& table)
{
    const int gone = app.editRecordIndex;
    const int count = std::min(app.recordCount, kWorkRecordSlot);
    if (gone < 0 || gone >= count || table[static_cast<std::size_t>(gone)].STARTYR >= kEndMarkYear)
        return false;
    for (int slot = gone + 1; slot < count; ++slot)
        table[static_cast<std::size_t>(slot - 1)] = table[static_cast<std::size_t>(slot)];
    app.recordCount -= 1;
    numberRecords(app, table);
    return true;
}
