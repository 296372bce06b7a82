// Storage of the loaded history.
#include "content/history_table.h"

HistoryTable historyTable;
PeriodIndex periodIndex;
LineStore lineStore;
