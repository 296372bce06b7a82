// The benchmarks' synthetic atlas.
#include "bench/synthetic_atlas.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "map/border_table.h"
#include "map/projection.h"
#include "map/terrain.h"

namespace {

// A small deterministic generator, so that every run draws the same map.
std::uint32_t seed = 12345;
int randomBelow(int n)
{
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
}

// A wavy ring of `points` points around (lon, lat), radii in 1/100 degree:
// an outline that winds like a coast, with a little jitter per point.
void ring(BorderRecord& record, int points, int lon, int lat, int radiusLon, int radiusLat)
{
    double phase1 = randomBelow(628) / 100.0, phase2 = randomBelow(628) / 100.0;
    for (int p = 0; p < points; ++p) {
        double angle = 2 * M_PI * p / points;
        double wobble = 1 + 0.2 * std::sin(3 * angle + phase1) + 0.1 * std::sin(7 * angle + phase2) +
                        (randomBelow(5) - 2) / 100.0;
        int x = lon + static_cast<int>(std::cos(angle) * radiusLon * wobble);
        int y = lat + static_cast<int>(std::sin(angle) * radiusLat * wobble);
        record.points[p][0] = static_cast<std::int16_t>(x);
        record.points[p][1] = static_cast<std::int16_t>(mercator(std::clamp(y, -8000, 8000)));
    }
    record.ENTRIES = static_cast<std::int16_t>(points);
}

} // namespace

void makeSyntheticAtlas()
{
    borderTable = BorderTable{};
    int slot = 0;
    for (int i = 0; i < 60; ++i, ++slot) {
        ring(borderTable[slot], 249, -1000 + randomBelow(13000), -2500 + randomBelow(8000),
             300 + randomBelow(2000), 300 + randomBelow(1500));
        borderTable[slot].STARTYR = -30000;
    }
    for (int i = 0; i < 40; ++i, ++slot) {
        BorderRecord& river = borderTable[slot];
        int lon = randomBelow(12000), lat = randomBelow(5000);
        for (int p = 0; p < 120; ++p) {
            lon += randomBelow(60) - 20;
            lat += randomBelow(60) - 30;
            river.points[p][0] = static_cast<std::int16_t>(lon);
            river.points[p][1] = static_cast<std::int16_t>(mercator(lat));
        }
        river.ENTRIES = 120;
        river.STARTYR = -5000;
    }
    int nations = kBorderPaintLimit - 1 - slot;
    for (int i = 0; i < nations; ++i, ++slot) {
        BorderRecord& nation = borderTable[slot];
        ring(nation, 50 + randomBelow(200), -1000 + randomBelow(13000), -2500 + randomBelow(8000),
             200 + randomBelow(1200), 200 + randomBelow(800));
        nation.STARTYR = static_cast<std::int16_t>(-3000 + 4000 * i / nations);
        nation.ACTION = static_cast<std::int16_t>(i % 17 == 0 ? 104 : (i % 5 == 0 ? 103 : 0));
        nation.HATCH = static_cast<std::int16_t>(i % 7 == 0 ? i % 6 : 10);
        nation.COLOR = static_cast<std::int16_t>(randomBelow(216));
    }
    borderTable[slot].STARTYR = 4000;
    // Relief in broad ranges and basins, as a real raster has it: smooth
    // waves, none where they dip below zero.
    for (int r = 0; r < kTerrainRows; ++r)
        for (int c = 0; c < kTerrainColumns; ++c) {
            double wave = std::sin(r * 0.031) * std::cos(c * 0.017) + 0.5 * std::sin(c * 0.07 + r * 0.05);
            terrainMap[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                wave > 0.3 ? static_cast<std::uint8_t>(60 + 100 * wave) : 0;
        }
}


void enterSyntheticAtlasFolder()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    char folder[] = "/tmp/veltmaren-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0)
        std::abort();
    makeSyntheticAtlas();
    int end = firstRecordAbove(borderTable, 0, kNationMaxYear);
    if (writeBorders("borders.dat", borderTable, end + 1) != end + 1)
        std::abort();
    std::FILE* terrain = std::fopen("terrain.dat", "wb");
    if (terrain == nullptr)
        std::abort();
    std::fwrite(terrainMap.data(), 1, sizeof terrainMap, terrain);
    std::fclose(terrain);
}
