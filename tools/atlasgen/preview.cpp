// Preview pictures: the generated borders and terrain drawn as the atlas's
// screen map draws them (sea, land, relief, rivers over the nations of one
// year), at 800 x 600, into a PNG file. A maintainer's check by eye only.
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <gdal_priv.h>

#include "map/projection.h"
#include "shell/app_state.h"
#include "tools/atlasgen/atlasgen.h"
#include "tools/atlasgen/palette.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kMapTop = 58;

struct Layer {
    std::vector<Rgb> pixels = std::vector<Rgb>(static_cast<std::size_t>(kWidth * kHeight));
    std::vector<bool> key = std::vector<bool>(static_cast<std::size_t>(kWidth * kHeight), false);

    void set(int x, int y, Rgb colour, bool isKey = false)
    {
        if (x < 0 || x >= kWidth || y < kMapTop || y >= kHeight)
            return;
        std::size_t i = static_cast<std::size_t>(y * kWidth + x);
        pixels[i] = colour;
        key[i] = isKey;
    }
};

void drawLine(Layer& layer, ScreenPoint a, ScreenPoint b, Rgb colour, bool isKey)
{
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    for (int guard = 0; guard < 20000; ++guard) {
        layer.set(x, y, colour, isKey);
        if (x == b.x && y == b.y)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

bool hatchHit(int hatch, int x, int y)
{
    switch (hatch) {
    case 0: return y % 8 == 0;
    case 1: return x % 8 == 0;
    case 2: return (x + y) % 8 == 0;
    case 3: return (x - y + 8000) % 8 == 0;
    case 4: return x % 8 == 0 || y % 8 == 0;
    case 5: return (x + y) % 8 == 0 || (x - y + 8000) % 8 == 0;
    default: return true;
    }
}

// Even-odd fill of a closed polygon; hatch 10 is solid.
void fillPolygon(Layer& layer, const std::vector<ScreenPoint>& points, Rgb colour, int hatch,
                 bool isKey)
{
    if (points.size() < 3)
        return;
    std::vector<double> crossings;
    for (int y = kMapTop; y < kHeight; ++y) {
        crossings.clear();
        double cy = y + 0.5;
        for (std::size_t i = 0; i < points.size(); ++i) {
            ScreenPoint a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= cy) == (b.y <= cy))
                continue;
            crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
            int to = std::min(kWidth - 1, static_cast<int>(std::floor(crossings[i + 1] - 0.5)));
            for (int x = from; x <= to; ++x)
                if (hatchHit(hatch, x, y))
                    layer.set(x, y, colour, isKey);
        }
    }
}

std::vector<ScreenPoint> project(const AppState& app, const BorderRecord& record)
{
    std::vector<ScreenPoint> points;
    int count = pointCount(record);
    for (int i = 0; i < count; ++i)
        points.push_back(projectPoint(app, record.points[i][0], record.points[i][1]));
    return points;
}

void drawOutline(Layer& layer, const std::vector<ScreenPoint>& points, Rgb colour, bool closed,
                 bool isKey)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        drawLine(layer, points[i], points[i + 1], colour, isKey);
    if (closed && points.size() > 2)
        drawLine(layer, points.back(), points.front(), colour, isKey);
}

int cellIndex(int value)
{
    return 12 * (value / 100) + ((value % 100) * 12) / 100;
}

// The relief as edge dots, following the screen map's rules.
void drawTerrain(Layer& layer, const AppState& app, const std::vector<std::uint8_t>& terrain)
{
    if (terrain.size() != static_cast<std::size_t>(kTerrainRows) * kTerrainColumns)
        return;
    int span = app.viewNorthLat - app.viewSouthLat;
    int level = span >= 5000 ? 0 : (span < 2500 ? 2 : 1);
    int firstColumn = app.viewWest < -1000 ? 0 : cellIndex(app.viewWest + 1000);
    int endColumn = app.viewEast > 12000 ? 1559 : cellIndex(app.viewEast + 1000);
    int firstRow = app.viewNorthLat > 5000 ? 0 : cellIndex(5000 - app.viewNorthLat);
    int endRow = app.viewSouthLat < -2500 ? 899 : cellIndex(5000 - app.viewSouthLat);
    for (int r = firstRow; r < endRow; ++r) {
        int lat = (50 - r / 12) * 100 - ((r % 12) * 100) / 12;
        int sy = projectPoint(app, 0, mercator(lat)).y;
        for (int c = firstColumn; c < endColumn; ++c) {
            std::size_t index = static_cast<std::size_t>(r) * kTerrainColumns + static_cast<std::size_t>(c);
            int b = terrain[index];
            if (b == 0)
                continue;
            int p = index == 0 ? 0 : terrain[index - 1];
            int lon = (c / 12 - 10) * 100 + ((c % 12) * 100) / 12;
            int sx = projectPoint(app, lon, 0).x;
            if (p > b - 4 && p < b + 4) {
                layer.set(sx, sy, {254, 0, 254}, true);
                if (level >= 1)
                    layer.set(sx - 1, sy + 1, {254, 0, 254}, true);
                continue;
            }
            Rgb dot{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>((b - 15) & 255),
                    static_cast<std::uint8_t>((b - 51) & 255)};
            Rgb dot2{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>((b - 1) & 255),
                     static_cast<std::uint8_t>((b - 26) & 255)};
            layer.set(sx, sy, dot);
            if (level >= 1)
                layer.set(sx - 1, sy + 1, dot);
            if (level == 2) {
                layer.set(sx, sy + 1, dot2);
                layer.set(sx + 1, sy - 1, dot2);
                layer.set(sx + 1, sy, dot2);
            }
        }
    }
}

}  // namespace

bool writePreview(const char* path, const BorderTable& table,
                  const std::vector<std::uint8_t>& terrain, int view, int year)
{
    AppState app{};
    setDefaults(app);
    app.screenWidth = kWidth;
    app.screenHeight = kHeight;
    app.mapTop = kMapTop;
    app.animationId = view;
    selectView(app, nullptr);

    Layer overlay, nations;
    const Rgb key{254, 0, 254};
    for (int y = kMapTop; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            overlay.set(x, y, {0, 0, 153});
            nations.set(x, y, atlasPalette[kNeutralColor]);
        }
    int i = 0;
    for (; i < kBorderPaintLimit && table[static_cast<std::size_t>(i)].STARTYR <= kLandMaxYear; ++i) {
        std::vector<ScreenPoint> points = project(app, table[static_cast<std::size_t>(i)]);
        fillPolygon(overlay, points, key, 10, true);
        drawOutline(overlay, points, key, true, true);
    }
    drawTerrain(overlay, app, terrain);
    i = firstRecordAbove(table, 0, kOutlineMaxYear);
    for (; i < kBorderPaintLimit && table[static_cast<std::size_t>(i)].STARTYR <= kRiverMaxYear; ++i)
        drawOutline(overlay, project(app, table[static_cast<std::size_t>(i)]), {0, 0, 204}, false,
                    false);
    for (; i < kBorderPaintLimit && table[static_cast<std::size_t>(i)].STARTYR <= year; ++i) {
        const BorderRecord& record = table[static_cast<std::size_t>(i)];
        std::vector<ScreenPoint> points = project(app, record);
        Rgb colour = atlasPalette[static_cast<std::size_t>(std::clamp<int>(record.COLOR, 0, 215))];
        if (record.ACTION == 104) {
            drawOutline(nations, points, atlasPalette[214], false, false);
            continue;
        }
        fillPolygon(nations, points, colour, record.HATCH == 10 ? 10 : record.HATCH, false);
        drawOutline(nations, points, record.ACTION == 103 ? atlasPalette[214] : colour, true,
                    false);
    }

    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    GDALDriver* png = GetGDALDriverManager()->GetDriverByName("PNG");
    if (memory == nullptr || png == nullptr)
        return false;
    std::unique_ptr<GDALDataset> image(memory->Create("", kWidth, kHeight, 3, GDT_Byte, nullptr));
    std::vector<std::uint8_t> band(static_cast<std::size_t>(kWidth * kHeight));
    for (int channel = 0; channel < 3; ++channel) {
        for (std::size_t p = 0; p < band.size(); ++p) {
            bool showNation = overlay.key[p];
            const Rgb& c = showNation ? nations.pixels[p] : overlay.pixels[p];
            band[p] = channel == 0 ? c.r : channel == 1 ? c.g : c.b;
        }
        if (image->GetRasterBand(channel + 1)->RasterIO(GF_Write, 0, 0, kWidth, kHeight, band.data(),
                                                      kWidth, kHeight, GDT_Byte, 0, 0) != CE_None)
            return false;
    }
    std::unique_ptr<GDALDataset> out(png->CreateCopy(path, image.get(), FALSE, nullptr, nullptr, nullptr));
    return out != nullptr;
}
