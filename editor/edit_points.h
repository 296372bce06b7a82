// The editor's work on points: finding the point under a click, making a
// point from a click, and the point commands on the work record.
//
// The maker clicks a point on the map first and the button after it, so
// every pick looks at the click before the last one (previousMouseX,
// previousMouseY). Every operation keeps within the record's 249 points
// whatever ENTRIES holds.
#pragma once

#include <cstdint>

#include "map/border_table.h"

struct AppState;

// How pointPick scans a record's points.
enum class PickOrder {
    first,   // from index 0 up, the first match
    highest, // the match with the highest index
    lowest,  // the match with the lowest index, scanning from the last down
};

// The index of a point of record whose screen position lies within 2
// pixels (both ways) of the previous click, or -1 when none does.
int pointPick(const AppState& app, const BorderRecord& record, PickOrder order);

// The point under the previous click in stored units: longitude and
// Mercator ordinate, each truncated toward zero to 16 bits.
struct StoredPoint {
    std::int16_t x;
    std::int16_t y;
};
StoredPoint clickToPoint(const AppState& app);

// Outcome of a command that adds a point.
enum class AddResult { added, recordFull };

// AddPoint: appends the point of the previous click. A record that holds
// 249 points is left alone (recordFull).
AddResult addPoint(const AppState& app, BorderRecord& work);

// InsertPoint: puts the point of the previous click after anchorPoint (-1:
// first), moving the later points up. A full record is left alone.
AddResult insertPoint(const AppState& app, BorderRecord& work);

// Delete Point: removes the highest-numbered point under the previous
// click; nothing when none is there.
void deletePoint(const AppState& app, BorderRecord& work);

// DelPtsAfter: the first point under the previous click becomes the anchor
// (else the anchor stays); every point after the anchor is cleared, all of
// them with no anchor.
void deletePointsAfter(AppState& app, BorderRecord& work);

// DelPtsBefore: the anchor is found as for DelPtsAfter; the points from the
// anchor on move to the front. Without an anchor nothing changes.
void deletePointsBefore(AppState& app, BorderRecord& work);

// Points the work record may hold before a copied run stops adding.
inline constexpr int kCopyRunLimit = 120;

// CopyTo: appends the points copyFromPoint..copyToPoint of source to work,
// in that direction (descending when from > to), while work holds fewer
// than 120 points. Nothing when either end is -1 or outside source.
void copyRun(const AppState& app, const BorderRecord& source, BorderRecord& work);
