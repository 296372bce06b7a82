// The controller and the frame driver on the headless display: a loaded
// history stepped with Next and Prior, a period played to its last step, and
// the redraw after a display loss.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/app_state.h"
#include "core/history_table.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "tests/test_support.h"

namespace {

// The atlas started headless in an empty folder, with no history loaded.
struct Atlas : ::testing::Test {
    ScratchFolder folder;
    AppState app{};
    void SetUp() override
    {
        useVirtualClock(0); // the missing data's messages pause on it
        ASSERT_TRUE(startAtlas(app, buttonTable, DisplayBackend::headless));
        frameStep(app, buttonTable, historyHeadingText);
        historyTable = {};
        periodIndex.fill({-3010, 0});
    }
    void TearDown() override
    {
        historyTable = {};
        periodIndex = {};
        releaseDisplay();
    }
    // Carries out one command; returns the milliseconds it paused.
    int run(int command)
    {
        const std::uint32_t before = currentMilliseconds();
        app.command = command;
        controller(app, buttonTable);
        return static_cast<int>(currentMilliseconds() - before);
    }
};

} // namespace

TEST_F(Atlas, HistoryNextPagesTextAndPriorRepeatsOnce)
{
    // Three periods from 500 BC; the middle one has 25 lines of text.
    const int firstLine[] = {0, 5, 30}, lineCount[] = {5, 25, 5};
    for (int i = 0; i < 3; ++i) {
        HistoryRecord& r = historyTable[static_cast<std::size_t>(i + 1)];
        r = {.endYear = static_cast<std::int16_t>(-401 + 100 * i),
             .startYear = static_cast<std::int16_t>(-500 + 100 * i),
             .kind = 40,
             .firstLine = static_cast<std::int16_t>(firstLine[i]),
             .lineCount = static_cast<std::int16_t>(lineCount[i])};
        periodIndex[static_cast<std::size_t>(i)] = {i + 1, r.endYear};
    }
    app.historyRecordCount = 4;
    app.lastPeriod = 2;
    app.listIndex = 0;
    app.screenMode = kHistoryMap;

    EXPECT_EQ(run(7), 0);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.selectedRecord, 2);
    EXPECT_EQ(app.year, -400);
    EXPECT_EQ(app.firstShownLine, 5);
    // More text than the strip shows: Next pages ten lines on first.
    app.moreText = 1;
    run(7);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.firstShownLine, 15);
    EXPECT_EQ(app.moreText, 1) << "lines 25..29 are still to come";
    run(7);
    EXPECT_EQ(app.firstShownLine, 25);
    EXPECT_EQ(app.moreText, 0) << "the strip shows the record's last lines";
    run(7);
    EXPECT_EQ(app.listIndex, 2);
    EXPECT_EQ(run(7), 600) << "at the last period the End sign shows";
    EXPECT_EQ(app.listIndex, 2);

    // The first Prior after Next shows the same period, every further one
    // goes one back; at the first the End sign shows.
    run(8);
    EXPECT_EQ(app.listIndex, 2);
    run(8);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.year, -400);
    run(8);
    EXPECT_EQ(run(8), 600);
    EXPECT_EQ(app.listIndex, 0);
    EXPECT_EQ(app.year, -500);

    // The nation's history page has no Next and Prior.
    app.screenMode = kNationHistory;
    run(7);
    EXPECT_EQ(app.listIndex, 0);

    // A section of the information text shows on its own page: the map's
    // year and the player are left alone.
    app.year = 123;
    app.listIndex = 2;
    const int playing = app.playing;
    run(32);
    EXPECT_EQ(app.screenMode, kInfoText);
    EXPECT_EQ(app.year, 123);
    EXPECT_EQ(app.playing, playing);
}

TEST_F(Atlas, PeriodAnimationStopsOneStepBeforeTheEndYear)
{
    app.historyRecordCount = 2;
    app.selectedRecord = 1;
    periodIndex[0] = {1, 0}; // the period is the list's one entry
    app.listIndex = 0;
    app.lastPeriod = 0;
    app.animationId = 11;
    app.screenMode = kHistoryMap;
    const struct {
        int endYear, step, year;
        int shown[3]; // the years after each step
    } periods[] = {
        {250, 50, 120, {150, 200, 200}},
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
}

TEST_F(Atlas, DisplayLossRedrawsTheScreenThatShowed)
{
    app.year = 120;
    run(2); // Run
    ASSERT_EQ(app.playing, 1);
    setSurfaceLost(primarySurface, true);
    frameStep(app, buttonTable, historyHeadingText);
    EXPECT_EQ(app.playing, 0) << "the animation stops after a display loss";
    EXPECT_EQ(app.screenMode, kRegionMap);
    EXPECT_EQ(app.previousScreenMode, kRedrawScreen) << "left through the passing redraw state";
    EXPECT_EQ(app.command, 24);
    EXPECT_EQ(app.year, 120);
    EXPECT_FALSE(displayLost());
}

TEST_F(Atlas, PeriodPagePlaysAPeriodToItsEndAndFollowsTheTextLevel)
{
    std::filesystem::create_directory("text");
    std::ofstream("text/EGYPT.txt")
        << "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n"
           "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
           "2;-2686;-3000;40;-2900;0;1;0;0;0;-;*;The first kings;\n"
           "3;-2667;-2686;40;-2680;0;1;0;0;0;-;*;Nineteen years;\n"
           "##\n#-2686;40;\nOne kingdom\nEgypt became one kingdom. <Narmer may have joined "
           "the two lands of the river, the south and the north, in one long war.>\n"
           "#-2667;40;\nShort\nA short time.\n##\n";
    app.animationId = 11; // Egypt
    app.year = -3000;
    run(kCommandOpenPeriods);
    ASSERT_EQ(app.screenMode, kPeriodPage);
    ASSERT_EQ(app.lastPeriod, 1);
    const int standardLines = historyTable[2].lineCount;

    // Young Reader on the page's foot: the page is loaded again at that level.
    handleInput(app, buttonTable, kEventClick, 0, 600, 540);
    EXPECT_EQ(app.textLevel, 101);
    EXPECT_LT(historyTable[2].lineCount, standardLines);

    // The first period, 314 years: played in steps of 50 up to the last
    // step before its end.
    handleInput(app, buttonTable, kEventClick, 0, 200, 135);
    EXPECT_EQ(app.screenMode, kHistoryMap);
    EXPECT_EQ(app.selectedRecord, 2);
    EXPECT_EQ(app.historyYearStep, 50);
    EXPECT_EQ(app.playing, 1);
    for (int i = 0; i < 20 && app.playing == 1; ++i) {
        advanceVirtualClock(400);
        frameStep(app, buttonTable, historyHeadingText);
    }
    EXPECT_EQ(app.playing, 0);
    EXPECT_EQ(app.year, -2700) << "(trunc(-2686 / 50) - 1) x 50";
    EXPECT_STREQ(historyHeadingText, "3000 / 2686");

    // Next: the nineteen years of the second period go in steps of 2.
    run(7);
    EXPECT_EQ(app.listIndex, 1);
    EXPECT_EQ(app.year, -2686);
    EXPECT_EQ(app.historyYearStep, 2);
    EXPECT_EQ(app.playing, 1);
}
