// The map renderer: base map, nations, composition and the editor's record
// view.
#include "map/renderer.h"

#include <algorithm>
#include <array>

#include "core/app_state.h"
#include "core/limits.h"
#include "map/palette.h"
#include "map/projection.h"
#include "platform/surface.h"

namespace {

// Land on the overlay: the key colour, so that the nations show through.
constexpr Rgb kTransparentRgb = makeRgb(254, 0, 254);
constexpr Rgb kFlatSeaRgb = makeRgb(0, 0, 153);
constexpr Rgb kRiverRgb = makeRgb(0, 0, 204);

// Relief steps of 4 or more levels between west neighbours are drawn.
inline constexpr int kReliefStep = 4;
// Latitude spans (1/100 degree) below which terrain gets more dots per cell.
inline constexpr int kCoarseSpan = 5000;
inline constexpr int kFineSpan = 2500;
// The raster's north-west corner and its cells per degree.
inline constexpr int kTerrainNorthLat = 5000;
inline constexpr int kTerrainWestLon = -1000;
inline constexpr int kCellsPerDegree = 12;

// The projected points of the record being drawn: one buffer for the
// largest record, reused by every pass.
std::array<PixelPoint, kBorderPoints> screenPoints;

// Projects the record's first ENTRIES points (clamped to the record's size)
// into screenPoints; returns how many.
int projectRecord(const AppState& app, const BorderRecord& record)
{
    int count = pointCount(record);
    for (int p = 0; p < count; ++p) {
        ScreenPoint s = projectPoint(app, record.points[p][0], record.points[p][1]);
        screenPoints[static_cast<std::size_t>(p)] = {s.x, s.y};
    }
    return count;
}

std::span<const PixelPoint> projected(int count)
{
    return std::span<const PixelPoint>(screenPoints.data(), static_cast<std::size_t>(count));
}

Rgb landColor(const AppState& app)
{
    return app.editorActive == 1 ? paletteColor(kColorBlack) : kTransparentRgb;
}

// Paints one nation record with its own pen and brush.
void paintNationRecord(DrawContext* context, const AppState& app, const BorderRecord& record)
{
    int count = projectRecord(app, record);
    if (count == 0)
        return;
    Rgb color = paletteColor(record.COLOR);
    if (record.ACTION == 104) {
        drawPolyline(context, projected(count), Pen{1, paletteColor(kColorDarkGrey)});
        return;
    }
    int style = record.HATCH >= 0 && record.HATCH <= 5 ? record.HATCH : kBrushSolid;
    Rgb edge = record.ACTION == 103 ? paletteColor(kColorDarkGrey) : color;
    drawPolygon(context, projected(count), Pen{1, edge}, Brush{style, color});
}

// Cell index of a raster coordinate in 1/100 degree from the raster's edge,
// divisions truncating toward zero.
int cellIndex(int v)
{
    return kCellsPerDegree * (v / 100) + ((v % 100) * kCellsPerDegree) / 100;
}

int rowLatitude(int row)
{
    return (kTerrainNorthLat / 100 - row / kCellsPerDegree) * 100 -
           ((row % kCellsPerDegree) * 100) / kCellsPerDegree;
}

int columnLongitude(int column)
{
    return (column / kCellsPerDegree + kTerrainWestLon / 100) * 100 +
           ((column % kCellsPerDegree) * 100) / kCellsPerDegree;
}

// Screen x of every raster column, filled per terrain pass.
std::array<int, kTerrainColumns> columnScreenX;

// Mark of one point in the editor: a 3 x 3 square, or its ring of eight.
void markPoint(DrawContext* context, const AppState& app, const BorderRecord& record, int point,
               int colorIndex, bool ringOnly)
{
    if (point < 0 || point >= pointCount(record))
        return;
    ScreenPoint s = projectPoint(app, record.points[point][0], record.points[point][1]);
    Rgb color = paletteColor(colorIndex);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!ringOnly || dx != 0 || dy != 0)
                setPixel(context, s.x + dx, s.y + dy, color);
}

} // namespace

void rebuildBaseMap(AppState& app, const BorderTable& borders, const TerrainMap& terrain,
                    const MapWindow* historyWindow, DrawSurface* overlay, DrawSurface* map)
{
    selectView(app, historyWindow);
    layoutLabelsForView(app);
    clearMapLayer(app, kColorUnheldLand, map);
    paintSea(app, overlay);
    paintLand(app, borders, overlay);
    paintTerrain(app, terrain, overlay);
    paintRivers(app, borders, overlay);
}

int paintNations(AppState& app, const BorderTable& borders, int year, int startIndex,
                 DrawSurface* map)
{
    if (startIndex == app.firstNationRecord)
        clearMapLayer(app, kColorUnheldLand, map);
    int i = std::clamp(startIndex, 0, kBorderPaintLimit);
    DrawContext* context = acquireContext(map);
    if (context == nullptr) {
        app.nextRecord = startIndex;
        return -1;
    }
    while (i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= year) {
        paintNationRecord(context, app, borders[static_cast<std::size_t>(i)]);
        ++i;
    }
    releaseContext(context);
    app.nextRecord = i;
    return 0;
}

int paintSea(const AppState& app, DrawSurface* overlay)
{
    DrawContext* context = acquireContext(overlay);
    if (context == nullptr)
        return -1;
    if (app.colorDepth == 16) {
        drawRectangle(context, 0, app.mapTop, app.screenWidth, app.screenHeight,
                      Pen{1, kFlatSeaRgb}, Brush{kBrushSolid, kFlatSeaRgb});
        releaseContext(context);
        return 0;
    }
    // Deeper displays get bands darkening towards the foot, each painted
    // over the lower part of the one before.
    int mapHeight = app.screenHeight - app.mapTop;
    int step = std::max(mapHeight / 120, 1);
    int band = mapHeight / step + 1;
    int blue = 255;
    for (int y = app.mapTop; y <= app.screenHeight; y += step) {
        blue -= 1;
        Rgb color = makeRgb(0, 0, blue);
        drawRectangle(context, 0, y, app.screenWidth, y + band, Pen{1, color},
                      Brush{kBrushSolid, color});
    }
    releaseContext(context);
    return 0;
}

int paintLand(AppState& app, const BorderTable& borders, DrawSurface* overlay)
{
    DrawContext* context = acquireContext(overlay);
    if (context == nullptr) {
        app.nextRecord = 0;
        return -1;
    }
    Rgb color = landColor(app);
    int i = 0;
    while (i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= kLandMaxYear) {
        int count = projectRecord(app, borders[static_cast<std::size_t>(i)]);
        if (count > 0)
            drawPolygon(context, projected(count), Pen{1, color}, Brush{kBrushSolid, color});
        ++i;
    }
    releaseContext(context);
    app.nextRecord = i;
    return 0;
}

int paintTerrain(const AppState& app, const TerrainMap& terrain, DrawSurface* overlay)
{
    DrawContext* context = acquireContext(overlay);
    if (context == nullptr)
        return -1;
    int span = app.viewNorthLat - app.viewSouthLat;
    int level = 1;
    if (span >= kCoarseSpan)
        level = 0;
    else if (span < kFineSpan || app.screenWidth > 800)
        level = 2;

    int firstColumn = app.viewWest < kTerrainWestLon ? 0 : cellIndex(app.viewWest - kTerrainWestLon);
    int endColumn = app.viewEast > 12000 ? kTerrainColumns - 1
                                         : cellIndex(app.viewEast - kTerrainWestLon);
    int firstRow = app.viewNorthLat > kTerrainNorthLat ? 0
                                                       : cellIndex(kTerrainNorthLat - app.viewNorthLat);
    int endRow = app.viewSouthLat < -2500 ? kTerrainRows - 1
                                          : cellIndex(kTerrainNorthLat - app.viewSouthLat);
    // A view partly or wholly off the raster draws only the cells it holds.
    firstColumn = std::clamp(firstColumn, 0, kTerrainColumns);
    endColumn = std::clamp(endColumn, 0, kTerrainColumns);
    firstRow = std::clamp(firstRow, 0, kTerrainRows);
    endRow = std::clamp(endRow, 0, kTerrainRows);

    // Up to five dots for every cell in view: written straight into the
    // layer's pixels, clipped here.
    int stride = 0;
    std::uint16_t* pixels = lockPixels(context, stride);
    int width = surfaceWidth(overlay);
    int height = surfaceHeight(overlay);
    auto dot = [&](int x, int y, std::uint16_t pixel) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[static_cast<std::ptrdiff_t>(y) * stride + x] = pixel;
    };
    std::uint16_t land = rgbTo565(landColor(app));
    // The two relief shades of every level.
    std::array<std::uint16_t, 256> stepShade;
    std::array<std::uint16_t, 256> lowerShade;
    for (int b = 0; b < 256; ++b) {
        stepShade[static_cast<std::size_t>(b)] = rgbTo565(makeRgb(b, b - 15, b - 51));
        lowerShade[static_cast<std::size_t>(b)] = rgbTo565(makeRgb(b, b - 1, b - 26));
    }
    for (int c = firstColumn; c < endColumn; ++c)
        columnScreenX[static_cast<std::size_t>(c)] = projectPoint(app, columnLongitude(c), 0).x;
    for (int r = firstRow; r < endRow && pixels != nullptr; ++r) {
        int sy = projectPoint(app, 0, mercator(rowLatitude(r))).y;
        const auto& row = terrain[static_cast<std::size_t>(r)];
        for (int c = firstColumn; c < endColumn; ++c) {
            int b = row[static_cast<std::size_t>(c)];
            if (b == 0)
                continue;
            // The west neighbour; the first cell of a row follows the last of
            // the row above, and the raster's very first cell follows a 0.
            int p = c > 0 ? row[static_cast<std::size_t>(c - 1)]
                          : (r > 0 ? terrain[static_cast<std::size_t>(r - 1)][kTerrainColumns - 1] : 0);
            int sx = columnScreenX[static_cast<std::size_t>(c)];
            bool flat = p > b - kReliefStep && p < b + kReliefStep;
            std::uint16_t pixel = flat ? land : stepShade[static_cast<std::size_t>(b)];
            dot(sx, sy, pixel);
            if (level >= 1)
                dot(sx - 1, sy + 1, pixel);
            if (level == 2) {
                std::uint16_t lower = flat ? land : lowerShade[static_cast<std::size_t>(b)];
                dot(sx, sy + 1, lower);
                dot(sx + 1, sy - 1, lower);
                dot(sx + 1, sy, lower);
            }
        }
    }
    releaseContext(context);
    return 0;
}

int paintRivers(AppState& app, const BorderTable& borders, DrawSurface* overlay)
{
    DrawContext* context = acquireContext(overlay);
    if (context == nullptr) {
        app.firstNationRecord = 0;
        app.nextRecord = 0;
        return -1;
    }
    int i = firstRecordAbove(borders, 0, kOutlineMaxYear);
    while (i < kBorderPaintLimit && borders[static_cast<std::size_t>(i)].STARTYR <= kRiverMaxYear) {
        int count = projectRecord(app, borders[static_cast<std::size_t>(i)]);
        drawPolyline(context, projected(count), Pen{1, kRiverRgb});
        ++i;
    }
    releaseContext(context);
    app.firstNationRecord = i;
    app.nextRecord = i;
    return 0;
}

int clearMapLayer(const AppState& app, int colorIndex, DrawSurface* layer)
{
    DrawContext* context = acquireContext(layer);
    if (context == nullptr)
        return -1;
    Rgb color = paletteColor(colorIndex);
    drawRectangle(context, 0, app.mapTop, app.screenWidth, app.screenHeight, Pen{1, color},
                  Brush{kBrushSolid, color});
    releaseContext(context);
    return 0;
}

void composeMap(const AppState& app, DrawSurface* destination, DrawSurface* overlay,
                DrawSurface* base)
{
    copyRect(destination, base, 0, app.mapTop, app.screenWidth, app.screenHeight, false);
    copyRect(destination, overlay, 0, app.mapTop, app.screenWidth, app.screenHeight, true);
}

int drawEditedRecord(const AppState& app, const BorderTable& borders, int recordIndex,
                     DrawSurface* surface)
{
    if (recordIndex < 0 || recordIndex >= kBorderSlots)
        return 0;
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    const BorderRecord& record = borders[static_cast<std::size_t>(recordIndex)];
    bool work = recordIndex == kWorkRecordSlot;
    int count = projectRecord(app, record);
    drawPolyline(context, projected(count), Pen{1, paletteColor(work ? 12 : 175)});
    for (int p = 0; p < count; ++p) {
        int colorIndex = p < 2 ? 144 : (p < count - 2 ? kColorWhite : kColorError);
        markPoint(context, app, record, p, colorIndex, false);
    }
    if (work) {
        markPoint(context, app, record, app.anchorPoint, 100, true);
    } else {
        markPoint(context, app, record, app.copyFromPoint, kColorDarkGrey, true);
        markPoint(context, app, record, app.copyToPoint, kColorDarkGrey, true);
    }
    releaseContext(context);
    return 0;
}
