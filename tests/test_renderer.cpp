// The map renderer on the fixture atlas: base map, the painter's rule,
// incremental painting, composition, terrain dots, failures and bad data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "core/app_state.h"
#include "map/draw.h"
#include "map/palette.h"
#include "map/renderer.h"
#include "platform/surface.h"
#include "tests/map_fixture.h"
#include "tests/test_support.h"

namespace {

constexpr std::uint16_t kKey = 0xF81F;
constexpr std::uint16_t kSea = 0x0013; // RGB(0, 0, 153)

struct Layers {
    Bitmap overlay{800, 600}, map{800, 600}, back{800, 600};
    Layers() { setColorKey(overlay, kKey); }
};

int at(const DrawSurface* s, const AppState& app, double lon, double lat)
{
    ScreenPoint p = fixturePixel(app, lon, lat);
    return readPixel(s, p.x, p.y);
}

// The fixture in view `view`, nations painted up to `year`, composed.
struct FixtureMap {
    ScratchFolder folder;
    AppState app;
    Layers layers;
    FixtureMap(int view, int year)
    {
        app = fixtureState(view);
        loadMapFixture(app, borderTable, terrainMap);
        rebuildBaseMap(app, borderTable, terrainMap, nullptr, layers.overlay, layers.map);
        paintNations(app, borderTable, year, app.firstNationRecord, layers.map);
        composeMap(app, layers.back, layers.overlay, layers.map);
    }
};

TEST(Renderer, BaseMapSeaLandRiversAndIndices)
{
    FixtureMap m(9, -3001);
    const AppState& app = m.app;
    EXPECT_EQ(app.firstNationRecord, kFixtureSolid);
    EXPECT_EQ(app.nextRecord, kFixtureSolid);
    EXPECT_EQ(at(m.layers.overlay, app, 60, 40), kSea);
    EXPECT_EQ(readPixel(m.layers.overlay, 0, 58), kSea);
    EXPECT_EQ(readPixel(m.layers.overlay, 799, 599), kSea);
    EXPECT_EQ(readPixel(m.layers.overlay, 400, 57), 0); // the menu band is not touched
    EXPECT_EQ(at(m.layers.overlay, app, 30, 30), kKey); // continent
    EXPECT_EQ(at(m.layers.overlay, app, 85, 15), kKey); // island
    EXPECT_EQ(at(m.layers.overlay, app, 55, 52), kSea); // outline-only class is not drawn
    EXPECT_EQ(at(m.layers.overlay, app, 10, 35), rgbTo565(makeRgb(0, 0, 204))); // river
    EXPECT_EQ(at(m.layers.map, app, 30, 30), px(170));  // no nation yet
    EXPECT_EQ(readPixel(m.layers.map, 0, 57), 0);

    // Deeper displays get a gradient: blue 254 at the top, darker below.
    AppState deep = app;
    deep.colorDepth = 24;
    ASSERT_EQ(paintSea(deep, m.layers.overlay), 0);
    EXPECT_EQ(readPixel(m.layers.overlay, 10, 58), rgbTo565(makeRgb(0, 0, 254)));
    int step = (600 - 58) / 120;
    EXPECT_EQ(readPixel(m.layers.overlay, 10, 599),
              rgbTo565(makeRgb(0, 0, 254 - (599 - 58) / step)));

    // While the editor is active land is black.
    AppState editor = app;
    editor.editorActive = 1;
    ASSERT_EQ(paintLand(editor, borderTable, m.layers.overlay), 0);
    EXPECT_EQ(at(m.layers.overlay, app, 30, 30), px(215));
}

TEST(Renderer, PaintersRuleHatchAndActions)
{
    FixtureMap m(9, 1000);
    const AppState& app = m.app;
    EXPECT_EQ(app.nextRecord, kFixtureEndMark); // stopped by the end mark
    const DrawSurface* map = m.layers.map;

    EXPECT_EQ(at(map, app, 2, 42), px(4)); // the solid territory

    // The hatched record shows the solid one between its diagonal lines.
    ScreenPoint inside = fixturePixel(app, 12, 15);
    int lines = 0, between = 0;
    for (int dx = 0; dx < 8; ++dx) {
        int p = readPixel(map, inside.x + dx, inside.y);
        lines += p == px(206);
        between += p == px(4);
    }
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(between, 7);

    // ACTION 103: own fill, dark grey edge.
    EXPECT_EQ(at(map, app, 30, 30), px(144));
    ScreenPoint corner = fixturePixel(app, 25, 30);
    EXPECT_EQ(readPixel(map, corner.x, corner.y), px(214));
    // ACTION 104: the fill below stays, only a dark grey line is drawn.
    EXPECT_EQ(at(map, app, 12.5, 34), px(4));
    ScreenPoint edge = fixturePixel(app, 10, 34);
    EXPECT_EQ(readPixel(map, edge.x, edge.y), px(214));
    EXPECT_EQ(countPixels(map, px(73)), 0);
    // Equal STARTYR: the later record covers the earlier where they overlap.
    EXPECT_EQ(at(map, app, 34, 12), px(175));
    EXPECT_EQ(at(map, app, 27, 10), px(12));
}

TEST(Renderer, IncrementalPaintingMatchesAFullRepaint)
{
    FixtureMap full(9, 1000);
    FixtureMap stepped(9, -2500);
    AppState& app = stepped.app;
    EXPECT_EQ(app.nextRecord, kFixtureHatched);
    EXPECT_EQ(at(stepped.layers.map, app, 12, 15), px(4));
    // Years without new records paint nothing and keep nextRecord.
    ASSERT_EQ(paintNations(app, borderTable, -2001, app.nextRecord, stepped.layers.map), 0);
    EXPECT_EQ(app.nextRecord, kFixtureHatched);
    for (int year = -2000; year <= 1000; year += 100)
        ASSERT_EQ(paintNations(app, borderTable, year, app.nextRecord, stepped.layers.map), 0);
    EXPECT_EQ(app.nextRecord, kFixtureEndMark);
    EXPECT_EQ(differingPixels(full.layers.map, stepped.layers.map), 0);

    // Going back in time repaints from the first nation record after a clear.
    ASSERT_EQ(paintNations(app, borderTable, -3000, app.firstNationRecord, stepped.layers.map), 0);
    EXPECT_EQ(app.nextRecord, kFixtureHatched);
    EXPECT_EQ(at(stepped.layers.map, app, 30, 30), px(170));
    EXPECT_EQ(at(stepped.layers.map, app, 12, 15), px(4));
}

TEST(Renderer, ComposedMapHasNoKeyPixelsAndSeaCoversSpills)
{
    FixtureMap m(9, 1000);
    const AppState& app = m.app;
    const DrawSurface* back = m.layers.back;
    EXPECT_EQ(countPixels(back, kKey), 0);
    EXPECT_EQ(at(back, app, -3, 42), kSea);   // the solid nation's spill into the sea
    EXPECT_EQ(at(back, app, 2, 38), px(4));   // its part over land
    EXPECT_EQ(at(back, app, 10, 35), rgbTo565(makeRgb(0, 0, 204))); // river over nations
    EXPECT_EQ(readPixel(back, 400, 30), 0);   // menu band untouched

    // No layer holds a colour near the key that is not the key itself.
    for (const DrawSurface* s : std::initializer_list<const DrawSurface*>{m.layers.overlay, m.layers.map, back})
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                int p = readPixel(s, x, y);
                int r = p >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
                bool nearKey = r >= 28 && g <= 6 && b >= 28;
                ASSERT_TRUE(!nearKey || p == kKey) << x << "," << y;
            }
}

TEST(Renderer, TerrainDotsAndDetailLevels)
{
    ScratchFolder folder;
    Layers layers;
    AppState app = fixtureState(9);
    loadMapFixture(app, borderTable, terrainMap);
    Rgb stepColor = makeRgb(120, 120 - 15, 120 - 51);

    // Each cell is compared with its west neighbour: in 100 100 120 120 the
    // first 120 and the first 100 are steps, the second of each is flat.
    AppState narrow = fixtureState(9);
    narrow.viewCenterX = 1000;
    narrow.viewNorthY = mercator(3500);
    narrow.viewSouthY = mercator(1500);
    computeScale(narrow);
    paintRect(0, 0, 800, 600, 73, 10, layers.overlay);
    ASSERT_EQ(paintTerrain(narrow, terrainMap, layers.overlay), 0);
    int row = (5000 - 2250) * 12 / 100;
    int lat = (50 - row / 12) * 100 - ((row % 12) * 100) / 12;
    for (int c = (1200 + 1000) * 12 / 100 + 4; c < (1200 + 1000) * 12 / 100 + 40; ++c) {
        int lon = (c / 12 - 10) * 100 + ((c % 12) * 100) / 12;
        ScreenPoint p = projectPoint(narrow, lon, mercator(lat));
        const int expected[4] = {rgbTo565(makeRgb(100, 85, 49)), kKey, rgbTo565(stepColor), kKey};
        EXPECT_EQ(readPixel(layers.overlay, p.x, p.y), expected[c % 4]) << c;
    }

    // Dots per cell by the view's latitude span: one from 50 degrees up, two
    // below that, five (the last three in the second shade) below 25 degrees
    // or on a screen wider than 800. One step cell (120 after a 0) at 10 E,
    // 20 N; the cell at column 0 follows the last cell of the row above
    // (118), so it is flat: land dots, black while the editor is active.
    terrainMap = TerrainMap{};
    terrainMap[360][240] = 120;
    terrainMap[400][0] = 120;
    terrainMap[399][kTerrainColumns - 1] = 118;
    const std::uint16_t lower = rgbTo565(makeRgb(120, 119, 94));
    const int dots[5][2] = {{0, 0}, {-1, 1}, {0, 1}, {1, -1}, {1, 0}};
    struct LevelCase {
        int south, width, editor, count;
    };
    for (const LevelCase& c : {LevelCase{-2900, 800, 0, 1}, {-2899, 800, 0, 2}, {-400, 800, 0, 2},
                               {-399, 800, 0, 5}, {-2899, 801, 0, 5}, {-399, 800, 1, 5}}) {
        AppState level = fixtureState(9);
        level.viewNorthLat = 2100;
        level.viewSouthLat = c.south;
        level.screenWidth = c.width;
        level.editorActive = c.editor;
        paintRect(0, 0, 800, 600, 73, 10, layers.overlay);
        ASSERT_EQ(paintTerrain(level, terrainMap, layers.overlay), 0);
        ScreenPoint cell = projectPoint(level, 1000, mercator(2000));
        for (int d = 0; d < c.count; ++d)
            EXPECT_EQ(readPixel(layers.overlay, cell.x + dots[d][0], cell.y + dots[d][1]),
                      d < 2 ? rgbTo565(stepColor) : lower) << c.south << " " << d;
        EXPECT_EQ(countPixels(layers.overlay, px(73)), 800 * 600 - 2 * c.count) << c.south;
        EXPECT_EQ(countPixels(layers.overlay, c.editor ? px(215) : kKey), c.count) << c.south;
    }

    // A view wholly north of the raster draws nothing; one reaching north
    // of 50 N starts at row 0 without reading outside the raster.
    AppState north = fixtureState(9);
    north.viewNorthY = mercator(7000);
    north.viewSouthY = mercator(5200);
    computeScale(north);
    paintRect(0, 0, 800, 600, 73, 10, layers.overlay);
    ASSERT_EQ(paintTerrain(north, terrainMap, layers.overlay), 0);
    EXPECT_EQ(countPixels(layers.overlay, px(73)), 800 * 600);
    AppState europe = fixtureState(0);
    terrainMap[0][300] = 200;
    terrainMap[0][299] = 10;
    paintRect(0, 0, 800, 600, 73, 10, layers.overlay);
    ASSERT_EQ(paintTerrain(europe, terrainMap, layers.overlay), 0);
    EXPECT_GT(countPixels(layers.overlay, rgbTo565(makeRgb(200, 185, 149))), 0);
}

TEST(Renderer, LostLayersAndDamagedRecords)
{
    ScratchFolder folder;
    Layers layers;
    AppState app = fixtureState(9);
    loadMapFixture(app, borderTable, terrainMap);
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, layers.overlay, layers.map);

    setSurfaceLost(layers.overlay, true);
    EXPECT_EQ(paintLand(app, borderTable, layers.overlay), -1);
    EXPECT_EQ(app.nextRecord, 0);
    EXPECT_EQ(paintRivers(app, borderTable, layers.overlay), -1);
    EXPECT_EQ(app.firstNationRecord, 0);
    EXPECT_EQ(app.nextRecord, 0);
    EXPECT_EQ(paintSea(app, layers.overlay), -1);
    EXPECT_EQ(paintTerrain(app, terrainMap, layers.overlay), -1);
    setSurfaceLost(layers.overlay, false);
    ASSERT_EQ(paintRivers(app, borderTable, layers.overlay), 0);

    setSurfaceLost(layers.map, true);
    EXPECT_EQ(paintNations(app, borderTable, 1000, kFixtureGreyEdge, layers.map), -1);
    EXPECT_EQ(app.nextRecord, kFixtureGreyEdge);
    EXPECT_EQ(clearMapLayer(app, 170, layers.map), -1);
    setSurfaceLost(layers.map, false);

    // Damaged records: ENTRIES beyond the point area or negative, points at
    // the ends of the 16-bit range, colour and hatch out of range.
    BorderRecord& bad = borderTable[kFixtureLaterTwin];
    bad.ENTRIES = 30000;
    for (int p = 0; p < kBorderPoints; ++p) {
        bad.points[p][0] = static_cast<std::int16_t>(p % 2 ? 32767 : -32768);
        bad.points[p][1] = static_cast<std::int16_t>(p % 3 ? -32768 : 32767);
    }
    bad.COLOR = 999;
    bad.HATCH = 77;
    borderTable[kFixtureEarlierTwin].ENTRIES = -4;
    borderTable[kFixtureGreyEdge].COLOR = -3;
    borderTable[kFixtureGreyEdge].HATCH = -9;
    ASSERT_EQ(paintNations(app, borderTable, 1000, app.firstNationRecord, layers.map), 0);
    EXPECT_EQ(app.nextRecord, kFixtureEndMark);
    EXPECT_EQ(drawEditedRecord(app, borderTable, kFixtureLaterTwin, layers.map), 0);
    EXPECT_EQ(drawEditedRecord(app, borderTable, 5000, layers.map), 0);

    // A start index beyond the table paints nothing.
    ASSERT_EQ(paintNations(app, borderTable, 1000, 4000, layers.map), 0);
    EXPECT_EQ(app.nextRecord, kBorderPaintLimit);

    // A table without any end mark never paints slot 1097 or beyond.
    for (int i = app.firstNationRecord; i < kBorderSlots; ++i)
        borderTable[static_cast<std::size_t>(i)].STARTYR = 100;
    ASSERT_EQ(paintNations(app, borderTable, 1000, app.firstNationRecord, layers.map), 0);
    EXPECT_EQ(app.nextRecord, kBorderPaintLimit);
}

TEST(Renderer, EditedRecordMarks)
{
    ScratchFolder folder;
    Layers layers;
    AppState app = fixtureState(9);
    loadMapFixture(app, borderTable, terrainMap);
    BorderRecord& work = borderTable[kWorkRecordSlot];
    work = borderTable[kFixtureSolid];
    // Six points: green, green, white, white, red, red.
    work.points[4][0] = 1500;
    work.points[4][1] = work.points[0][1];
    work.points[5][0] = 500;
    work.points[5][1] = work.points[0][1];
    work.ENTRIES = 6;
    app.anchorPoint = 2;
    ASSERT_EQ(drawEditedRecord(app, borderTable, kWorkRecordSlot, layers.map), 0);
    auto pointAt = [&](int p) {
        return projectPoint(app, work.points[p][0], work.points[p][1]);
    };
    const int expected[6] = {144, 144, 210, 210, 204, 204};
    for (int p = 0; p < 6; ++p) {
        ScreenPoint s = pointAt(p);
        EXPECT_EQ(readPixel(layers.map, s.x + 1, s.y + 1), p == 2 ? px(100) : px(expected[p])) << p;
    }
    // The anchor's ring leaves the centre mark as it was.
    ScreenPoint anchor = pointAt(2);
    EXPECT_EQ(readPixel(layers.map, anchor.x, anchor.y), px(210));
    // The outline of the work record is colour 12, of others 175.
    ScreenPoint a = pointAt(1), b = pointAt(2);
    EXPECT_EQ(readPixel(layers.map, (a.x + b.x) / 2, a.y), px(12));
    ASSERT_EQ(drawEditedRecord(app, borderTable, kFixtureGreyEdge, layers.back), 0);
    EXPECT_GT(countPixels(layers.back, px(175)), 10);
}

// Golden images of whole rendered maps: a change in the renderer shows up
// here. VELTMAREN_UPDATE_GOLDEN=1 rewrites them after a deliberate change.
TEST(Renderer, GoldenMaps)
{
    struct Case {
        const char* name;
        int view;
        int year;
    };
    const Case cases[] = {{"fixture-view9-1000", 9, 1000},
                          {"fixture-view0--2000", 0, -2000},
                          {"fixture-view3-200", 3, 200}};
    bool update = std::getenv("VELTMAREN_UPDATE_GOLDEN") != nullptr;
    for (const Case& c : cases) {
        FixtureMap m(c.view, c.year);
        std::string path = std::string(VELTMAREN_SOURCE_DIR) + "/tests/golden/" + c.name + ".png";
        if (update) {
            ASSERT_TRUE(saveSurfacePng(m.layers.back, path.c_str()));
            continue;
        }
        DrawSurface* golden = loadSurfacePng(path.c_str());
        ASSERT_NE(golden, nullptr) << path;
        // Tolerance: a handful of pixels may differ by rasteriser rounding.
        EXPECT_LE(differingPixels(golden, m.layers.back), 200) << c.name;
        destroySurface(golden);
    }
}

} // namespace

namespace {

// veltmaren-atlas render draws through the same code: its PNG of the
// fixture is the golden image.
TEST(RenderTool, WritesTheComposedMap)
{
    ScratchFolder folder;
    writeMapFixture();
    std::string tool = std::string(VELTMAREN_BINARY_DIR) + "/veltmaren-atlas";
    ASSERT_EQ(std::system((tool + " render --view 9 --year 1000 --out map.png").c_str()), 0);
    DrawSurface* map = loadSurfacePng("map.png");
    std::string goldenPath = std::string(VELTMAREN_SOURCE_DIR) + "/tests/golden/fixture-view9-1000.png";
    DrawSurface* golden = loadSurfacePng(goldenPath.c_str());
    ASSERT_NE(map, nullptr);
    ASSERT_NE(golden, nullptr);
    EXPECT_EQ(differingPixels(golden, map), 0);
    // The menu band is the button table's, left as it was.
    const int mapTop = fixtureState(9).mapTop;
    for (int x = 0; x < 800; ++x) {
        EXPECT_EQ(readPixel(map, x, mapTop - 1), 0) << x;
        EXPECT_NE(readPixel(map, x, mapTop), 0) << x;
    }
    destroySurface(map);
    destroySurface(golden);

    // Bad arguments are refused without writing anything.
    for (const char* args : {" render --view 10 --year 1 --out x.png", " render --view 9 --year 1001 --out x.png",
                             " render --view 9 --year 1", " render --view 9 --year 1 --out"})
        EXPECT_NE(std::system((tool + args + " 2>/dev/null").c_str()), 0) << args;
    EXPECT_EQ(loadSurfacePng("x.png"), nullptr);
}

} // namespace
