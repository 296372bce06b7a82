// The menu band: the layout at 800 x 600, the strict click test and the
// rows each screen shows.
#include <gtest/gtest.h>

#include <string>

#include "core/app_state.h"
#include "platform/surface.h"
#include "shell/buttons.h"

namespace {

struct ExpectedRow {
    int row;
    const char* label;
    int left, top, right, bottom, fill, font, bold, command;
};

// The layout at 800 x 600, row by row (font: 3, 4 or 8 for fontSize3,
// fontSize4, fontSize8).
const ExpectedRow kLayout[] = {
    {0, "Start", 2, 2, 132, 28, 114, 4, 1, 19},     {1, "Run", 25, 2, 109, 28, 114, 4, 1, 2},
    {2, "Pause", 25, 2, 109, 28, 114, 4, 1, 1},     {3, "Next", 68, 2, 132, 28, 114, 4, 1, 7},
    {4, "Prior", 2, 2, 66, 28, 114, 4, 1, 8},       {5, "Back", 2, 2, 66, 28, 116, 4, 1, 37},
    {7, "<", 2, 2, 23, 28, 114, 4, 1, 5},           {8, ">", 111, 2, 132, 28, 114, 4, 1, 6},
    {9, "Back to map", 2, 2, 132, 28, 114, 4, 1, 28}, {10, "map", 2, 30, 52, 56, 114, 4, 0, 19},
    {12, "year", 54, 30, 109, 56, 114, 4, 0, 20},   {14, "i", 111, 30, 132, 56, 114, 4, 0, 29},
    {15, "", 774, 2, 798, 21, 114, 4, 0, 16},       {16, "", 668, 2, 772, 21, 114, 3, 0, 0},
    {17, "1", 668, 2, 692, 21, 114, 3, 0, 9},       {18, "2", 694, 2, 716, 21, 114, 3, 0, 10},
    {19, "5", 718, 2, 742, 21, 114, 3, 0, 11},      {20, "10", 744, 2, 772, 21, 114, 3, 0, 12},
    {21, "Settings", 666, 2, 798, 28, 116, 4, 0, 33}, {22, "Color", 666, 28, 798, 54, 114, 4, 0, 14},
    {23, "Resolution", 666, 54, 798, 80, 114, 4, 0, 15}, {24, "Play", 2, 2, 88, 28, 116, 4, 0, 2},
    {25, "Pause", 2, 2, 88, 28, 116, 4, 0, 1},      {26, "End", 88, 2, 132, 28, 116, 4, 0, 37},
    {27, "", 668, 23, 758, 56, 114, 8, 1, 20},      {28, "BC", 758, 23, 798, 56, 114, 3, 0, 13},
    {29, "BCE", 758, 23, 798, 56, 114, 3, 0, 13},   {30, "AD", 758, 23, 798, 56, 114, 3, 0, 13},
    {31, "CE", 758, 23, 798, 56, 114, 3, 0, 13},    {32, "End", 668, 2, 772, 21, 210, 3, 1, 0},
    {33, "Map", 2, 2, 66, 28, 114, 4, 1, 38},       {34, "Mural", 68, 2, 132, 28, 114, 4, 1, 39},
    {35, "Mural", 68, 2, 132, 28, 114, 4, 1, 41},   {36, "Language", 2, 2, 132, 28, 114, 4, 0, 44},
    {37, "Edit", 666, 0, 772, 19, 116, 3, 0, 45},   {38, "Sprdsht", 666, 19, 798, 38, 116, 3, 0, 46},
    {39, "Convert", 666, 38, 798, 57, 116, 3, 0, 47}, {40, "home", 2, 38, 66, 58, 114, 3, 0, 48},
    {41, "Map/Record", 134, 0, 266, 19, 114, 3, 0, 49},
    {42, "Save/Labels", 134, 38, 266, 57, 114, 3, 0, 50},
    {43, "Edit Points", 134, 19, 266, 38, 114, 3, 0, 51},
    {44, "New Map", 2, 0, 130, 19, 114, 3, 0, 52},  {45, "Save File", 2, 0, 130, 19, 114, 3, 0, 53},
    {46, "UndoWork", 2, 0, 130, 19, 114, 3, 0, 54},
    {47, "SaveToWork", 398, 0, 530, 19, 114, 3, 0, 57},
    {48, "ClearWork", 398, 19, 530, 38, 114, 3, 0, 58},
    {49, "DeleteRec", 398, 38, 530, 57, 114, 3, 0, 59},
    {50, "Move Up", 532, 0, 664, 19, 114, 3, 0, 63},
    {51, "Move Down", 532, 19, 664, 38, 114, 3, 0, 64},
    {52, "Move Left", 532, 38, 664, 57, 114, 3, 0, 65},
    {53, "Zoom In", 666, 0, 798, 19, 114, 3, 0, 60},
    {54, "Zoom Out", 666, 19, 798, 38, 114, 3, 0, 61},
    {55, "Move Right", 666, 38, 798, 57, 114, 3, 0, 62},
    {56, "      StartYr", 398, 0, 530, 19, 114, 3, 0, 66},
    {57, "SaveReplace", 398, 19, 530, 38, 114, 3, 0, 67},
    {58, "SaveNew", 398, 38, 530, 57, 114, 3, 0, 68},
    {59, "      EndYr", 532, 0, 664, 19, 114, 3, 0, 69},
    {60, "      Color", 532, 19, 664, 38, 114, 3, 0, 70},
    {61, "      Hatch", 532, 38, 664, 57, 114, 3, 0, 71},
    {62, "      Action", 666, 0, 798, 19, 114, 3, 0, 72},
    {63, "      Group", 666, 19, 798, 38, 114, 3, 0, 73},
    {64, "      Nation", 666, 38, 798, 57, 114, 3, 0, 74},
    {65, "AddPoint", 398, 0, 530, 19, 114, 3, 0, 75},
    {66, "Delete Point", 532, 0, 664, 19, 114, 3, 0, 77},
    {67, "DelPtsAfter", 532, 19, 664, 38, 114, 3, 0, 78},
    {68, "DelPtsBefore", 532, 38, 664, 57, 114, 3, 0, 79},
    {69, "InsertPoint", 398, 38, 530, 57, 114, 3, 0, 80},
    {70, "CopyFrom", 666, 0, 798, 19, 114, 4, 0, 81},
    {71, "CopyTo", 666, 19, 798, 38, 114, 3, 0, 82},
    {72, "InsertAfter", 398, 19, 530, 38, 114, 4, 0, 76},
    {74, "", 0, 0, 800, 58, 116, 4, 0, 0},
};

struct Band {
    AppState app{};
    ButtonTable buttons{};
    Band()
    {
        setDefaults(app);
        buildButtonTable(app, buttons);
    }
    std::string visibleRows() const
    {
        std::string rows;
        for (int row = 0; row < kButtonRows; ++row)
            if (buttons[row].visible == 1)
                rows += std::to_string(row) + " ";
        return rows;
    }
};

} // namespace

TEST(Buttons, LayoutAt800x600)
{
    Band band;
    EXPECT_EQ(band.app.mapTop, 58);
    EXPECT_EQ(band.app.headingLeft, 132);
    EXPECT_EQ(band.app.headingBoxLeft, 132);
    EXPECT_EQ(band.app.headingRight, 666);
    for (const ExpectedRow& e : kLayout) {
        const ButtonRow& b = band.buttons[e.row];
        SCOPED_TRACE("row " + std::to_string(e.row));
        EXPECT_STREQ(b.label, e.label);
        EXPECT_EQ(b.left, e.left);
        EXPECT_EQ(b.top, e.top);
        EXPECT_EQ(b.right, e.right);
        EXPECT_EQ(b.bottom, e.bottom);
        EXPECT_EQ(b.fill, e.fill);
        const int font = e.font == 3 ? 21 : e.font == 4 ? 24 : 46;
        EXPECT_EQ(b.fontHeight, font);
        EXPECT_EQ(b.bold, e.bold);
        EXPECT_EQ(b.command, e.command);
    }
    EXPECT_EQ(band.visibleRows(), "10 12 14 15 27 ");
}

TEST(Buttons, HitTestIsStrictAndFirstRowWins)
{
    Band band;
    setVisibility(band.app, band.buttons, 6); // region map, paused: Run shows
    band.app.command = 24;
    // Run is 25..109 x 2..28: its border does not count.
    EXPECT_FALSE(hitTest(band.app, band.buttons, 25, 10));
    EXPECT_FALSE(hitTest(band.app, band.buttons, 60, 28));
    EXPECT_EQ(band.app.command, 24) << "a miss keeps the last command";
    EXPECT_FALSE(hitTest(band.app, band.buttons, 26, 3));
    EXPECT_EQ(band.app.command, 2);
    // Pause is hidden while paused even though it has the same rectangle.
    EXPECT_FALSE(band.buttons[2].visible);
    // The era rows share one rectangle: the lowest visible row answers.
    band.buttons[28].visible = 1;
    band.buttons[30].visible = 1;
    band.buttons[28].command = 99;
    (void)hitTest(band.app, band.buttons, 770, 40);
    EXPECT_EQ(band.app.command, 99);
    // The close box ends the program, and a later miss still answers quit.
    EXPECT_TRUE(hitTest(band.app, band.buttons, 780, 10));
    EXPECT_TRUE(hitTest(band.app, band.buttons, 400, 30));
    // The band row itself (74) is never hit.
    band.app.command = 5;
    band.buttons[74].visible = 1;
    EXPECT_FALSE(hitTest(band.app, band.buttons, 400, 30));
    EXPECT_EQ(band.app.command, 5);
}

TEST(Buttons, VisibilityPerScreen)
{
    Band band;
    // Rows that keep their flags through every change of screen.
    band.buttons[32].visible = 1;
    band.buttons[41].visible = 1;
    setVisibility(band.app, band.buttons, 0);
    EXPECT_EQ(band.visibleRows(), "1 7 8 10 12 14 15 17 18 19 20 27 30 32 41 ");
    band.buttons[32].visible = 0;
    band.buttons[41].visible = 0;

    band.app.playing = 1;
    setVisibility(band.app, band.buttons, 6);
    EXPECT_EQ(band.visibleRows(), "2 7 8 10 12 14 15 17 18 19 20 27 30 ");
    band.app.playing = 0;
    setVisibility(band.app, band.buttons, 6);
    EXPECT_EQ(band.visibleRows(), "1 7 8 10 12 14 15 17 18 19 20 27 30 ");

    const struct {
        int screen;
        const char* rows;
    } screens[] = {
        {2, "5 10 12 14 15 "},
        {3, "5 10 12 14 15 "},
        {5, "5 10 12 14 15 "},
        {8, "3 4 10 12 14 15 27 30 "},
        {9, "9 10 12 14 15 16 "},
        {10, "5 10 12 14 15 37 38 39 "}, // the ways into the editor
        {11, "3 4 10 12 14 15 27 "},
        {12, "5 10 12 14 15 "},
        {14, "10 12 14 15 22 23 27 "},
        {17, "10 12 14 15 27 "},
        {28, "5 10 12 14 15 33 34 "},
        {29, "5 10 12 14 15 33 35 "},
        {30, "10 12 14 15 27 "},
        {31, "10 12 14 15 33 34 36 "},
    };
    for (const auto& s : screens) {
        setVisibility(band.app, band.buttons, s.screen);
        EXPECT_EQ(band.visibleRows(), s.rows) << "screen " << s.screen;
    }
    // The editor screens show their own rows and hide the map, year, i and
    // year box; leaving the editor keeps its three screen buttons.
    setVisibility(band.app, band.buttons, 23);
    EXPECT_EQ(band.visibleRows(), "15 40 41 42 43 46 65 66 67 68 69 70 71 72 ");
    setVisibility(band.app, band.buttons, 11);
    EXPECT_EQ(band.visibleRows(), "3 4 10 12 14 15 27 41 42 43 ");
}

TEST(Buttons, BandButtonsAndCloseCross)
{
    Band band;
    DrawSurface* screen = createSurface(800, 600);
    ASSERT_NE(screen, nullptr);
    setVisibility(band.app, band.buttons, 6);
    drawButtons(band.app, band.buttons, screen);
    auto color = [](int r, int g, int b) { return rgbTo565(makeRgb(r, g, b)); };
    EXPECT_EQ(readPixel(screen, 300, 50), color(102, 153, 102)) << "the band";
    EXPECT_EQ(readPixel(screen, 4, 54), color(0, 102, 41)) << "the map button";
    EXPECT_EQ(readPixel(screen, 786, 11), color(204, 255, 204)) << "the close cross";
    EXPECT_EQ(readPixel(screen, 775, 3), color(0, 102, 41)) << "the close box around it";
    EXPECT_EQ(readPixel(screen, 700, 59), 0) << "nothing below the band";
    // Hidden rows are not drawn: the heading box place shows the band.
    EXPECT_EQ(readPixel(screen, 400, 10), color(102, 153, 102));
    destroySurface(screen);
}
