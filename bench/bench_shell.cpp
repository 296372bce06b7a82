// Costs of the shell on the headless display: start-up until the title
// screen is on show, and one animation step with the band and the status
// redrawn.
//
// Runs in a scratch folder holding the benchmarks' synthetic atlas.
#include <benchmark/benchmark.h>

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

// Start-up as the program does it, headless, up to the title screen drawn
// into both buffers by the first frame.
void BM_StartUpToTitle(benchmark::State& state)
{
    enterSyntheticAtlasFolder();
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
    enterSyntheticAtlasFolder();
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
