// Costs of the shell on the headless display: start-up until the title
// screen is on show, and one animation step with the band and the status
// redrawn.
//
// Runs in a scratch folder holding the benchmarks' synthetic atlas.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "bench/synthetic_atlas.h"
#include "core/app_state.h"
#include "map/border_table.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"

namespace {

AppState app;

// Writes the synthetic atlas into a fresh folder as borders.dat and
// terrain.dat, so that start-up reads real files, and enters the folder.
void enterSyntheticAtlas()
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

// Start-up as the program does it, headless, up to the title screen drawn
// into both buffers by the first frame.
void BM_StartUpToTitle(benchmark::State& state)
{
    enterSyntheticAtlas();
    for (auto _ : state) {
        if (!startAtlas(app, buttonTable, DisplayBackend::headless))
            state.SkipWithError("no display");
        frameStep(app, buttonTable, historyHeadingText);
        benchmark::DoNotOptimize(app.year);
        state.PauseTiming();
        releaseDisplay();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToTitle)->Unit(benchmark::kMillisecond);

// One step of the whole-map animation around year 0: the nations of the
// new years, composition, the band, the status and the year box, a flip.
void BM_AnimationStep(benchmark::State& state)
{
    enterSyntheticAtlas();
    if (!startAtlas(app, buttonTable, DisplayBackend::headless))
        state.SkipWithError("no display");
    frameStep(app, buttonTable, historyHeadingText);
    app.year = 0;
    app.command = kCommandShowMap;
    controller(app, buttonTable);
    app.command = kCommandRun;
    controller(app, buttonTable);
    const int painted = app.nextRecord;
    for (auto _ : state) {
        app.year = 2;
        app.nextRecord = painted;
        animationStep(app, buttonTable, historyHeadingText);
        benchmark::DoNotOptimize(app.year);
    }
    releaseDisplay();
}
BENCHMARK(BM_AnimationStep)->Unit(benchmark::kMicrosecond);

} // namespace
