// Paper drawers: one fixed buffer of page points for every pass.
#include "print/print_map.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "content/history_panel.h"
#include "core/app_state.h"
#include "map/palette.h"
#include "map/projection.h"

const PrintView printViewTable[kPrintViewCount] = {
    {6300, 2500, 2600},  {5880, 3130, 1560}, {5650, 3050, 3100}, {3830, -2800, 2850},
    {4250, -192, 1500},  {4800, 800, 4300},  {5600, -1800, 8440}, {4950, -200, 6575},
    {4950, -200, 10400}, {6150, -3500, 6650},
};

namespace {

constexpr int kSeaLineColor = 75;
constexpr int kWhite = 210;
constexpr int kBlack = 215;
constexpr int kDarkGrey = 214;
constexpr int kNeutralLand = 170;

std::array<PixelPoint, kBorderPoints> pagePoints;

bool fullPage(const AppState& app)
{
    return app.printSize != 1;
}

Pen pen(int colorIndex) { return Pen{1, paletteColor(colorIndex)}; }
Brush solid(int colorIndex) { return Brush{kBrushSolid, paletteColor(colorIndex)}; }

int frameU(const AppState& app, int x)
{
    return static_cast<int>(static_cast<std::int64_t>(x - app.printWest) * app.printScaleX / 100000);
}

int frameV(const AppState& app, int mercY)
{
    return app.printMapHeight -
           static_cast<int>(static_cast<std::int64_t>(mercY - app.printSouthY) * app.printScaleY /
                            100000);
}

std::span<const PixelPoint> mapRecord(const AppState& app, const BorderRecord& record, int count)
{
    count = std::clamp(count, 0, pointCount(record));
    for (int p = 0; p < count; ++p)
        pagePoints[static_cast<std::size_t>(p)] =
            paperPoint(app, record.points[p][0], record.points[p][1]);
    return {pagePoints.data(), static_cast<std::size_t>(count)};
}

Font paperFont(const AppState& app, int height, int weight)
{
    return Font{height, weight, fullPage(app) ? 900 : 0};
}

} // namespace

PixelPoint framePoint(const AppState& app, int u, int v)
{
    if (fullPage(app))
        return {app.printLeft + v, app.printBottom - u};
    return {app.printLeft + u, app.printTop + v};
}

PixelPoint paperPoint(const AppState& app, int x, int mercY)
{
    PixelPoint p = framePoint(app, frameU(app, x), frameV(app, mercY));
    int bottom = fullPage(app) ? app.printBottom : app.printTop + app.printMapHeight;
    p.x = std::clamp(p.x, app.printLeft, std::max(app.printLeft, app.printRight));
    p.y = std::clamp(p.y, app.printTop, std::max(app.printTop, bottom));
    return p;
}

void selectPrintView(AppState& app)
{
    int id = app.animationId >= 0 && app.animationId < kPrintViewCount ? app.animationId : 9;
    const PrintView& view = printViewTable[id];
    app.printCenterX = view.centerX;
    app.printNorthY = mercator(view.northLat);
    app.printSouthY = mercator(view.southLat);
    double height = app.printMapHeight;
    double span = static_cast<double>(app.printNorthY) - app.printSouthY;
    if (height <= 0 || span <= 0 || app.printMapWidth <= 0)
        return;
    app.printScaleY = static_cast<int>(height / span * 100000);
    double half = span / (1.7453 / (app.printMapWidth / height)) * 0.5;
    app.printEast = static_cast<int>(app.printCenterX + half);
    app.printWest = static_cast<int>(app.printCenterX - half);
    app.printScaleX = static_cast<int>(app.printMapWidth / (2 * half) * 100000);
    app.printNorthLat = latitudeOf(app.printNorthY);
    app.printSouthLat = latitudeOf(app.printSouthY);
}

void paperRect(DrawContext* page, const AppState& app, int ua, int va, int ub, int vb,
               int penColor, int brushColor)
{
    PixelPoint a = framePoint(app, ua, va);
    PixelPoint b = framePoint(app, ub, vb);
    drawRectangle(page, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                  std::max(a.y, b.y), pen(penColor), solid(brushColor));
}

void paperSea(DrawContext* page, const AppState& app)
{
    // White paper crossed by a line every 8 pixels along the lines of
    // latitude: vertical on the turned page, horizontal on the upright one.
    int left = app.printLeft, top, right, bottom;
    if (fullPage(app)) {
        top = app.printBottom - app.printMapWidth;
        right = app.printLeft + app.printMapHeight;
        bottom = app.printBottom;
    } else {
        top = app.printTop;
        right = app.printLeft + app.printMapWidth;
        bottom = app.printTop + app.printMapHeight;
    }
    drawRectangle(page, left, top, right, bottom, Pen{0, 0}, solid(kWhite));
    drawRectangle(page, left, top, right, bottom, Pen{0, 0},
                  Brush{fullPage(app) ? 1 : 0, paletteColor(kSeaLineColor)});
}

void paperLand(DrawContext* page, const AppState& app, const BorderTable& borders)
{
    for (int i = 0; i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= kLandMaxYear;
         ++i) {
        const BorderRecord& record = borders[static_cast<std::size_t>(i)];
        auto points = mapRecord(app, record, record.ENTRIES);
        if (!points.empty())
            drawPolygon(page, points, pen(kWhite), solid(kWhite));
    }
}

void paperNations(DrawContext* page, const AppState& app, const BorderTable& borders, int year,
                  int start)
{
    for (int i = std::clamp(start, 0, kBorderPaintLimit);
         i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= year; ++i) {
        const BorderRecord& record = borders[static_cast<std::size_t>(i)];
        auto points = mapRecord(app, record, record.ENTRIES);
        if (points.empty())
            continue;
        if (record.ACTION == 104) {
            drawPolyline(page, points, pen(kDarkGrey));
            continue;
        }
        int color = record.COLOR == kNeutralLand ? kWhite : record.COLOR;
        int edge = record.ACTION == 103 ? kDarkGrey : color;
        int style = record.HATCH >= 0 && record.HATCH <= 5 ? record.HATCH : kBrushSolid;
        drawPolygon(page, points, pen(edge), Brush{style, paletteColor(color)});
    }
}

void paperTerrain(DrawContext* page, const AppState& app, const TerrainMap& terrain)
{
    const int level = app.printNorthLat - app.printSouthLat < 5000 ? 2 : 0;
    int firstColumn = app.printWest < kTerrainWestLon ? 0 : terrainCell(app.printWest - kTerrainWestLon);
    int endColumn = app.printEast > 12000 ? kTerrainColumns - 1
                                          : terrainCell(app.printEast - kTerrainWestLon);
    int firstRow = app.printNorthLat > kTerrainNorthLat ? 0
                                                        : terrainCell(kTerrainNorthLat - app.printNorthLat);
    int endRow = app.printSouthLat < -2500 ? kTerrainRows - 1
                                           : terrainCell(kTerrainNorthLat - app.printSouthLat);
    firstColumn = std::clamp(firstColumn, 0, kTerrainColumns);
    endColumn = std::clamp(endColumn, 0, kTerrainColumns);
    firstRow = std::clamp(firstRow, 0, kTerrainRows);
    endRow = std::clamp(endRow, 0, kTerrainRows);
    const Rgb white = paletteColor(kWhite);
    // The extra dots of the finest level, by layout, as page offsets.
    static constexpr PixelPoint uprightDots[4] = {{-1, 1}, {0, 1}, {1, -1}, {1, 0}};
    static constexpr PixelPoint turnedDots[4] = {{1, -1}, {1, 0}, {-1, 1}, {0, 1}};
    const PixelPoint* extra = fullPage(app) ? turnedDots : uprightDots;
    for (int r = firstRow; r < endRow; ++r) {
        const int v = frameV(app, mercator(terrainRowLatitude(r)));
        const auto& row = terrain[static_cast<std::size_t>(r)];
        for (int c = firstColumn; c < endColumn; ++c) {
            int b = row[static_cast<std::size_t>(c)];
            if (b == 0)
                continue;
            int p = c > 0 ? row[static_cast<std::size_t>(c - 1)]
                          : (r > 0 ? terrain[static_cast<std::size_t>(r - 1)][kTerrainColumns - 1] : 0);
            bool flat = p > b - kReliefStep && p < b + kReliefStep;
            PixelPoint d = framePoint(app, frameU(app, terrainColumnLongitude(c)), v);
            setPixel(page, d.x, d.y, flat ? white : makeRgb(b, b - 15, b - 51));
            if (level == 2) {
                Rgb lower = flat ? white : makeRgb(b, b - 1, b - 26);
                setPixel(page, d.x + extra[0].x, d.y + extra[0].y, flat ? white : makeRgb(b, b - 15, b - 51));
                for (int k = 1; k < 4; ++k)
                    setPixel(page, d.x + extra[k].x, d.y + extra[k].y, lower);
            }
        }
    }
}

void paperRivers(DrawContext* page, AppState& app, const BorderTable& borders)
{
    int i = firstRecordAbove(borders, 0, kOutlineMaxYear);
    for (; i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= kRiverMaxYear; ++i) {
        const BorderRecord& record = borders[static_cast<std::size_t>(i)];
        drawPolyline(page, mapRecord(app, record, record.ENTRIES), pen(kSeaLineColor));
    }
    app.firstNationRecord = i;
}

void paperCoasts(DrawContext* page, const AppState& app, const BorderTable& borders)
{
    // These records' colour is never drawn: it counts their coast points.
    for (int i = 0; i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= kOutlineMaxYear;
         ++i) {
        const BorderRecord& record = borders[static_cast<std::size_t>(i)];
        if (record.COLOR > 0)
            drawPolyline(page, mapRecord(app, record, record.COLOR), pen(kBlack));
    }
}

void paperLabels(DrawContext* page, const AppState& app, LabelTable& labels)
{
    const int radius = app.printEast - app.printWest > 10000 ? app.printMapHeight / 70
                                                             : app.printMapHeight / 50;
    const int raise = app.printFont30;
    // The placement margin in hundredths of a degree: the text height on
    // paper turned into degrees along each axis.
    const int marginLon = app.printScaleX > 0 ? static_cast<int>(static_cast<std::int64_t>(raise) * 100000 / app.printScaleX) : 0;
    const int marginMerc = app.printScaleY > 0 ? static_cast<int>(static_cast<std::int64_t>(raise) * 100000 / app.printScaleY) : 0;
    const int count = std::clamp(app.labelCount, 0, kLabelRows);
    for (int i = 0; i < count; ++i) {
        LabelRow& row = labels[static_cast<std::size_t>(i)];
        int lon = 10 * row.lon;
        int mercY = mercator(10 * row.lat);
        bool inside = lon > app.printWest + marginLon && lon < app.printEast - marginLon &&
                      mercY > app.printSouthY + marginMerc && mercY < app.printNorthY - marginMerc / 2;
        if (!inside) {
            row.screenX = kLabelOutside;
            continue;
        }
        row.screenX = frameU(app, lon);
        row.screenY = frameV(app, mercY) - raise / 2;
    }
    const Font font = paperFont(app, app.printFont26, 700);
    for (int i = 0; i < count; ++i) {
        const LabelRow& row = labels[static_cast<std::size_t>(i)];
        int lastYear = std::max<int>(row.endYear, row.firstYear + 50);
        if (row.screenX == kLabelOutside || row.firstYear > app.printYear ||
            app.printYear >= lastYear || row.detailLevel >= 9)
            continue;
        const int u = row.screenX, v = row.screenY;
        if (row.markerColor != 0) {
            PixelPoint a = framePoint(app, u - radius, v - radius);
            PixelPoint b = framePoint(app, u + radius, v + radius);
            drawEllipse(page, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                        std::max(a.y, b.y), pen(row.markerColor), solid(row.markerColor));
        }
        if (row.detailLevel >= 3)
            continue;
        int textLength = static_cast<int>(strnlen(row.text, sizeof row.text));
        int tu = u - static_cast<int>(radius * 0.425 * textLength);
        int tv = row.textPlace == 2 ? v - raise : v;
        PixelPoint at = framePoint(app, tu, tv);
        static constexpr PixelPoint halo[8] = {{-2, -4}, {-4, -2}, {-4, 2}, {-2, 4},
                                               {2, -4},  {4, -2},  {4, 2},  {2, 4}};
        char text[sizeof row.text + 1] = "";
        std::memcpy(text, row.text, static_cast<std::size_t>(textLength));
        for (const PixelPoint& d : halo)
            drawText(page, text, at.x + d.x, at.y + d.y, font, TextAlign::left, paletteColor(kWhite));
        drawText(page, text, at.x, at.y, font, TextAlign::left, paletteColor(kBlack));
    }
}

void paperPeriodText(DrawContext* page, AppState& app, const HistoryTable& table,
                     const PeriodIndex& index, const LineStore& lines)
{
    int record = selectEntry(app, index);
    const HistoryRecord& entry = table[static_cast<std::size_t>(record)];
    const int first = std::clamp<int>(entry.firstLine, 0, kHistoryLines);
    const int count = std::clamp<int>(entry.lineCount, 0, kHistoryLines - first);
    app.firstShownLine = first;
    const int h = app.printFont26;
    const int step = static_cast<int>(1.05 * h);
    const int left = (count + 1) / 2;
    const int top = app.printMapHeight - left * step - h / 2;
    paperRect(page, app, static_cast<int>(0.335 * app.printMapWidth), top,
              static_cast<int>(0.995 * app.printMapWidth), app.printMapHeight - h / 3, kWhite, kWhite);
    const Font font = paperFont(app, h, 400);
    for (int k = 0; k < count; ++k) {
        const auto& stored = lines[static_cast<std::size_t>(first + k)];
        char line[kHistoryLineBytes];
        if (app.eraLabels == 0)
            rewriteEra(stored.data(), kHistoryLineBytes - 1, line);
        else
            std::memcpy(line, stored.data(), sizeof line);
        line[kHistoryLineBytes - 1] = '\0';
        bool second = k >= left;
        int u = static_cast<int>((second ? 0.675 : 0.34) * app.printMapWidth);
        int v = top + (second ? k - left : k) * step;
        PixelPoint at = framePoint(app, u, v);
        drawText(page, line, at.x, at.y, font, TextAlign::left, paletteColor(kBlack));
    }
}

void paperFrame(DrawContext* page, const AppState& app)
{
    const int l = app.printLeft, t = app.printTop, r = app.printRight, b = app.printBottom;
    const int h = app.printMapHeight, w = app.printMapWidth;
    auto mask = [&](int x1, int y1, int x2, int y2) {
        drawRectangle(page, x1, y1, x2, y2, pen(kWhite), solid(kWhite));
    };
    std::array<PixelPoint, 5> outline;
    if (fullPage(app)) {
        mask(0, 0, r + t, t);
        mask(0, t, l, b + t);
        mask(r, t, l + r, b);
        mask(0, b, r + l, t + b);
        outline = {{{l, t}, {l + h, t}, {l + h, t + w}, {l, t + w}, {l, t}}};
    } else {
        mask(0, 0, r + l, t);
        mask(0, 0, l, h + t);
        mask(r, 0, l + r, h + t);
        mask(0, h + t, r + l, h + 2 * t);
        outline = {{{l, t}, {l + w, t}, {l + w, t + h}, {l, t + h}, {l, t}}};
    }
    drawPolyline(page, outline, pen(kBlack));
}
