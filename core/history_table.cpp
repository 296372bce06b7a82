// Storage of the loaded history.
#include "core/history_table.h"

HistoryTable historyTable;
PeriodIndex periodIndex;
LineStore lineStore;
