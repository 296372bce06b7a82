// The renderer tests' small atlas.
#include "tests/map_fixture.h"

#include <algorithm>
#include <cmath>

#include "core/app_state.h"
#include "map/palette.h"
#include "map/projection.h"
#include "shell/buttons.h"
#include "tests/test_support.h"

namespace {

struct Place {
    int lon; // hundredths of a degree
    int lat;
};

BorderRecord makeRecord(std::initializer_list<Place> places, int startYear, int action, int hatch,
                        int color)
{
    BorderRecord record{};
    int n = 0;
    for (const Place& p : places) {
        record.points[n][0] = static_cast<std::int16_t>(p.lon);
        record.points[n][1] = static_cast<std::int16_t>(mercator(p.lat));
        ++n;
    }
    record.ENTRIES = static_cast<std::int16_t>(n);
    record.STARTYR = static_cast<std::int16_t>(startYear);
    record.ENDYR = static_cast<std::int16_t>(startYear + 100);
    record.ACTION = static_cast<std::int16_t>(action);
    record.HATCH = static_cast<std::int16_t>(hatch);
    record.COLOR = static_cast<std::int16_t>(color);
    computeBounds(record);
    return record;
}

BorderRecord box(int west, int south, int east, int north, int startYear, int action, int hatch,
                 int color)
{
    return makeRecord({{west, south}, {west, north}, {east, north}, {east, south}}, startYear,
                      action, hatch, color);
}

int terrainRow(int lat)
{
    return (5000 - lat) * 12 / 100;
}

int terrainColumn(int lon)
{
    return (lon + 1000) * 12 / 100;
}

} // namespace

std::vector<std::uint8_t> fixtureBorderBytes()
{
    const BorderRecord records[] = {
        box(0, 0, 4000, 4000, -30000, 0, 10, 0),
        box(8000, 1000, 9000, 2000, -30000, 0, 10, 0),
        box(5000, 5000, 6000, 5500, -20000, 0, 10, 0),
        makeRecord({{1000, 3500}, {2000, 2000}, {3000, 500}}, -10000, 0, 10, 0),
        box(-500, 500, 2000, 4500, -3000, 0, 10, 4),
        box(500, 1000, 1800, 2000, -2000, 0, 3, 206),
        box(2500, 2500, 3500, 3500, -1000, 103, 10, 144),
        box(1000, 3000, 1500, 3800, -500, 104, 10, 73),
        box(2500, 500, 3800, 1500, 200, 0, 10, 12),
        box(3000, 800, 3800, 2000, 200, 0, 10, 175),
        box(0, 0, 0, 0, 4000, 0, 10, 0),
    };
    std::vector<std::uint8_t> bytes(sizeof records);
    for (std::size_t i = 0; i < std::size(records); ++i)
        encodeBorderRecord(records[i], bytes.data() + i * kBorderRecordBytes);
    return bytes;
}

std::vector<std::uint8_t> fixtureTerrainBytes()
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kTerrainRows) * kTerrainColumns, 0);
    for (int r = terrainRow(2500); r < terrainRow(2000); ++r) {
        for (int c = terrainColumn(500); c < terrainColumn(1000); ++c)
            bytes[static_cast<std::size_t>(r) * kTerrainColumns + c] = kFixtureReliefLevel;
        for (int c = terrainColumn(1200); c < terrainColumn(1700); ++c)
            bytes[static_cast<std::size_t>(r) * kTerrainColumns + c] =
                static_cast<std::uint8_t>(c % 4 < 2 ? kFixtureReliefLevel : kFixtureReliefLevel + 20);
    }
    return bytes;
}

void writeMapFixture()
{
    writeFileBytes("borders.dat", fixtureBorderBytes());
    writeFileBytes("terrain.dat", fixtureTerrainBytes());
}

void loadMapFixture(AppState& app, BorderTable& borders, TerrainMap& terrain)
{
    borders = BorderTable{};
    terrain = TerrainMap{};
    writeMapFixture();
    loadBorders(app, borders);
    (void)loadTerrain(app, terrain);
}

ScreenPoint fixturePixel(const AppState& app, double lonDegrees, double latDegrees)
{
    return projectPoint(app, static_cast<int>(std::lround(lonDegrees * 100)),
                        mercator(static_cast<int>(std::lround(latDegrees * 100))));
}

AppState fixtureState(int animationId)
{
    AppState app{};
    setDefaults(app);
    setFontSizes(app);
    ButtonTable buttons{};
    buildButtonTable(app, buttons); // sets mapTop
    app.animationId = animationId;
    selectView(app, nullptr);
    return app;
}

std::uint16_t px(int colorIndex)
{
    return rgbTo565(paletteColor(colorIndex));
}

int countPixels(const DrawSurface* s, std::uint16_t value, int left, int top, int right,
                int bottom)
{
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, surfaceHeight(s)); ++y)
        for (int x = std::max(left, 0); x < std::min(right, surfaceWidth(s)); ++x)
            count += readPixel(s, x, y) == value;
    return count;
}

int differingPixels(const DrawSurface* a, const DrawSurface* b, int top)
{
    int count = 0;
    for (int y = top; y < surfaceHeight(a); ++y)
        for (int x = 0; x < surfaceWidth(a); ++x)
            count += readPixel(a, x, y) != readPixel(b, x, y);
    return count;
}
