// The label passes: layout for a view, hit test of a click, and the drawing
// of names, dots, trails and history place markers.
#include "map/labels.h"

#include "map/projection.h"
#include "shell/app_state.h"

namespace {

// Values every pass computes from the state before it starts.
struct LabelMetrics {
    int halfText;  // half a list row: the text's top is this far above its point
    int hitWidth;  // half the width of a name's click box
    int zoomClass; // 2 in close views (at most 100 degrees wide), else 1
    int dotRadius;
};

LabelMetrics labelMetrics(const AppState& app)
{
    LabelMetrics metrics{};
    metrics.halfText = app.fontSize4 / 2;
    metrics.hitWidth = app.screenWidth / 25;
    int span = app.viewEast - app.viewWest;
    if (span <= 10000) {
        metrics.zoomClass = 2;
        metrics.dotRadius = app.screenHeight / 50;
    } else {
        metrics.zoomClass = 1;
        metrics.dotRadius = app.screenHeight / 70;
    }
    return metrics;
}

// The rows the passes go through: labelCount, kept inside the table.
int rowsToScan(const AppState& app)
{
    if (app.labelCount < 0)
        return 0;
    return app.labelCount < kLabelRows ? app.labelCount : kLabelRows;
}

void layoutLabels(const AppState& app, LabelTable& labels)
{
    LabelMetrics metrics = labelMetrics(app);
    // A margin of 2% keeps names off the very edge of the map.
    int latMargin = static_cast<int>((app.viewNorthLat - app.viewSouthLat) * 0.02);
    int lonMargin = static_cast<int>((app.viewEast - app.viewWest) * 0.02);
    // Limits in tenths of a degree. fontSize4 is added to each as a number of
    // tenths, which moves the accepted window a little east and north; the
    // table's places were chosen with that window.
    int north = (app.viewNorthLat - latMargin) / 10 + app.fontSize4;
    int south = (app.viewSouthLat + latMargin) / 10 + app.fontSize4;
    int west = (app.viewWest + lonMargin) / 10 + app.fontSize4;
    int east = (app.viewEast - lonMargin) / 10 + app.fontSize4;
    int count = rowsToScan(app);
    for (int i = 0; i < count; ++i) {
        LabelRow& row = labels[i];
        bool inside = west <= row.lon && row.lon <= east && south <= row.lat && row.lat <= north;
        if (!inside) {
            row.screenX = kLabelOutside;
            continue;
        }
        ScreenPoint point = projectPoint(app, row.lon * 10, mercator(row.lat * 10));
        row.screenX = point.x;
        row.screenY = point.y - metrics.halfText;
    }
}

int hitTestLabels(AppState& app, const NationGroupTable& groups, const LabelTable& labels)
{
    LabelMetrics metrics = labelMetrics(app);
    int count = rowsToScan(app);
    for (int i = 0; i < count; ++i) {
        const LabelRow& row = labels[i];
        if (row.screenX == kLabelOutside)
            continue;
        bool underClick = row.screenX - metrics.hitWidth < app.mouseX &&
                          app.mouseX < row.screenX + metrics.hitWidth &&
                          row.screenY - app.fontSize4 < app.mouseY &&
                          app.mouseY < row.screenY + app.fontSize4;
        // Unlike the drawing, a click in a label's end year still finds it.
        bool inYears = row.firstYear <= app.year && app.year <= row.endYear;
        if (!underClick || !inYears)
            continue;
        // The first name under the click decides; one whose group has no
        // history in the menu is not clickable.
        if (findNationGroup(groups, row.group) < 0)
            return -1;
        app.previousLabelHit = app.labelHit;
        app.labelHit = row.group;
        // Opening the group's history and issuing command 26 need the
        // history loader, which the atlas does not have yet; until then a
        // hit only records the group.
        return i;
    }
    return -1;
}

} // namespace

int mapLabels(AppState& app, const HistoryTable& history, const PeriodIndex& periods,
              const LineStore& lines, const NationGroupTable& groups, LabelTable& labels,
              int mode, DrawSurface* surface)
{
    (void)history;
    (void)periods;
    (void)lines;
    (void)surface;
    switch (mode) {
    case kLabelLayout:
        layoutLabels(app, labels);
        return 0;
    case kLabelHitTest:
        return hitTestLabels(app, groups, labels);
    default:
        return 0;
    }
}
