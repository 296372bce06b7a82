// The entries of the loaded history as the controller and the frame driver
// step through them: a period list entry or a record, with its years, kind
// and the run of text lines that belongs to it.
#include "core/app_state.h"
#include "core/history_table.h"
#include "shell/screens.h"

namespace screens {

bool historyRecord(const AppState& app, int record, PeriodEntry& entry)
{
    // Nothing is loaded while historyRecordCount is 0.
    if (record < 0 || record >= app.historyRecordCount || record >= kHistoryRecords)
        return false;
    const HistoryRecord& r = historyTable[static_cast<std::size_t>(record)];
    entry.record = record;
    entry.firstLine = r.firstLine;
    entry.lineCount = r.lineCount;
    entry.startYear = r.startYear;
    entry.endYear = r.endYear;
    entry.kind = r.kind;
    return true;
}

bool periodEntry(const AppState& app, int index, PeriodEntry& entry)
{
    if (index < 0 || index >= kPeriodEntries)
        return false;
    // An empty place of the list (-3010) is no record and so no entry.
    return historyRecord(app, periodIndex[static_cast<std::size_t>(index)].record, entry);
}

} // namespace screens
