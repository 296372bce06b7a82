// The label passes: layout for a view, hit test of a click, and the drawing
// of names, dots, trails and history place markers.
#include "map/labels.h"

#include <cstring>

#include "core/app_state.h"
#include "map/draw.h"
#include "map/palette.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "platform/surface.h"

namespace {

// Colours of the history place markers: towns, regions, battles, others.
constexpr int kMarkerColorSquare = 175;
constexpr int kMarkerColorCircle = 146;
constexpr int kMarkerColorBattle = 204;
constexpr int kMarkerColorOther = 75;

// The end of a topic's leader line of the given length: direction 1 up and
// right, 2 up and left, 3 down and right, 4 down and left; {0, 0} for any
// other direction (no line).
PixelPoint leaderEnd(int direction, int length)
{
    switch (direction) {
    case 1: return {length, -length};
    case 2: return {-length, -length};
    case 3: return {length, length};
    case 4: return {-length, length};
    default: return {0, 0};
    }
}

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

// A filled circle of radius r centred on (x, y).
void filledCircle(DrawContext* context, int x, int y, int r, Pen pen, Brush brush)
{
    drawEllipse(context, x - r, y - r, x + r, y + r, pen, brush);
}

// The step from one dot of a migration trail to the next, for a trail
// direction 1..12 on a clock face and dots of radius r. Every step is
// shorter than a dot is wide, so the four dots run together into one trail.
PixelPoint trailStep(int trail, int r)
{
    switch (trail) {
    case 1: return {static_cast<int>(1.5 * r), static_cast<int>(-0.8 * r)};
    case 2: return {static_cast<int>(1.5 * r), static_cast<int>(-0.4 * r)};
    case 3: return {static_cast<int>(1.5 * r), 0};
    case 4: return {static_cast<int>(1.5 * r), static_cast<int>(0.4 * r)};
    case 5: return {static_cast<int>(1.5 * r), static_cast<int>(0.8 * r)};
    case 6: return {0, static_cast<int>(1.1 * r)};
    case 7: return {static_cast<int>(-1.5 * r), static_cast<int>(0.8 * r)};
    case 8: return {static_cast<int>(-1.5 * r), static_cast<int>(0.4 * r)};
    case 9: return {static_cast<int>(-1.5 * r), 0};
    case 10: return {static_cast<int>(-1.5 * r), static_cast<int>(-0.4 * r)};
    case 11: return {static_cast<int>(-1.5 * r), static_cast<int>(-0.8 * r)};
    default: return {0, static_cast<int>(-1.1 * r)}; // 12
    }
}

// Draws the names of app.year with their dots and trails. Returns -1 when no
// drawing context could be had.
int drawLabels(const AppState& app, const LabelTable& labels, DrawSurface* surface)
{
    LabelMetrics metrics = labelMetrics(app);
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    Font font{app.fontSize3, kFontWeightBold, 0};
    Rgb white = paletteColor(kColorWhite);
    int count = rowsToScan(app);
    for (int i = 0; i < count; ++i) {
        const LabelRow& row = labels[i];
        if (row.screenX == kLabelOutside || row.endYear <= app.year || row.firstYear > app.year)
            continue;
        // A name this close to the menu band would run into it.
        if (row.screenY <= app.mapTop + metrics.halfText)
            continue;
        int x = row.screenX;
        int y = row.screenY;
        if (row.markerColor != 0) {
            Rgb color = paletteColor(row.markerColor);
            Pen pen{1, color};
            Brush brush{kBrushSolid, color};
            if (row.trail >= 1 && row.trail <= 12) {
                PixelPoint step = trailStep(row.trail, metrics.dotRadius);
                for (int k = 1; k <= 3; ++k)
                    filledCircle(context, x + k * step.x, y + k * step.y, metrics.dotRadius, pen,
                                 brush);
            }
            filledCircle(context, x, y, metrics.dotRadius, pen, brush);
            if (row.textPlace == 2)
                y -= app.fontSize4;
        }
        if (row.detailLevel <= metrics.zoomClass)
            outlinedText(context, row.text, x, y, font, TextAlign::center, white);
    }
    releaseContext(context);
    return 0;
}

// The history records that one marker value of a period names: a value
// above 100 names two (its hundreds and its last two digits), 1..100 one,
// anything else none. Writes them to records and returns how many; a part
// of 0 names nothing, as record 0 holds the history's map window.
int placeRecords(int value, int records[2])
{
    int count = 0;
    if (value > 100) {
        int parts[2] = {value / 100, value % 100};
        for (int part : parts)
            if (part > 0 && part < kHistoryRecords)
                records[count++] = part;
    } else if (value >= 1) {
        records[count++] = value;
    }
    return count;
}

// Draws the places that history entry names (its markerY and markerStyle
// slots hold the place records of a period).
void drawPlaceMarkers(AppState& app, const HistoryTable& history, int entry, DrawSurface* surface)
{
    if (entry < 0 || entry >= kHistoryRecords)
        return;
    const int values[2] = {history[entry].markerY, history[entry].markerStyle};
    for (int value : values) {
        int records[2];
        int count = placeRecords(value, records);
        for (int i = 0; i < count; ++i)
            historyPlaceMarker(app, history, records[i], kMarkerPlace, surface);
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
        // The caller opens the group's history: the history loader sits
        // above the map.
        return i;
    }
    return -1;
}

} // namespace

int mapLabels(AppState& app, const HistoryTable& history, const PeriodIndex& periods,
              const LineStore& lines, const NationGroupTable& groups, LabelTable& labels,
              int mode, DrawSurface* surface)
{
    // The periods and lines of the loaded history are not needed to draw
    // its places; the parameters keep the one signature of the map passes.
    (void)periods;
    (void)lines;
    switch (mode) {
    case kLabelLayout:
        layoutLabels(app, labels);
        return 0;
    case kLabelDraw:
    case kLabelDrawPrevious: {
        int result = drawLabels(app, labels, surface);
        // Only a national group's animation shows the places of its history.
        if (app.animationId > kLastRegionId) {
            int entry = app.selectedRecord;
            if (mode == kLabelDrawPrevious)
                entry = entry - 1 < 0 ? 0 : entry - 1;
            drawPlaceMarkers(app, history, entry, surface);
        }
        return result;
    }
    case kLabelHitTest:
        return hitTestLabels(app, groups, labels);
    default:
        return 0;
    }
}

int historyPlaceMarker(AppState& app, const HistoryTable& history, int record, int mode,
                       DrawSurface* surface)
{
    if (record < 0 || record >= kHistoryRecords)
        return 0;
    const HistoryRecord& place = history[record];
    // A topic marks the point of the record its beliefRef names.
    int pointRecord = mode == kMarkerTopic ? place.beliefRef : record;
    if (pointRecord < 0 || pointRecord >= kHistoryRecords)
        return 0;
    const HistoryRecord& point = history[pointRecord];
    ScreenPoint screen = projectPoint(app, point.markerX, mercator(point.markerY));
    const int x = screen.x;
    const int y = screen.y;

    int colorIndex = kMarkerColorOther;
    if (mode == kMarkerTopic || place.markerStyle == 2)
        colorIndex = kMarkerColorCircle;
    else if (place.markerStyle == 1)
        colorIndex = kMarkerColorSquare;
    else if (place.markerStyle == 3)
        colorIndex = kMarkerColorBattle;
    const int halfText = app.fontSize4 / 2;
    const int ring = static_cast<int>(0.015 * app.screenHeight);
    const int direction = mode == kMarkerTopic ? place.languageRef : 0;
    const int placement = place.mapYear;
    const bool square = place.markerStyle == 1;
    const bool circle = place.markerStyle == 2 || place.markerStyle == 3;
    int size = 6;

    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    Rgb color = paletteColor(colorIndex);
    // Placements 5 and 2 put the text over the point itself: no marker.
    if (placement != 5 && placement != 2) {
        Rgb black = paletteColor(kColorBlack);
        Pen outline{mode == kMarkerTopic ? 6 : 1, black};
        Brush blackFill{kBrushSolid, black};
        if (square) {
            drawRectangle(context, x - 4, y - 4, x + 4, y + 4, outline, blackFill);
        } else if (circle) {
            drawEllipse(context, x - 6, y - 6, x + 6, y + 6, outline, blackFill);
            size = 8;
        }
        if (mode == kMarkerTopic) {
            filledCircle(context, x, y, ring, outline, blackFill);
            PixelPoint end = leaderEnd(direction, 4 * ring);
            if (end.x != 0)
                drawLine(context, x, y, x + end.x, y + end.y, outline);
        }
        Pen pen{1, color};
        Brush fill{kBrushSolid, color};
        if (square)
            drawRectangle(context, x - 2, y - 2, x + 2, y + 2, pen, fill);
        else if (circle)
            drawEllipse(context, x - 4, y - 4, x + 4, y + 4, pen, fill);
    }

    // The label, bounded by its field even if the history file left it open.
    char text[sizeof place.label + 1];
    std::size_t length = strnlen(place.label, sizeof place.label);
    std::memcpy(text, place.label, length);
    text[length] = '\0';
    Font font{app.fontSize3, kFontWeightBold, 0};
    PixelPoint leader = leaderEnd(direction, static_cast<int>(4.5 * ring));
    if (leader.x != 0) {
        // A topic's name stands at the far end of its leader line.
        TextAlign align = leader.x < 0 ? TextAlign::right : TextAlign::left;
        outlinedText(context, text, x + leader.x, y + leader.y - halfText, font, align, color);
    } else if (placement == 2) {
        // "Name, more": the part before the comma above the point, the rest on it.
        char* comma = std::strchr(text, ',');
        const char* second = "";
        if (comma != nullptr) {
            *comma = '\0';
            second = comma + 1;
            while (*second == ' ')
                ++second;
        }
        outlinedText(context, text, x, y - app.fontSize4, font, TextAlign::center, color);
        outlinedText(context, second, x, y, font, TextAlign::center, color);
    } else {
        switch (placement) {
        case 0:
            outlinedText(context, text, x, y - app.fontSize4 - static_cast<int>(0.6 * size), font,
                         TextAlign::center, color);
            break;
        case 3:
            outlinedText(context, text, x + size, y - halfText, font, TextAlign::left, color);
            break;
        case 5:
            outlinedText(context, text, x, y - halfText, font, TextAlign::center, color);
            break;
        case 6:
            outlinedText(context, text, x, y + size, font, TextAlign::center, color);
            break;
        case 9:
            outlinedText(context, text, x - size, y - halfText, font, TextAlign::right, color);
            break;
        default:
            outlinedText(context, text, x, y, font, TextAlign::left, color);
            break;
        }
    }
    releaseContext(context);
    return 0;
}

// The layout step of a base map rebuild, over the program's own tables.
void layoutLabelsForView(AppState& app)
{
    mapLabels(app, historyTable, periodIndex, lineStore, nationGroupTable, labelTable,
              kLabelLayout, nullptr);
}
