// The label drawing pass and the history place markers, drawn on in-memory
// surfaces and checked pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "content/nation_groups.h"
#include "map/draw.h"
#include "map/labels.h"
#include "map/palette.h"
#include "map/projection.h"
#include "platform/surface.h"
#include "shell/app_state.h"

namespace {

constexpr int kBackground = 121;

std::uint16_t px(int colorIndex)
{
    return rgbTo565(paletteColor(colorIndex));
}

// Pixels equal to colorIndex inside [left, right) x [top, bottom).
int countPixels(const DrawSurface* s, int colorIndex, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, surfaceHeight(s)); ++y)
        for (int x = std::max(left, 0); x < std::min(right, surfaceWidth(s)); ++x)
            count += readPixel(s, x, y) == px(colorIndex);
    return count;
}

// The screen of the program, cleared to a colour no label uses.
struct Screen {
    DrawSurface* surface = createSurface(800, 600);
    Screen() { paintRect(0, 0, 800, 600, kBackground, 10, surface); }
    ~Screen() { destroySurface(surface); }
};

// The whole map (far view) or Europe (a close view) on 800 x 600.
AppState mapState(int view)
{
    AppState app{};
    setDefaults(app);
    app.mapTop = 58;
    app.animationId = view;
    selectView(app, nullptr);
    app.year = 0;
    return app;
}

// A label placed straight at a screen point, as a layout pass would leave it.
LabelRow placed(int x, int y, int color, int level, int place, int trail, const char* text)
{
    LabelRow row{};
    row.screenX = x;
    row.screenY = y;
    row.firstYear = -10;
    row.endYear = 10;
    row.markerColor = static_cast<std::int16_t>(color);
    row.detailLevel = static_cast<std::int16_t>(level);
    row.textPlace = static_cast<std::int16_t>(place);
    row.trail = static_cast<std::int16_t>(trail);
    row.group = 11;
    std::strcpy(row.text, text);
    return row;
}

int drawPass(AppState& app, LabelTable& labels, int count, DrawSurface* surface,
             int mode = kLabelDraw)
{
    app.labelCount = count;
    return mapLabels(app, historyTable, periodIndex, lineStore, nationGroupStart, labels, mode,
                     surface);
}

// White text pixels in the text line whose top is y, around x.
int textPixels(const DrawSurface* s, int x, int y, int height)
{
    return countPixels(s, kColorWhite, x - 40, y, x + 40, y + height);
}

} // namespace

TEST(LabelDrawing, DotsTrailsLevelsAndTextPlace)
{
    AppState app = mapState(kDefaultMapView); // far view: dots of radius 600 / 70 = 8
    Screen screen;
    LabelTable labels{};
    labels[0] = placed(200, 200, 4, 1, 1, 3, "Bantu");  // trail 3: dots to the right
    labels[1] = placed(500, 200, 131, 3, 2, 0, "Celt"); // level 3: dot, never the text
    labels[2] = placed(200, 400, 0, 2, 1, 0, "Wales");  // level 2: close views only
    labels[3] = placed(500, 400, 133, 1, 2, 0, "Slav"); // text one line above the dot
    EXPECT_EQ(drawPass(app, labels, 4, screen.surface), 0);
    DrawSurface* s = screen.surface;

    // Four dots in a row, 12 pixels apart, the main one at the point.
    for (int k = 0; k <= 3; ++k)
        EXPECT_EQ(readPixel(s, 200 + 12 * k, 200), px(4)) << "dot " << k;
    EXPECT_EQ(countPixels(s, 4, 150, 190, 192, 210), 0) << "nothing left of the main dot";
    EXPECT_EQ(countPixels(s, 4, 245, 190, 260, 210), 0) << "no fifth dot";
    EXPECT_GT(textPixels(s, 200, 200, app.fontSize3), 20);

    EXPECT_EQ(readPixel(s, 500, 200), px(131));
    EXPECT_EQ(countPixels(s, kColorWhite, 440, 150, 560, 240), 0);

    EXPECT_EQ(countPixels(s, kColorWhite, 140, 390, 260, 440), 0);

    EXPECT_EQ(readPixel(s, 500, 400), px(133));
    EXPECT_GT(textPixels(s, 500, 400 - app.fontSize4, app.fontSize3), 20);
    EXPECT_EQ(countPixels(s, kColorWhite, 460, 400 + 9, 540, 400 + app.fontSize3), 0);

    // In a close view the level-2 name shows and the dots grow to 600 / 50.
    app = mapState(0);
    Screen close;
    EXPECT_EQ(drawPass(app, labels, 4, close.surface), 0);
    EXPECT_GT(textPixels(close.surface, 200, 400, app.fontSize3), 20);
    EXPECT_EQ(readPixel(close.surface, 200 + 3 * 18, 200), px(4));
    EXPECT_EQ(countPixels(close.surface, kColorWhite, 440, 150, 560, 240), 0);
}

TEST(LabelDrawing, YearsMenuBandAndLostSurface)
{
    AppState app = mapState(kDefaultMapView);
    const int halfText = app.fontSize4 / 2;
    LabelTable labels{};
    labels[0] = placed(200, 300, 0, 1, 1, 0, "Rome");
    labels[1] = placed(400, app.mapTop + halfText, 4, 1, 1, 0, "Kush");     // against the band
    labels[2] = placed(600, app.mapTop + halfText + 1, 4, 1, 1, 0, "Kush"); // just below it
    labels[3] = placed(kLabelOutside, 300, 4, 1, 1, 0, "Gone");

    const struct {
        int year;
        bool shown;
    } years[] = {{-11, false}, {-10, true}, {9, true}, {10, false}};
    for (const auto& step : years) {
        Screen screen;
        app.year = step.year;
        drawPass(app, labels, 4, screen.surface);
        EXPECT_EQ(textPixels(screen.surface, 200, 300, app.fontSize3) > 0, step.shown)
            << step.year;
        EXPECT_EQ(countPixels(screen.surface, 4, 390, 0, 410, 100), 0);
        EXPECT_EQ(readPixel(screen.surface, 600, app.mapTop + halfText + 1) == px(4), step.shown);
    }

    Screen lost;
    app.year = 0;
    setSurfaceLost(lost.surface, true);
    EXPECT_EQ(drawPass(app, labels, 4, lost.surface), -1);
    setSurfaceLost(lost.surface, false);
    EXPECT_EQ(countPixels(lost.surface, kColorWhite, 0, 0, 800, 600), 0);
}

TEST(LabelDrawing, HistoryPlaceMarkers)
{
    AppState app = mapState(kDefaultMapView);
    app.animationId = 30; // a national group's animation (the view stays the whole map)
    HistoryTable history{};
    // Entry 4 is a period naming places 12 and 7 (markerY 1207) and 9
    // (markerStyle 9); entry 3 names place 8.
    history[4].markerY = 1207;
    history[4].markerStyle = 9;
    history[3].markerY = 8;
    auto place = [&](int k, int lon, int lat, int style, int placement, const char* label) {
        history[k].markerX = static_cast<std::int16_t>(lon);
        history[k].markerY = static_cast<std::int16_t>(lat);
        history[k].markerStyle = static_cast<std::int16_t>(style);
        history[k].mapYear = static_cast<std::int16_t>(placement);
        std::strcpy(history[k].label, label);
    };
    place(12, 2000, 4000, 1, 0, "Town");
    place(7, 6000, 3000, 3, 6, "Battle");
    place(9, 9000, 2000, 2, 2, "Pataliputra, Magadha");
    place(8, 11000, 3500, 1, 0, "Luoyang");
    auto at = [&](int k) { return projectPoint(app, history[k].markerX, mercator(history[k].markerY)); };

    LabelTable labels{};
    app.selectedRecord = 4;
    Screen now;
    EXPECT_EQ(mapLabels(app, history, periodIndex, lineStore, nationGroupStart, labels, kLabelDraw,
                        now.surface),
              0);
    DrawSurface* s = now.surface;
    // A town: yellow square core inside a black square; its name above it.
    ScreenPoint town = at(12);
    EXPECT_EQ(readPixel(s, town.x, town.y), px(175));
    EXPECT_EQ(readPixel(s, town.x - 3, town.y), px(kColorBlack));
    EXPECT_GT(countPixels(s, 175, town.x - 40, town.y - 40, town.x + 40, town.y - 6), 10);
    // A battle: red core in a black ring, the name below it.
    ScreenPoint battle = at(7);
    EXPECT_EQ(readPixel(s, battle.x, battle.y), px(204));
    EXPECT_EQ(readPixel(s, battle.x - 5, battle.y), px(kColorBlack));
    EXPECT_GT(countPixels(s, 204, battle.x - 40, battle.y + 8, battle.x + 40, battle.y + 40), 10);
    // Placement 2: no marker; "Pataliputra" centred on the line above the
    // point, "Magadha" (shorter) on the line at it.
    ScreenPoint city = at(9);
    EXPECT_NE(readPixel(s, city.x, city.y - 30), px(kColorBlack));
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
    // The previous entry's place is not drawn in mode 850...
    ScreenPoint luoyang = at(8);
    EXPECT_NE(readPixel(s, luoyang.x, luoyang.y), px(175));

    // ...but is in mode 851, which draws entry 3 instead of entry 4.
    Screen before;
    mapLabels(app, history, periodIndex, lineStore, nationGroupStart, labels, kLabelDrawPrevious,
              before.surface);
    EXPECT_EQ(readPixel(before.surface, luoyang.x, luoyang.y), px(175));
    EXPECT_NE(readPixel(before.surface, town.x, town.y), px(175));

    // A region animation shows no places.
    app.animationId = 9;
    Screen region;
    mapLabels(app, history, periodIndex, lineStore, nationGroupStart, labels, kLabelDraw,
              region.surface);
    EXPECT_NE(readPixel(region.surface, town.x, town.y), px(175));

    // A topic (mode 4): the point of its beliefRef record, a leader line up
    // and to the right, and its name at the line's end.
    history[20].beliefRef = 12;
    history[20].languageRef = 1;
    history[20].markerStyle = 1;
    std::strcpy(history[20].label, "Topic");
    Screen topic;
    EXPECT_EQ(historyPlaceMarker(app, history, 20, kMarkerTopic, topic.surface), 0);
    const int ring = 9; // 0.015 x 600
    EXPECT_EQ(readPixel(topic.surface, town.x, town.y), px(146));
    EXPECT_EQ(readPixel(topic.surface, town.x + 3 * ring, town.y - 3 * ring), px(kColorBlack));
    int nameLeft = town.x + 45 * ring / 10;
    EXPECT_GT(countPixels(topic.surface, 146, nameLeft, town.y - 45 * ring / 10 - 12, nameLeft + 80,
                          town.y - 45 * ring / 10 - 12 + app.fontSize3),
              10);
    EXPECT_EQ(countPixels(topic.surface, 146, town.x - 80, town.y - 60, town.x - 10, town.y + 60), 0);
}
