// Costs of the histories: loading and wrapping a history that fills the
// line store, and one frame of a period animation with its heading, place
// markers and text strip.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/synthetic_atlas.h"
#include "content/history_loader.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"

namespace {

AppState app;

// A history of 20 places and 100 periods, each with paragraphs that wrap
// to 12 lines: 1,200 lines in all at the Standard level.
void writeFullHistory()
{
    std::filesystem::create_directory("text");
    std::ofstream out("text/EGYPT.txt");
    out << "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n";
    for (int p = 1; p <= 20; ++p)
        out << p << ";-3000;-3000;1;" << (p % 4) * 3 << ";" << 2500 + 30 * p << ";"
            << 2700 + 20 * p << ";" << 1 + p % 3 << ";0;0;-;*;Place " << p << ";\n";
    for (int i = 0; i < 100; ++i)
        out << 21 + i << ";" << -2960 + 30 * i << ";" << -2990 + 30 * i << ";40;"
            << -2975 + 30 * i << ";0;" << 1 + i % 20 << ";" << (1 + i % 19) * 100 + 2 + i % 18
            << ";0;0;-;*;Period " << i << ";\n";
    out << "##\n";
    const std::string sentence = "The farmers of the valley sowed wheat and barley in the black "
                                 "mud the river left. <The scribes counted the harvest.> ";
    for (int i = 0; i < 100; ++i) {
        out << "#" << -2960 + 30 * i << ";40;\nPeriod " << i << "\n";
        for (int paragraph = 0; paragraph < 2; ++paragraph)
            out << sentence << sentence << sentence << "\n";
    }
    out << "##\n";
}

void BM_LoadAndWrapHistory(benchmark::State& state)
{
    enterSyntheticAtlasFolder();
    writeFullHistory();
    AppState loading{};
    setDefaults(loading);
    loading.mapTop = 58;
    DrawSurface* surface = createSurface(800, 600);
    for (auto _ : state) {
        history(loading, historyTable, periodIndex, lineStore, "EGYPT", surface);
        benchmark::DoNotOptimize(lineStore[0][0]);
    }
    int lines = 0;
    for (int r = 0; r < loading.historyRecordCount; ++r)
        lines += historyTable[static_cast<std::size_t>(r)].lineCount;
    state.counters["lines"] = lines;
    destroySurface(surface);
}
BENCHMARK(BM_LoadAndWrapHistory)->Unit(benchmark::kMillisecond);

// One step of a period of Egypt's history being played: the nations of the
// new years, composition, labels and the period's place markers, the band,
// the heading, the strip, the span and the year box, a flip.
void BM_PeriodAnimationFrame(benchmark::State& state)
{
    enterSyntheticAtlasFolder();
    writeFullHistory();
    useVirtualClock(0);
    if (!startAtlas(app, buttonTable, DisplayBackend::headless))
        state.SkipWithError("no display");
    frameStep(app, buttonTable, historyHeadingText);
    app.animationId = 11; // Egypt
    app.year = -1000;
    app.command = kCommandOpenPeriods;
    controller(app, buttonTable);
    app.command = kCommandShowHistoryMap;
    controller(app, buttonTable);
    // The first step paints every nation up to the year; the steps after it
    // only the records of the years they add.
    animationStep(app, buttonTable, historyHeadingText);
    const int start = app.year, painted = app.nextRecord;
    for (auto _ : state) {
        app.year = start;
        app.nextRecord = painted;
        app.playing = 1;
        animationStep(app, buttonTable, historyHeadingText);
        benchmark::DoNotOptimize(app.year);
    }
    releaseDisplay();
}
BENCHMARK(BM_PeriodAnimationFrame)->Unit(benchmark::kMicrosecond);

} // namespace
