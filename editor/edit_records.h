// The editor's changes to the border table: storing the work record back
// in its slot or as a new record at its place by start year, and deleting
// a record.
//
// The table stays in the order the loader expects: land, outlines, rivers,
// nations by STARTYR, the end mark (STARTYR 4000 or more) and the sentinels
// after it; after a record is added or removed every slot 0..recordCount-1
// is numbered again.
#pragma once

#include "map/border_table.h"

struct AppState;

enum class SaveResult {
    stored,           // the table holds the work record now
    startYearChanged, // SaveReplace after StartYr: warned once, not stored
    noRecordNumber,   // SaveReplace of a record made from nothing
    outsideTable,     // SaveReplace to a slot the table does not hold
    notPlaced,        // SaveNew with STARTYR 0 or at the end mark's years
    tableFull,        // SaveNew with no room for another record
};

// SaveReplace: unless startYearChanged (then it is cleared instead), stores
// the work record, with its bounds computed, into the slot its RECORD names
// and clears it; the undo record keeps a copy. The slot is kept whatever
// the new STARTYR.
SaveResult saveReplace(AppState& app, BorderTable& table);

// SaveNew: computes the work record's bounds and clears startYearChanged;
// then inserts the work record before the first record (STARTYR 0 passed
// over) whose STARTYR is not below its own, moves the rest of the table
// with the end mark and sentinels up one, clears the work record, counts
// and numbers the table. The caller takes the snapshot and rebuilds the
// list.
SaveResult saveNew(AppState& app, BorderTable& table);

// DeleteRec: removes slot editRecordIndex, moving the later slots down, and
// numbers the table. The end mark and the sentinels are the table's frame
// and are never removed; false when nothing was removed.
bool deleteRecord(AppState& app, BorderTable& table);

// Sets RECORD of slots 0..recordCount-1 to their index.
void numberRecords(const AppState& app, BorderTable& table);
