// The label passes: layout at the edges of the view, the click test, and the
// drawing of names, dots, trails and history place markers, checked pixel by
// pixel on in-memory surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/app_state.h"
#include "core/nation_groups.h"
#include "map/draw.h"
#include "map/labels.h"
#include "map/palette.h"
#include "map/projection.h"
#include "platform/surface.h"
#include "tests/test_support.h"

namespace {

// The whole map (far view) or Europe (a close view) on 800 x 600.
AppState mapState(int view)
{
    AppState app = viewState(view);
    app.year = 0;
    return app;
}

// A label of years -10..10; screen is where a layout would have put it.
LabelRow label(int lon, int lat, int color = 0, int level = 1, int place = 1, int trail = 0,
               ScreenPoint screen = {0, 0})
{
    LabelRow row{};
    row.screenX = screen.x;
    row.screenY = screen.y;
    row.firstYear = -10;
    row.endYear = 10;
    row.markerColor = static_cast<std::int16_t>(color);
    row.detailLevel = static_cast<std::int16_t>(level);
    row.textPlace = static_cast<std::int16_t>(place);
    row.trail = static_cast<std::int16_t>(trail);
    row.lon = static_cast<std::int16_t>(lon);
    row.lat = static_cast<std::int16_t>(lat);
    row.group = 11;
    std::strcpy(row.text, "Name");
    return row;
}

int runPass(AppState& app, LabelTable& labels, int count, int mode, DrawSurface* surface = nullptr,
            const HistoryTable& history = historyTable)
{
    app.labelCount = count;
    return mapLabels(app, history, periodIndex, lineStore, nationGroupStart, labels, mode,
                     surface);
}

std::uint16_t px(int colorIndex)
{
    return rgbTo565(paletteColor(colorIndex));
}

// Pixels in colorIndex inside [left, right) x [top, bottom).
int count(const DrawSurface* s, int colorIndex, int left, int top, int right, int bottom)
{
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, 600); ++y)
        for (int x = std::max(left, 0); x < std::min(right, 800); ++x)
            n += readPixel(s, x, y) == px(colorIndex);
    return n;
}

// The program's screen, cleared to a colour no label uses.
struct Screen {
    DrawSurface* surface = createSurface(800, 600);
    Screen() { paintRect(0, 0, 800, 600, 121, 10, surface); }
    ~Screen() { destroySurface(surface); }
};

} // namespace

TEST(LabelLayout, WindowEdgesAndScreenPlaces)
{
    AppState app = mapState(kDefaultMapView);
    // The whole map's limits in tenths: west -51, east 1419, south -248,
    // north 596 (2% margins, then fontSize4 = 24 added to each). The south
    // limit is -2724 / 10 = -272 truncated toward zero, not -273.
    LabelTable labels{};
    const int places[][2] = {{-51, 0},    {-52, 0},    {1419, 0},  {1420, 0}, {660, -248},
                             {660, -249}, {660, 596},  {660, 597}, {660, 0}};
    for (int i = 0; i < 9; ++i)
        labels[i] = label(places[i][0], places[i][1]);
    labels[9] = label(660, 0, 0, 1, 1, 0, {123, 0});
    EXPECT_EQ(runPass(app, labels, 9, kLabelLayout), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(labels[i].screenX != kLabelOutside, i % 2 == 0) << "row " << i;
    // 66.0 E: (6600 + 1060) x 5221 / 100000 = 399.9, truncated; the equator
    // at 600 - trunc(5292 x 2991 / 100000) = 442, the text's top 12 above.
    EXPECT_EQ(labels[8].screenX, 399);
    EXPECT_EQ(labels[8].screenY, 430);
    EXPECT_EQ(labels[9].screenX, 123) << "rows from labelCount on are left alone";
}

TEST(LabelHitTest, ClickBoxYearsAndFirstRowWins)
{
    AppState app = mapState(kDefaultMapView);
    LabelTable labels{};
    labels[0] = label(-200, 0);     // outside the view, never hit
    labels[1] = label(660, 0);      // Egypt's history
    labels[2] = label(660, 0);      // behind it, never reached
    labels[2].group = 70;
    runPass(app, labels, 3, kLabelLayout);
    const int x = labels[1].screenX, y = labels[1].screenY, w = 800 / 25, h = app.fontSize4;
    // dx, dy from the label's point, year, hit: the box is open at its edges,
    // and the end year still counts.
    const int clicks[][4] = {{0, 0, 0, 1},      {w - 1, 0, 0, 1}, {w, 0, 0, 0},   {1 - w, 0, 0, 1},
                             {-w, 0, 0, 0},     {0, h - 1, 0, 1}, {0, h, 0, 0},   {0, 1 - h, 0, 1},
                             {0, -h, 0, 0},     {0, 0, -10, 1},   {0, 0, -11, 0}, {0, 0, 10, 1},
                             {0, 0, 11, 0}};
    for (const auto& click : clicks) {
        app.mouseX = x + click[0];
        app.mouseY = y + click[1];
        app.year = click[2];
        app.labelHit = kNoLabelHit;
        app.previousLabelHit = 5;
        int row = runPass(app, labels, 3, kLabelHitTest);
        SCOPED_TRACE(::testing::Message() << click[0] << "," << click[1] << " in " << click[2]);
        EXPECT_EQ(row, click[3] ? 1 : -1);
        EXPECT_EQ(app.labelHit, click[3] ? 11 : kNoLabelHit);
        EXPECT_EQ(app.previousLabelHit, click[3] ? kNoLabelHit : 5);
    }
    // The first name under the click decides even when its group has no
    // history: the click is a miss, not a hit on the row behind.
    labels[1].group = 200;
    app.mouseX = x;
    app.mouseY = y;
    app.year = 0;
    app.labelHit = kNoLabelHit;
    EXPECT_EQ(runPass(app, labels, 3, kLabelHitTest), -1);
    EXPECT_EQ(app.labelHit, kNoLabelHit);
}

TEST(LabelDrawing, DotsTrailsLevelsAndTextPlace)
{
    AppState app = mapState(kDefaultMapView); // far view: dots of radius 600 / 70 = 8
    Screen far;
    LabelTable labels{};
    labels[0] = label(0, 0, 4, 1, 1, 3, {200, 200});   // trail 3: dots to the right
    labels[1] = label(0, 0, 131, 3, 2, 0, {500, 200}); // level 3: the dot, never the text
    labels[2] = label(0, 0, 0, 2, 1, 0, {200, 400});   // level 2: close views only
    labels[3] = label(0, 0, 133, 1, 2, 0, {500, 400}); // text one line above the dot
    EXPECT_EQ(runPass(app, labels, 4, kLabelDraw, far.surface), 0);
    DrawSurface* s = far.surface;
    for (int k = 0; k <= 3; ++k)
        EXPECT_EQ(readPixel(s, 200 + 12 * k, 200), px(4)) << "dot " << k;
    EXPECT_EQ(count(s, 4, 150, 190, 192, 210), 0) << "nothing left of the main dot";
    EXPECT_EQ(count(s, 4, 245, 190, 260, 210), 0) << "no fifth dot";
    EXPECT_GT(count(s, kColorWhite, 160, 200, 240, 221), 20);
    EXPECT_EQ(readPixel(s, 500, 200), px(131));
    EXPECT_EQ(count(s, kColorWhite, 440, 150, 560, 240), 0);
    EXPECT_EQ(count(s, kColorWhite, 140, 390, 260, 440), 0);
    EXPECT_EQ(readPixel(s, 500, 400), px(133));
    EXPECT_GT(count(s, kColorWhite, 460, 376, 540, 397), 20);
    EXPECT_EQ(count(s, kColorWhite, 460, 409, 540, 421), 0);

    // A close view shows the level-2 name and draws dots of radius 600 / 50.
    app = mapState(0);
    Screen close;
    runPass(app, labels, 4, kLabelDraw, close.surface);
    EXPECT_GT(count(close.surface, kColorWhite, 160, 400, 240, 421), 20);
    EXPECT_EQ(readPixel(close.surface, 200 + 3 * 18, 200), px(4));
    EXPECT_EQ(count(close.surface, kColorWhite, 440, 150, 560, 240), 0);
}

TEST(LabelDrawing, YearsMenuBandAndLostSurface)
{
    AppState app = mapState(kDefaultMapView);
    const int edge = app.mapTop + app.fontSize4 / 2;
    LabelTable labels{};
    labels[0] = label(0, 0, 0, 1, 1, 0, {200, 300});
    labels[1] = label(0, 0, 4, 1, 1, 0, {400, edge});     // would touch the menu band
    labels[2] = label(0, 0, 4, 1, 1, 0, {600, edge + 1}); // just below it
    labels[3] = label(0, 0, 4, 1, 1, 0, {kLabelOutside, 300});
    // Shown from the first year, gone in the end year.
    const int years[][2] = {{-11, 0}, {-10, 1}, {9, 1}, {10, 0}};
    for (const auto& year : years) {
        Screen screen;
        app.year = year[0];
        runPass(app, labels, 4, kLabelDraw, screen.surface);
        EXPECT_EQ(count(screen.surface, kColorWhite, 160, 300, 240, 321) > 0, year[1] == 1)
            << year[0];
        EXPECT_EQ(count(screen.surface, 4, 390, 0, 410, 100), 0);
        EXPECT_EQ(readPixel(screen.surface, 600, edge + 1) == px(4), year[1] == 1);
    }
    Screen lost;
    app.year = 0;
    setSurfaceLost(lost.surface, true);
    EXPECT_EQ(runPass(app, labels, 4, kLabelDraw, lost.surface), -1);
    setSurfaceLost(lost.surface, false);
    EXPECT_EQ(count(lost.surface, kColorWhite, 0, 0, 800, 600), 0);
}

TEST(LabelDrawing, HistoryPlaceMarkers)
{
    AppState app = mapState(kDefaultMapView);
    app.animationId = 30; // a national group's animation
    HistoryTable history{};
    // Entry 4 names places 12 and 7 (markerY 1207) and 9 (markerStyle 9);
    // entry 3 names place 8.
    history[4].markerY = 1207;
    history[4].markerStyle = 9;
    history[3].markerY = 8;
    auto place = [&](int k, int lon, int lat, int style, int placement, const char* text) {
        history[k].markerX = static_cast<std::int16_t>(lon);
        history[k].markerY = static_cast<std::int16_t>(lat);
        history[k].markerStyle = static_cast<std::int16_t>(style);
        history[k].mapYear = static_cast<std::int16_t>(placement);
        std::strcpy(history[k].label, text);
        return projectPoint(app, lon, mercator(lat));
    };
    ScreenPoint town = place(12, 2000, 4000, 1, 0, "Town");
    ScreenPoint battle = place(7, 6000, 3000, 3, 6, "Battle");
    ScreenPoint city = place(9, 9000, 2000, 2, 2, "Pataliputra, Magadha");
    ScreenPoint older = place(8, 11000, 3500, 1, 0, "Luoyang");
    LabelTable labels{};
    app.selectedRecord = 4;
    Screen now;
    EXPECT_EQ(runPass(app, labels, 0, kLabelDraw, now.surface, history), 0);
    DrawSurface* s = now.surface;
    // A town: yellow core in a black square, its name above.
    EXPECT_EQ(readPixel(s, town.x, town.y), px(175));
    EXPECT_EQ(readPixel(s, town.x - 3, town.y), px(kColorBlack));
    EXPECT_GT(count(s, 175, town.x - 40, town.y - 40, town.x + 40, town.y - 6), 10);
    // A battle: red core in a black ring, its name below.
    EXPECT_EQ(readPixel(s, battle.x, battle.y), px(204));
    EXPECT_EQ(readPixel(s, battle.x - 5, battle.y), px(kColorBlack));
    EXPECT_GT(count(s, 204, battle.x - 40, battle.y + 8, battle.x + 40, battle.y + 40), 10);
    // Placement 2: no marker; the part before the comma centred on the line
    // above the point, the shorter rest centred on the line at it.
    auto extent = [&](int top) {
        int left = 800, right = -1;
        for (int y = top; y < top + app.fontSize3; ++y)
            for (int x = city.x - 100; x < city.x + 100; ++x)
                if (readPixel(s, x, y) == px(146)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::pair{left, right};
    };
    auto upper = extent(city.y - app.fontSize4);
    auto lower = extent(city.y + 4);
    EXPECT_LT(upper.first, lower.first);
    EXPECT_GT(upper.second, lower.second);
    EXPECT_NEAR((upper.first + upper.second) / 2, city.x, 3);
    EXPECT_NEAR((lower.first + lower.second) / 2, city.x, 3);
    EXPECT_NE(readPixel(s, older.x, older.y), px(175));

    // Mode 851 shows the entry before instead.
    Screen before;
    runPass(app, labels, 0, kLabelDrawPrevious, before.surface, history);
    EXPECT_EQ(readPixel(before.surface, older.x, older.y), px(175));
    EXPECT_NE(readPixel(before.surface, town.x, town.y), px(175));

    // A topic (mode 4) marks the point of its beliefRef record, draws a
    // leader line up and to the right, and puts its name at the line's end.
    history[20].beliefRef = 12;
    history[20].languageRef = 1;
    history[20].markerStyle = 1;
    std::strcpy(history[20].label, "Topic");
    Screen topic;
    EXPECT_EQ(historyPlaceMarker(app, history, 20, kMarkerTopic, topic.surface), 0);
    const int ring = 9, nameX = town.x + 45 * ring / 10, nameY = town.y - 45 * ring / 10 - 12;
    EXPECT_EQ(readPixel(topic.surface, town.x, town.y), px(146));
    EXPECT_EQ(readPixel(topic.surface, town.x + 3 * ring, town.y - 3 * ring), px(kColorBlack));
    EXPECT_GT(count(topic.surface, 146, nameX, nameY, nameX + 80, nameY + app.fontSize3), 10);
    EXPECT_EQ(count(topic.surface, 146, town.x - 80, town.y - 60, town.x - 10, town.y + 60), 0);
}
