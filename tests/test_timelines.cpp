// The year screen: the arithmetic of both timelines where it turns, and the
// screen itself driven by replay scripts, checked by state and pixels.
#include <gtest/gtest.h>

#include <string>

#include "core/app_state.h"
#include "map/timelines.h"
#include "platform/surface.h"
#include "tests/test_support.h"

namespace {

// At 800 x 600 the century scale starts at x 42 with 13 pixels a century,
// the year scale at x 30 with 7 pixels a year; its base line is at y 274.
constexpr int kCenturyLeft = 42, kCenturyStep = 13;
constexpr int kYearLeft = 30, kYearStep = 7, kYearLine = 274;

struct Timelines : ::testing::Test {
    AppState app{};
    TimelineRows rows{};
    void SetUp() override
    {
        setDefaults(app);
        app.mapTop = 58;
        rows = timelineRows(app);
    }
    // A click in the middle of century segment k (or at x when given).
    int century(int k, int year, int shown, int x = -1)
    {
        app.year = year;
        app.timelineShown = shown;
        app.command = 0;
        app.mouseX = x >= 0 ? x : kCenturyLeft + k * kCenturyStep + kCenturyStep / 2;
        centuryTimeline(app, rows, 3, nullptr);
        EXPECT_EQ(app.timelineShown, 0);
        EXPECT_EQ(app.command, 24) << "a century pick shows the map";
        return app.year;
    }
    int yearPick(int x, int year)
    {
        app.year = year;
        app.command = 20;
        app.nextRecord = 77;
        app.mouseX = x;
        yearTimeline(app, rows, 3, nullptr);
        EXPECT_EQ(app.timelineShown, 1);
        EXPECT_EQ(app.timelineYear, app.year);
        EXPECT_EQ(app.nextRecord, 0);
        EXPECT_EQ(app.command, 20) << "a year pick stays on the year screen";
        return app.year;
    }
    static int yearX(int k) { return kYearLeft + k * kYearStep + kYearStep / 2; }
};

} // namespace

TEST_F(Timelines, CenturyPicks)
{
    // Both sides of the turn of the era give year 0.
    EXPECT_EQ(century(30, 200, 0), 0);
    EXPECT_EQ(century(31, 200, 0), 0);
    EXPECT_EQ(century(27, 200, 0), -300);
    EXPECT_EQ(century(41, 200, 0), 1000);
    // After a year pick the last two digits go along, on either side.
    EXPECT_EQ(century(27, 247, 1), -347);
    EXPECT_EQ(century(30, 247, 1), -47);
    EXPECT_EQ(century(31, -347, 1), 47);
    EXPECT_EQ(century(40, -347, 1), 947);
    EXPECT_EQ(century(41, 247, 1), 1000) << "1047 is past the atlas";
    // Off the scale: the atlas's first and last years.
    EXPECT_EQ(century(0, 247, 1, 0), -3000);
    EXPECT_EQ(century(0, 200, 0, 799), 1000);
}

TEST_F(Timelines, YearPicks)
{
    EXPECT_EQ(yearPick(yearX(0), -47), -1) << "no year 0 in the first century BC";
    EXPECT_EQ(yearPick(yearX(0), 47), 1) << "nor in the first century AD";
    EXPECT_EQ(yearPick(yearX(0), -147), -100);
    EXPECT_EQ(yearPick(yearX(47), 1000), 947) << "1047 falls back a century";
    EXPECT_EQ(yearPick(yearX(47), -3000), -2947) << "-3047 moves forward a century";
    EXPECT_EQ(yearPick(yearX(98), 200), 298);
    EXPECT_EQ(yearPick(0, 250), 200) << "left of the scale: year 00";
    EXPECT_EQ(yearPick(799, 250), 299) << "right of the scale: year 99";
}

TEST(YearScreen, PicksEraSwitchAndMarks)
{
    ScratchFolder folder;
    // The i button, then "Use mouse" on the Year Entry line.
    const std::string kMouseEntry = "click 118 43\nclick 600 355\n";
    const std::string panelEra = "click 400 550\n"; // the panel's era line
    const std::string script =
        kMouseEntry + "click 80 40\nstate open.json\nsnapshot open.png\n" + panelEra +
        "state era.json\nsnapshot era.png\n" + "click " +
        std::to_string(kYearLeft + 47 * kYearStep + 3) + " " + std::to_string(kYearLine) +
        "\nsnapshot year47.png\nstate year47.json\n" +
        // The segment of 300 BC keeps the 47: the map of 347 BC.
        "click " + std::to_string(kCenturyLeft + 27 * kCenturyStep + 6) +
        " 160\nstate map.json\n" +
        // Back on the year screen, year 97 of that century; then BC/AD again.
        "click 80 40\nclick " + std::to_string(kYearLeft + 97 * kYearStep + 3) + " " +
        std::to_string(kYearLine) + "\nsnapshot year97.png\n" + panelEra +
        "snapshot plain.png\nstate plain.json\n";
    ASSERT_EQ(replayScript(script), 0);

    ReplayState open = readReplayState("open.json");
    EXPECT_EQ(open["screenMode"], 3);
    EXPECT_EQ(readReplayState("era.json")["eraLabels"], 1);
    ReplayState picked = readReplayState("year47.json");
    EXPECT_EQ(picked["year"], 247);
    EXPECT_EQ(picked["screenMode"], 3);
    ReplayState map = readReplayState("map.json");
    EXPECT_EQ(map["year"], -347);
    EXPECT_EQ(map["screenMode"], 6);
    ReplayState plainState = readReplayState("plain.json");
    EXPECT_EQ(plainState["eraLabels"], 0);
    EXPECT_EQ(plainState["year"], -397);

    constexpr int kWhite = 0xFFFF;
    auto whiteIn = [&](const DrawSurface* shot, int left, int right) {
        return countPixels(shot, left, kYearLine + 1, right, kYearLine + 20, kWhite);
    };
    // Year 47: its number stands right of its box; year 97: left of it.
    DrawSurface* shot = loadSurfacePng("year47.png");
    ASSERT_NE(shot, nullptr);
    int box = kYearLeft + 47 * kYearStep;
    EXPECT_EQ(readPixel(shot, box + 3, kYearLine + 3), kWhite);
    EXPECT_GT(whiteIn(shot, box + kYearStep + 2, box + 40), 20);
    EXPECT_EQ(whiteIn(shot, box - 40, box), 0);
    // The century of 247 is marked on the AD side, segment 33.
    EXPECT_EQ(readPixel(shot, kCenturyLeft + 33 * kCenturyStep + 3, 168), kWhite);
    destroySurface(shot);

    shot = loadSurfacePng("year97.png");
    ASSERT_NE(shot, nullptr);
    box = kYearLeft + 97 * kYearStep;
    EXPECT_EQ(readPixel(shot, box + 3, kYearLine + 3), kWhite);
    EXPECT_GT(whiteIn(shot, box - 40, box - 1), 20);
    EXPECT_EQ(whiteIn(shot, box + kYearStep + 2, 800), 0);
    // 397 BC: the BC side, segment 27.
    EXPECT_EQ(readPixel(shot, kCenturyLeft + 27 * kCenturyStep + 3, 168), kWhite);
    destroySurface(shot);

    // Year 200 before and after the switch: the panel's two lines and the
    // era label beside the year box follow it at once.
    DrawSurface* common = loadSurfacePng("era.png");
    DrawSurface* plain = loadSurfacePng("open.png");
    ASSERT_NE(common, nullptr);
    ASSERT_NE(plain, nullptr);
    auto differ = [&](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += readPixel(common, x, y) != readPixel(plain, x, y) ? 1 : 0;
        return n;
    };
    EXPECT_GT(differ(40, 514, 760, 562), 100);
    EXPECT_GT(differ(758, 23, 798, 56), 10);
    destroySurface(common);
    destroySurface(plain);
}
