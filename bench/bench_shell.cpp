// Costs of the shell on the headless display: start-up until the title
// screen is on show, and one animation step with the band and the status
// redrawn.
//
// Runs in a scratch folder holding a synthetic atlas of the real one's size
// (60 land outlines, 40 rivers, nation territories from 3000 BC to 1000 AD
// up to slot 1096, a relief raster with about two cells in five set),
// written as borders.dat and terrain.dat so that start-up reads real files.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "map/border_table.h"
#include "map/projection.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/app_state.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"

namespace {

AppState app;

std::uint32_t seed = 2024;
int randomBelow(int n)
{
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
}

void ring(BorderRecord& record, int points, int lon, int lat, int radius)
{
    for (int p = 0; p < points; ++p) {
        double angle = 2 * M_PI * p / points;
        double r = radius * (0.75 + randomBelow(50) / 100.0);
        int x = lon + static_cast<int>(std::cos(angle) * r);
        int y = lat + static_cast<int>(std::sin(angle) * r);
        if (y > 7000) y = 7000;
        if (y < -3000) y = -3000;
        record.points[p][0] = static_cast<std::int16_t>(x);
        record.points[p][1] = static_cast<std::int16_t>(mercator(y));
    }
    record.ENTRIES = static_cast<std::int16_t>(points);
}

// Writes the synthetic atlas into a fresh folder and enters it.
void enterSyntheticAtlas()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    char folder[] = "/tmp/veltmaren-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0)
        std::abort();
    BorderTable& table = borderTable;
    table = BorderTable{};
    int slot = 0;
    for (int i = 0; i < 60; ++i, ++slot) {
        ring(table[slot], 249, -1000 + randomBelow(13000), -2000 + randomBelow(8000),
             300 + randomBelow(1500));
        table[slot].STARTYR = -30000;
    }
    for (int i = 0; i < 40; ++i, ++slot) {
        ring(table[slot], 60, randomBelow(12000), randomBelow(5000), 200);
        table[slot].STARTYR = -5000;
    }
    const int nations = 1096 - slot;
    for (int i = 0; i < nations; ++i, ++slot) {
        ring(table[slot], 20 + randomBelow(200), randomBelow(12000), randomBelow(5000),
             100 + randomBelow(800));
        table[slot].STARTYR = static_cast<std::int16_t>(-3000 + i * 4000 / nations);
        table[slot].ACTION = 0;
        table[slot].HATCH = randomBelow(4) == 0 ? 3 : 10;
        table[slot].COLOR = static_cast<std::int16_t>(randomBelow(200));
    }
    table[slot].STARTYR = 4000;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(slot + 1) * kBorderRecordBytes);
    for (int i = 0; i <= slot; ++i)
        encodeBorderRecord(table[i], bytes.data() + static_cast<std::size_t>(i) * kBorderRecordBytes);
    std::FILE* borders = std::fopen("borders.dat", "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), borders);
    std::fclose(borders);
    std::vector<std::uint8_t> relief(static_cast<std::size_t>(kTerrainRows) * kTerrainColumns);
    for (auto& cell : relief)
        cell = randomBelow(5) < 2 ? static_cast<std::uint8_t>(90 + randomBelow(80)) : 0;
    std::FILE* terrain = std::fopen("terrain.dat", "wb");
    std::fwrite(relief.data(), 1, relief.size(), terrain);
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
