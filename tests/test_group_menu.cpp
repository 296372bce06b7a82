// The animations and histories menu: which entry a click chooses and what
// it starts, and the menu as drawn with and without the history texts.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "content/group_menu.h"
#include "core/app_state.h"
#include "core/nation_groups.h"
#include "platform/surface.h"
#include "tests/test_support.h"

namespace {

// At 800 x 600 the first line starts at y 118, lines are 24 pixels, the
// columns start at x 72 and are 168 pixels wide.
constexpr int kListTop = 118, kLine = 24, kColumnLeft = 72, kColumn = 168;

int lineY(int line) { return kListTop + line * kLine + 5; }

struct Menu : ::testing::Test {
    AppState app{};
    NationGroupTable groups = nationGroupStart;
    void SetUp() override
    {
        setDefaults(app);
        app.mapTop = 58;
        app.year = 200;
        app.screenMode = 2;
    }
    // Clicks at (x, y); returns the chosen id (-7 when none was set).
    int click(int x, int y)
    {
        app.mouseX = x;
        app.mouseY = y;
        app.command = 0;
        app.animationId = -7;
        groupMenu(app, groups, 3, nullptr);
        return app.animationId;
    }
};

} // namespace

TEST_F(Menu, ClickRowsAllowForTheIndentAndTheLastRow)
{
    // The animation lines stand half a column right: x 300 on line 2 is still
    // Europe (column 1), not Africa.
    EXPECT_EQ(click(300, lineY(1)), 0);
    EXPECT_EQ(click(kColumnLeft + kColumn + 100, lineY(1)), 3);
    // Below the animation part the columns start at their own left edge.
    EXPECT_EQ(click(kColumnLeft + kColumn + 10, lineY(10)), 11);
    // A click below a column's last line counts on into the next column;
    // past the last row of the table it is the last row.
    EXPECT_EQ(click(kColumnLeft + 10, lineY(20)), 3) << "row 20: Africa";
    EXPECT_EQ(click(kColumnLeft + 3 * kColumn + 10, lineY(19)), 42) << "row 76 cut to 75";
    EXPECT_EQ(click(795, lineY(10)), 42);
    // Nothing above the first line, left of the first column, or on a blank.
    EXPECT_EQ(click(100, kListTop - 1), -7);
    EXPECT_EQ(click(kColumnLeft - 1, lineY(8)), -7);
    EXPECT_EQ(click(kColumnLeft + kColumn / 2 - 1, lineY(1)), -7);
    EXPECT_EQ(click(kColumnLeft + kColumn / 2 + 10, lineY(4)), -7);
    EXPECT_EQ(app.command, 0);
}

TEST_F(Menu, CommandsByEntryAndTexts)
{
    // A region: its map, or first a year when no map was shown yet.
    click(kColumnLeft + kColumn / 2 + 10, lineY(2));
    EXPECT_EQ(app.command, 24);
    app.year = -3001;
    click(kColumnLeft + kColumn / 2 + 10, lineY(2));
    EXPECT_EQ(app.command, 20);
    EXPECT_EQ(app.year, 150);
    // Without the texts only the whole-map history opens; a shaded group
    // is chosen but nothing starts.
    app.fullContent = 0;
    EXPECT_EQ(click(100, lineY(7)), 201);
    EXPECT_EQ(app.command, 22);
    EXPECT_EQ(click(100, lineY(8)), 121);
    EXPECT_EQ(app.command, 0);
    app.fullContent = 1;
    click(100, lineY(8));
    EXPECT_EQ(app.command, 22);
    // Choosing a map for the editor: every entry shows the map.
    app.fullContent = 0;
    app.screenMode = 20;
    click(100, lineY(8));
    EXPECT_EQ(app.command, 24);
}

TEST(MenuScreen, ShadingWithoutTheTexts)
{
    ScratchFolder folder;
    const std::string script = "click 25 43\nstate menu.json\nsnapshot menu.png\n";
    ASSERT_EQ(replayScript(script), 0);
    std::filesystem::rename("menu.png", "shaded.png");
    std::filesystem::create_directory("text");
    std::fclose(std::fopen("text/egypt.txt", "w"));
    ASSERT_EQ(replayScript(script), 0);
    EXPECT_EQ(readReplayState("menu.json")["fullContent"], 1);
    EXPECT_EQ(readReplayState("menu.json")["screenMode"], 2);

    DrawSurface* shaded = loadSurfacePng("shaded.png");
    DrawSurface* full = loadSurfacePng("menu.png");
    ASSERT_NE(shaded, nullptr);
    ASSERT_NE(full, nullptr);
    // A shading line every 3 pixels from y 310 cuts through "North
    // Africans"; beside the whole-map history (y 298) it starts at x 240.
    constexpr int kBlack = 0;
    EXPECT_GT(countPixels(full, 72, 322, 230, 323, kBlack), 5);
    EXPECT_EQ(countPixels(shaded, 72, 322, 230, 323, kBlack), 0);
    EXPECT_GT(countPixels(shaded, 72, 298, 230, 299, kBlack), 5) << "the whole map stays clear";
    EXPECT_GT(countPixels(shaded, 156, 154, 300, 155, kBlack), 5) << "the animations too";
    destroySurface(shaded);
    destroySurface(full);
}
