// A loaded history on the map: the controller steps through it with Next
// and Prior, and the frame driver plays a period up to its last step.
#include <gtest/gtest.h>

#include "content/history_table.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/app_state.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"
#include "tests/test_support.h"

namespace {

// Carries out one command; returns the milliseconds it paused.
int run(AppState& app, int command)
{
    const std::uint32_t before = currentMilliseconds();
    app.command = command;
    controller(app, buttonTable);
    return static_cast<int>(currentMilliseconds() - before);
}

} // namespace

TEST(Controller, HistoryNextPagesTextAndPriorRepeatsOnce)
{
    ScratchFolder folder;
    useVirtualClock(0);
    AppState app{};
    ASSERT_TRUE(startAtlas(app, buttonTable, DisplayBackend::headless));
    // Three periods; the middle one has 25 lines of text.
    historyTable = {};
    for (PeriodEntry& e : periodIndex)
        e = {-3010, 0};
    const int firstLine[] = {0, 5, 30}, lineCount[] = {5, 25, 5};
    for (int i = 0; i < 3; ++i) {
        HistoryRecord& r = historyTable[static_cast<std::size_t>(i + 1)];
        r.kind = 40;
        r.startYear = static_cast<std::int16_t>(-500 + 100 * i);
        r.endYear = static_cast<std::int16_t>(-401 + 100 * i);
        r.firstLine = static_cast<std::int16_t>(firstLine[i]);
        r.lineCount = static_cast<std::int16_t>(lineCount[i]);
        periodIndex[static_cast<std::size_t>(i)] = {i + 1, r.endYear};
    }
    app.historyRecordCount = 4;
    app.lastPeriod = 2;
    app.listIndex = 0;
    app.screenMode = kHistoryMap;

    EXPECT_EQ(run(app, 7), 0);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.selectedRecord, 2);
    EXPECT_EQ(app.year, -400);
    EXPECT_EQ(app.firstShownLine, 5);
    // More text than the strip shows: Next pages ten lines on first.
    app.moreText = 1;
    run(app, 7);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.firstShownLine, 15);
    EXPECT_EQ(app.moreText, 0) << "lines 25..34 are past the record's end (30)";
    run(app, 7);
    EXPECT_EQ(app.listIndex, 2);
    EXPECT_EQ(run(app, 7), 600) << "at the last period the End sign shows";
    EXPECT_EQ(app.listIndex, 2);

    // The first Prior after Next shows the same period, every further one
    // goes one back; at the first the End sign shows.
    run(app, 8);
    EXPECT_EQ(app.listIndex, 2);
    EXPECT_EQ(app.historyStep, 23);
    run(app, 8);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.year, -400);
    run(app, 8);
    EXPECT_EQ(app.listIndex, 0);
    EXPECT_EQ(run(app, 8), 600);
    EXPECT_EQ(app.listIndex, 0);
    EXPECT_EQ(app.year, -500);

    // The nation's history page has no Next and Prior.
    app.screenMode = kNationHistory;
    run(app, 7);
    EXPECT_EQ(app.listIndex, 0);

    // A section of the information text shows on its own page: the map's
    // year and the player are left alone.
    app.year = 123;
    app.listIndex = 2;
    run(app, 32);
    EXPECT_EQ(app.screenMode, kInfoText);
    EXPECT_EQ(app.year, 123);
    EXPECT_EQ(app.playing, 0);

    historyTable = {};
    periodIndex = {};
    releaseDisplay();
}

TEST(FrameDriver, PeriodAnimationStopsOneStepBeforeTheEndYear)
{
    ScratchFolder folder;
    useVirtualClock(0);
    AppState app{};
    ASSERT_TRUE(startAtlas(app, buttonTable, DisplayBackend::headless));
    historyTable = {};
    app.historyRecordCount = 2;
    app.selectedRecord = 1;
    app.animationId = 11;
    app.screenMode = kHistoryMap;
    // (end year, step, start year, years shown step by step)
    const struct {
        int endYear, step, year;
        int shown[3];
    } periods[] = {
        {250, 50, 120, {150, 200, 200}},        // the last year shown is 200
        {-2550, 100, -2800, {-2700, -2600, -2600}}, // truncated toward zero
    };
    for (const auto& p : periods) {
        historyTable[1].endYear = static_cast<std::int16_t>(p.endYear);
        app.historyYearStep = p.step;
        app.year = p.year;
        app.playing = 1;
        for (int shown : p.shown) {
            animationStep(app, buttonTable, historyHeadingText);
            EXPECT_EQ(app.year, shown) << "end " << p.endYear;
        }
        EXPECT_EQ(app.playing, 0) << "end " << p.endYear;
        EXPECT_EQ(app.historyEndYear, p.shown[2]);
    }
    historyTable = {};
    releaseDisplay();
}
