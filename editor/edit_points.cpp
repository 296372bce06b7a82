// Point picking and the point commands of the border editor.
#include "editor/edit_points.h"

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "map/projection.h"

namespace {

bool underPreviousClick(const AppState& app, const BorderRecord& record, int index)
{
    const ScreenPoint s = projectPoint(app, record.points[index][0], record.points[index][1]);
    return s.x - 2 <= app.previousMouseX && app.previousMouseX <= s.x + 2 &&
           s.y - 2 <= app.previousMouseY && app.previousMouseY <= s.y + 2;
}

// A coordinate made in floating point, truncated toward zero and kept in
// its low 16 bits as the record stores it.
std::int16_t storedCoordinate(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, -2147483648.0, 2147483647.0);
    return static_cast<std::int16_t>(static_cast<std::int32_t>(value));
}

void clearPoints(BorderRecord& record, int from, int to)
{
    for (int p = std::max(from, 0); p < std::min(to, kBorderPoints); ++p)
        record.points[p][0] = record.points[p][1] = 0;
}

// The first point under the previous click becomes the anchor, if any.
void takeAnchor(AppState& app, const BorderRecord& work)
{
    const int pick = pointPick(app, work, PickOrder::first);
    if (pick >= 0)
        app.anchorPoint = pick;
}

} // namespace

int pointPick(const AppState& app, const BorderRecord& record, PickOrder order)
{
    // The first match and the lowest match are the same point; only the
    // highest match scans the other way.
    const int count = pointCount(record);
    if (order == PickOrder::highest) {
        for (int p = count - 1; p >= 0; --p)
            if (underPreviousClick(app, record, p))
                return p;
        return -1;
    }
    for (int p = 0; p < count; ++p)
        if (underPreviousClick(app, record, p))
            return p;
    return -1;
}

StoredPoint clickToPoint(const AppState& app)
{
    const double x = app.viewWest + (app.previousMouseX + 1.0) / app.screenWidth *
                                        (static_cast<double>(app.viewEast) - app.viewWest);
    const double mapHeight = app.screenHeight - app.mapTop;
    const double y = app.viewNorthY - (app.previousMouseY - app.mapTop - 1.0) / mapHeight *
                                          (static_cast<double>(app.viewNorthY) - app.viewSouthY);
    return {storedCoordinate(x), storedCoordinate(y)};
}

AddResult addPoint(const AppState& app, BorderRecord& work)
{
    const int n = pointCount(work);
    if (n >= kBorderPoints)
        return AddResult::recordFull;
    const StoredPoint point = clickToPoint(app);
    work.points[n][0] = point.x;
    work.points[n][1] = point.y;
    work.ENTRIES = static_cast<std::int16_t>(n + 1);
    return AddResult::added;
}

AddResult insertPoint(const AppState& app, BorderRecord& work)
{
    const int n = pointCount(work);
    if (n >= kBorderPoints)
        return AddResult::recordFull;
    // An anchor beyond the points in use (left over from a longer record)
    // inserts at the end.
    const int at = std::clamp(app.anchorPoint + 1, 0, n);
    for (int p = n - 1; p >= at; --p) {
        work.points[p + 1][0] = work.points[p][0];
        work.points[p + 1][1] = work.points[p][1];
    }
    const StoredPoint point = clickToPoint(app);
    work.points[at][0] = point.x;
    work.points[at][1] = point.y;
    work.ENTRIES = static_cast<std::int16_t>(n + 1);
    return AddResult::added;
}

void deletePoint(const AppState& app, BorderRecord& work)
{
    const int n = pointCount(work);
    const int pick = pointPick(app, work, PickOrder::highest);
    if (pick < 0)
        return;
    for (int p = pick; p + 1 < n; ++p) {
        work.points[p][0] = work.points[p + 1][0];
        work.points[p][1] = work.points[p + 1][1];
    }
    clearPoints(work, n - 1, n);
    work.ENTRIES = static_cast<std::int16_t>(n - 1);
}

void deletePointsAfter(AppState& app, BorderRecord& work)
{
    const int n = pointCount(work);
    takeAnchor(app, work);
    const int keep = std::clamp(app.anchorPoint + 1, 0, n);
    clearPoints(work, keep, n);
    work.ENTRIES = static_cast<std::int16_t>(keep);
}

void deletePointsBefore(AppState& app, BorderRecord& work)
{
    const int n = pointCount(work);
    takeAnchor(app, work);
    const int anchor = app.anchorPoint;
    if (anchor < 0 || anchor >= n)
        return;
    for (int p = anchor; p < n; ++p) {
        work.points[p - anchor][0] = work.points[p][0];
        work.points[p - anchor][1] = work.points[p][1];
    }
    clearPoints(work, n - anchor, n);
    work.ENTRIES = static_cast<std::int16_t>(n - anchor);
}

void copyRun(const AppState& app, const BorderRecord& source, BorderRecord& work)
{
    const int from = app.copyFromPoint;
    const int to = app.copyToPoint;
    const int available = pointCount(source);
    if (from < 0 || to < 0 || from >= available || to >= available)
        return;
    const int step = from <= to ? 1 : -1;
    for (int k = from;; k += step) {
        const int n = pointCount(work);
        if (n < kCopyRunLimit) {
            work.points[n][0] = source.points[k][0];
            work.points[n][1] = source.points[k][1];
            work.ENTRIES = static_cast<std::int16_t>(n + 1);
        }
        if (k == to)
            break;
    }
}
