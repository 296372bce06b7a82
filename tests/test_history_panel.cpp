// The history panel's pieces on in-memory surfaces: the strip's era
// rewriting and paging chevron, the year steps of a period, the page's list
// window, and the two settings screens' clicks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "content/history_panel.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "map/draw.h"
#include "platform/display.h"
#include "shell/buttons.h"
#include "shell/info_screens.h"
#include "tests/map_fixture.h"

namespace {

// An 800 x 600 state with the band of the program's button table and one
// history of `periods` periods, record r + 1 for entry r, each with
// `lines` lines of text starting at line 0.
struct Panel : ::testing::Test {
    AppState app{};
    HistoryTable table{};
    PeriodIndex index{};
    LineStore lines{};

    void SetUp() override
    {
        setDefaults(app);
        buildButtonTable(app, buttonTable);
        index.fill({-3010, 0});
    }
    void history(int periods, int lineCount)
    {
        table[0] = {.kind = 0};
        std::strcpy(table[0].label, "Egypt");
        for (int i = 0; i < periods; ++i) {
            HistoryRecord& r = table[static_cast<std::size_t>(i + 1)];
            r = {.endYear = static_cast<std::int16_t>(-2900 + 10 * i),
                 .startYear = static_cast<std::int16_t>(-2910 + 10 * i),
                 .kind = 40,
                 .lineCount = static_cast<std::int16_t>(lineCount)};
            std::strcpy(r.label, "P");
            index[static_cast<std::size_t>(i)] = {i + 1, r.endYear};
        }
        app.historyRecordCount = periods + 1;
        app.lastPeriod = periods - 1;
        app.listIndex = 0;
        app.firstShownLine = 0;
    }
};

} // namespace

TEST(HistoryStrip, EraMarksAreRewrittenOnlyToTheOldLabels)
{
    const struct {
        const char* line;
        int scan;
        const char* shown;
    } cases[] = {
        {"from 500 BCE to 30 CE", 63, "from 500 BC to 30 AD"},
        {"BCE", 63, "BC"},
        {"CE BCE", 63, "AD BC"},
        {"BC and BCBCE", 63, "BC and BCBC"},
        {"a bce, ce", 63, "a bce, ce"}, // lower case stays
        {"1234567890", 4, "1234"},        // only the scanned characters
    };
    for (const auto& c : cases) {
        char out[kHistoryLineBytes];
        rewriteEra(c.line, c.scan, out);
        EXPECT_STREQ(out, c.shown) << c.line;
    }
}

TEST_F(Panel, StripShowsTenLinesWithTheChevronWhileMoreRemain)
{
    Bitmap strip(800, 600), expected(800, 600);
    history(1, 12);
    std::strcpy(lines[0].data(), "      It began about 500 BCE.");
    std::strcpy(lines[1].data(), "and ended in 30 CE.");
    for (int i = 2; i < 12; ++i)
        std::strcpy(lines[static_cast<std::size_t>(i)].data(), ("line " + std::to_string(i)).c_str());

    // With BC/AD labels the strip shows the rewritten text; the chevron
    // stands while lines 10 and 11 remain.
    app.eraLabels = 0;
    historyStrip(app, table, index, lines, 1, strip);
    EXPECT_EQ(app.moreText, 1);
    const int top = 600 - static_cast<int>(5.2 * app.fontSize3);
    paintRect(0, top, 800, 600, 121, 10, expected);
    textOut(app, "      It began about 500 BC.", 24, top, app.fontSize3, kAlignLeft, 215, 0,
            expected);
    textOut(app, "and ended in 30 AD.", 24, top + app.fontSize3, app.fontSize3, kAlignLeft, 215,
            0, expected);
    for (int i = 2; i < 10; ++i)
        textOut(app, lines[static_cast<std::size_t>(i)].data(), i < 5 ? 24 : 416,
                top + (i % 5) * app.fontSize3, app.fontSize3, kAlignLeft, 215, 0, expected);
    paintThickLine(787, 582, 793, 588, 4, 114, expected);
    paintThickLine(793, 588, 787, 594, 4, 114, expected);
    EXPECT_EQ(differingPixels(strip, expected), 0);

    // With BCE/CE labels the lines stand as stored.
    app.eraLabels = 1;
    historyStrip(app, table, index, lines, 1, strip);
    EXPECT_GT(differingPixels(strip, expected), 0);

    // Ten lines on: the last two, and no chevron.
    app.firstShownLine = 10;
    historyStrip(app, table, index, lines, 1, strip);
    EXPECT_EQ(app.moreText, 0);
    EXPECT_EQ(countPixels(strip, px(114), 780, top, 800, 600), 0);
    // Exactly ten lines need no chevron either.
    history(1, 10);
    historyStrip(app, table, index, lines, 1, strip);
    EXPECT_EQ(app.moreText, 0);
    // Modes other than 1 draw nothing and leave moreText.
    app.moreText = 7;
    historyStrip(app, table, index, lines, 4, strip);
    EXPECT_EQ(app.moreText, 7);
}

TEST_F(Panel, HistoryPageShowsStoredLinesAndAWindowOfTheList)
{
    Bitmap page(800, 600), expected(800, 600);
    history(51, 1);
    std::strcpy(lines[0].data(), "      It began about 500 BCE.");
    // The stored line as it is, at both era labels: the page never rewrites.
    Bitmap other(800, 600);
    app.eraLabels = 0;
    historyPage(app, table, index, lines, page);
    app.eraLabels = 1;
    historyPage(app, table, index, lines, other);
    EXPECT_EQ(differingPixels(page, other), 0);
    copyRect(expected, page, 0, 0, 800, 600, false);
    const int x = static_cast<int>(0.49 * 800), y = app.mapTop + app.fontSize3 / 4;
    paintRect(x, y - 2, 800, y + app.fontSize3 + 3, 121, 10, expected);
    textOut(app, "      It began about 500 BCE.", x, y, app.fontSize3, kAlignLeft, 215, 0,
            expected);
    EXPECT_EQ(differingPixels(page, expected), 0);

    // 21 rows at 800 x 600; the window keeps the current entry in view.
    const int rows = historyPageRows(app);
    ASSERT_EQ(rows, 21);
    const struct {
        int listIndex, first;
    } windows[] = {{3, 0}, {10, 2}, {25, 17}, {40, 30}, {50, 30}};
    for (const auto& w : windows) {
        app.listIndex = w.listIndex;
        historyPage(app, table, index, lines, page);
        EXPECT_EQ(app.historyListFirst, w.first) << w.listIndex;
        EXPECT_EQ(app.historyListEnd, w.first + rows);
        const int listTop = app.historyListTop;
        const bool earliest = countPixels(page, px(114), 0, listTop - app.fontSize3, 800, listTop) > 0;
        EXPECT_EQ(earliest, w.first > 0) << "<< EARLIEST PERIOD at " << w.listIndex;
    }
    // All periods fit: the list starts at the first.
    history(5, 1);
    app.listIndex = 4;
    historyPage(app, table, index, lines, page);
    EXPECT_EQ(app.historyListFirst, 0);
}

TEST_F(Panel, YearStepsAndEntrySelection)
{
    const int spans[][2] = {{500, 100}, {499, 50}, {200, 50}, {199, 20}, {100, 20}, {99, 10},
                            {50, 10},   {49, 5},   {20, 5},   {19, 2},   {0, 2}};
    for (const auto& s : spans)
        EXPECT_EQ(periodYearStep(s[0]), s[1]) << s[0];

    history(3, 1);
    app.listIndex = 9;
    EXPECT_EQ(selectEntry(app, index), 3);
    EXPECT_EQ(app.listIndex, 2);
    app.listIndex = -4;
    EXPECT_EQ(selectEntry(app, index), 1);
    // Nothing listed: record 0 stands in.
    app.lastPeriod = -1;
    EXPECT_EQ(selectEntry(app, index), 0);
    EXPECT_EQ(app.listIndex, 0);

    char span[40];
    app.animationId = 11;
    periodSpanText(app, table[1], span, sizeof span);
    EXPECT_STREQ(span, "2910 / 2900");
    app.animationId = 201; // the whole map's history shows no span
    periodSpanText(app, table[1], span, sizeof span);
    EXPECT_STREQ(span, "");
}

TEST_F(Panel, InformationScreenClicks)
{
    Bitmap screen(800, 600);
    // Rows 0, 2, 4 and 6 at 106, 154, 202 and 250; the settings lines at
    // 298, 322 and 346.
    const struct {
        int x, y, listIndex, command;
    } clicks[] = {
        {100, 120, 3, 32}, {500, 120, 0, 32}, {100, 170, 2, 32}, {500, 170, 1, 32},
        {400, 220, -1, 39}, {400, 106, -1, 29}, {400, 500, -1, 29},
    };
    for (const auto& c : clicks) {
        app.command = 29;
        app.listIndex = 7;
        app.mouseX = c.x;
        app.mouseY = c.y;
        infoScreen(app, buttonTable, 3, screen);
        EXPECT_EQ(app.listIndex, c.listIndex) << c.x << "," << c.y;
        EXPECT_EQ(app.command, c.command) << c.x << "," << c.y;
    }
    const int divide = static_cast<int>(0.61 * 800);
    auto setting = [&](int x, int y) {
        app.mouseX = x;
        app.mouseY = y;
        infoScreen(app, buttonTable, 3, screen);
    };
    setting(divide + 1, 310);
    EXPECT_EQ(app.eraLabels, 1);
    setting(divide, 310); // exactly on the divide: nothing
    EXPECT_EQ(app.eraLabels, 1);
    setting(divide - 1, 310);
    EXPECT_EQ(app.eraLabels, 0);
    setting(divide + 1, 330);
    EXPECT_EQ(app.textLevel, 101);
    setting(divide + 1, 360);
    EXPECT_EQ(app.yearEntry, 121);
    EXPECT_EQ(app.command, 29) << "a setting leaves the command that opened the screen";
}

TEST_F(Panel, PeriodPageClicks)
{
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "test"));
    ASSERT_TRUE(setupDisplay(800, 600));
    // periodChooser reads the program's tables.
    history(20, 1);
    historyTable = table;
    periodIndex = index;
    index[3].record = -3010;
    periodIndex[3].record = -3010; // an empty place in the list
    auto click = [&](int x, int y) {
        app.command = 22;
        app.mouseX = x;
        app.mouseY = y;
        periodChooser(app, 3, backBuffer);
    };
    // EARLIER on the first page keeps it and redraws.
    click(100, 110);
    EXPECT_EQ(app.periodPage, 0);
    EXPECT_EQ(app.command, 23);
    // LATER is not active while every period is on this page.
    click(600, 500);
    EXPECT_EQ(app.command, 22);
    // The right column's second row is entry 16.
    click(500, 130 + 24 + 5);
    EXPECT_EQ(app.command, 26);
    EXPECT_EQ(app.listIndex, 16);
    EXPECT_EQ(app.selectedRecord, 17);
    EXPECT_EQ(app.year, historyTable[17].startYear);
    // The empty place changes nothing.
    app.listIndex = 0;
    click(200, 130 + 3 * 24 + 5);
    EXPECT_EQ(app.command, 22);
    EXPECT_EQ(app.listIndex, 0);
    // With 40 periods LATER turns to the second page.
    history(40, 1);
    historyTable = table;
    periodIndex = index;
    click(600, 500);
    EXPECT_EQ(app.periodPage, 30);
    EXPECT_EQ(app.command, 23);
    click(600, 500); // no third page
    EXPECT_EQ(app.periodPage, 30);
    click(100, 110);
    EXPECT_EQ(app.periodPage, 0);
    // The two settings at the foot.
    click(500, 540);
    EXPECT_EQ(app.textLevel, 101);
    click(500, 560);
    EXPECT_EQ(app.eraLabels, 1);
    EXPECT_EQ(app.command, 22);
    historyTable = {};
    periodIndex = {};
    releaseDisplay();
}
