// Costs of drawing the map on the headless display.
//
// Uses the real atlas data when borders.dat lies in the folder the benchmark
// runs in, or in its data/ folder (make bench runs it from the top of the
// source tree); otherwise a synthetic atlas of the real one's size:
// 60 land outlines and 40 rivers of up to 249 points, the rest of the 1097
// slots nation territories from 3000 BC to 1000 AD, and a relief raster
// with relief in smooth ranges over about a third of its cells.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/synthetic_atlas.h"
#include "core/app_state.h"
#include "map/border_table.h"
#include "map/draw.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/animation_export.h"
#include "shell/buttons.h"

namespace {

AppState app;

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
    auto present = [](const char* path) {
        std::FILE* probe = std::fopen(path, "rb");
        if (probe != nullptr)
            std::fclose(probe);
        return probe != nullptr;
    };
    if (!present("borders.dat") && present("data/borders.dat") && chdir("data") != 0)
        std::abort();
    if (present("borders.dat")) {
        loadBorders(app, borderTable);
        (void)loadTerrain(app, terrainMap);
    } else {
        makeSyntheticAtlas();
    }
}

void showView(int view)
{
    app.animationId = view;
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
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

// The whole range at 10 years a step as an animated GIF with the names, as
// veltmaren-atlas animate writes it: 401 frames.
void BM_ExportWholeRangeGif(benchmark::State& state)
{
    prepare();
    buildButtonTable(app, buttonTable);
    char path[] = "/tmp/veltmaren-bench-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0)
        std::abort();
    close(fd);
    int frames = 0;
    for (auto _ : state)
        frames = exportAnimation(app, {9, -3000, 1000, 10, 400, true, path});
    std::remove(path);
    if (frames != 401)
        state.SkipWithError("export failed");
    state.counters["frames_per_second"] =
        benchmark::Counter(frames, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ExportWholeRangeGif)->Unit(benchmark::kMillisecond);
