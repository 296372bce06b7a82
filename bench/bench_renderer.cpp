// Costs of drawing the map on the headless display.
//
// Uses data/borders.dat and data/terrain.dat when the benchmark runs in a
// folder that holds them; otherwise a synthetic atlas of the real one's size:
// 60 land outlines and 40 rivers of up to 249 points, the rest of the 1097
// slots nation territories from 3000 BC to 1000 AD, and a relief raster
// with relief in smooth ranges over about a third of its cells.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "map/border_table.h"
#include "map/draw.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/app_state.h"

namespace {

AppState app;

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

// Sets up the headless display and the data once for all benchmarks.
void prepare()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    useVirtualClock(0);
    setDefaults(app);
    setFontSizes(app);
    app.mapTop = 58;
    if (!createMainWindow(DisplayBackend::headless, "Veltmaren") || !setupDisplay(800, 600))
        std::abort();
    std::FILE* probe = std::fopen("borders.dat", "rb");
    if (probe != nullptr) {
        std::fclose(probe);
        loadBorders(app, borderTable);
        (void)loadTerrain(app, terrainMap);
    } else {
        makeSyntheticAtlas();
    }
}

void showView(int view)
{
    app.animationId = view;
    rebuildBaseMap(app, borderTable, terrainMap, overlayLayer, mapLayer);
}

void BM_RebuildBaseMap(benchmark::State& state)
{
    prepare();
    for (auto _ : state)
        showView(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_RebuildBaseMap)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

void BM_PaintAllNationsTo1000(benchmark::State& state)
{
    prepare();
    showView(9);
    for (auto _ : state)
        paintNations(app, borderTable, 1000, app.firstNationRecord, mapLayer);
}
BENCHMARK(BM_PaintAllNationsTo1000)->Unit(benchmark::kMillisecond);

// What a change of view costs: the base map, every nation to year 1000 and
// the composition.
void BM_RebuildAndRepaintTo1000(benchmark::State& state)
{
    prepare();
    for (auto _ : state) {
        showView(9);
        paintNations(app, borderTable, 1000, app.firstNationRecord, mapLayer);
        composeMap(app, backBuffer, overlayLayer, mapLayer);
    }
}
BENCHMARK(BM_RebuildAndRepaintTo1000)->Unit(benchmark::kMillisecond);

// One animation step of 10 years and its composition, averaged over the
// whole span from 3000 BC to 1000 AD.
void BM_AnimationStepAndCompose(benchmark::State& state)
{
    prepare();
    showView(9);
    int year = -3000;
    paintNations(app, borderTable, year, app.firstNationRecord, mapLayer);
    for (auto _ : state) {
        year += 10;
        if (year > 1000) {
            state.PauseTiming();
            year = -3000;
            paintNations(app, borderTable, year, app.firstNationRecord, mapLayer);
            state.ResumeTiming();
        }
        paintNations(app, borderTable, year, app.nextRecord, mapLayer);
        composeMap(app, backBuffer, overlayLayer, mapLayer);
    }
}
BENCHMARK(BM_AnimationStepAndCompose)->Unit(benchmark::kMicrosecond);

void BM_ComposeMap(benchmark::State& state)
{
    prepare();
    showView(9);
    paintNations(app, borderTable, 1000, app.firstNationRecord, mapLayer);
    for (auto _ : state)
        composeMap(app, backBuffer, overlayLayer, mapLayer);
}
BENCHMARK(BM_ComposeMap)->Unit(benchmark::kMicrosecond);

// Outlined text, as the map labels draw their names: nine text draws.
void BM_OutlinedText(benchmark::State& state)
{
    prepare();
    for (auto _ : state)
        textOut(app, "Carthage", 300, 300, app.fontSize2, 8, 210, 2, backBuffer);
}
BENCHMARK(BM_OutlinedText)->Unit(benchmark::kMicrosecond);

void BM_FlipHeadless(benchmark::State& state)
{
    prepare();
    for (auto _ : state)
        benchmark::DoNotOptimize(flip());
}
BENCHMARK(BM_FlipHeadless)->Unit(benchmark::kMicrosecond);

// A flip through the window code: the RGB565 upload, the scaling and the
// presentation, on SDL's dummy video driver with its software renderer (no
// screen, no vertical sync).
void BM_FlipWindow(benchmark::State& state)
{
    prepare();
    releaseDisplay();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (!createMainWindow(DisplayBackend::window, "Veltmaren") || !setupDisplay(800, 600)) {
        state.SkipWithError("no SDL window on the dummy driver");
        return;
    }
    showView(9);
    paintNations(app, borderTable, 1000, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    for (auto _ : state)
        benchmark::DoNotOptimize(flip());
    releaseDisplay();
    (void)createMainWindow(DisplayBackend::headless, "Veltmaren");
    (void)setupDisplay(800, 600);
}
BENCHMARK(BM_FlipWindow)->Unit(benchmark::kMicrosecond);

} // namespace
