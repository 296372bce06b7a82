// The palette and the shared drawing primitives, checked on in-memory
// 16-bit surfaces.
#include <gtest/gtest.h>

#include <vector>

#include "core/app_state.h"
#include "map/draw.h"
#include "map/palette.h"
#include "platform/surface.h"
#include "tests/map_fixture.h"

namespace {

AppState screenState()
{
    AppState app{};
    setDefaults(app);
    setFontSizes(app);
    app.mapTop = 58;
    return app;
}

TEST(Palette, EveryEntryOfTheTable)
{
    // The table as the atlas's colour chart gives it, six entries a row;
    // 20 (green 200) and 46 (green 25) are the two off-level entries.
    const int chart[216][3] = {
        {153, 0, 41}, {255, 41, 102}, {204, 0, 41}, {255, 0, 41}, {255, 153, 153}, {204, 41, 102},
        {255, 204, 255}, {204, 41, 153}, {153, 41, 102}, {102, 0, 41}, {204, 41, 153}, {255, 153, 204},
        {255, 102, 204}, {255, 153, 255}, {255, 102, 153}, {204, 0, 102}, {255, 0, 102}, {255, 41, 153},
        {255, 0, 153}, {255, 41, 204}, {255, 200, 204}, {255, 102, 255}, {255, 41, 255}, {255, 0, 255},
        {204, 0, 153}, {153, 0, 102}, {204, 102, 204}, {204, 41, 204}, {204, 153, 255}, {204, 102, 255},
        {204, 41, 255}, {153, 41, 153}, {204, 0, 204}, {204, 0, 255}, {153, 0, 204}, {153, 0, 153},
        {204, 153, 204}, {153, 102, 153}, {102, 41, 102}, {102, 0, 153}, {153, 41, 204}, {102, 0, 102},
        {153, 0, 255}, {153, 41, 255}, {153, 102, 204}, {41, 0, 41}, {102, 25, 153}, {102, 41, 204},
        {102, 0, 204}, {153, 102, 255}, {41, 0, 102}, {102, 0, 255}, {102, 41, 255}, {204, 204, 255},
        {153, 153, 255}, {153, 153, 204}, {102, 102, 204}, {102, 102, 255}, {102, 102, 153}, {41, 41, 102},
        {41, 41, 153}, {41, 0, 153}, {41, 0, 204}, {41, 0, 255}, {41, 41, 255}, {41, 41, 204},
        {0, 102, 255}, {0, 41, 255}, {41, 102, 255}, {41, 102, 204}, {0, 0, 102}, {0, 0, 41},
        {0, 0, 255}, {0, 0, 153}, {0, 41, 204}, {0, 0, 153}, {41, 102, 153}, {0, 102, 204},
        {153, 204, 255}, {102, 153, 255}, {0, 41, 102}, {102, 153, 204}, {0, 102, 153}, {41, 153, 204},
        {0, 153, 204}, {102, 204, 255}, {41, 153, 255}, {0, 41, 153}, {0, 153, 255}, {41, 204, 255},
        {0, 204, 255}, {153, 255, 255}, {102, 255, 255}, {41, 255, 255}, {0, 255, 255}, {0, 204, 204},
        {0, 153, 153}, {102, 153, 153}, {153, 204, 204}, {204, 255, 255}, {41, 204, 204}, {102, 204, 204},
        {41, 153, 153}, {41, 102, 102}, {0, 102, 102}, {0, 41, 41}, {0, 255, 204}, {41, 255, 204},
        {41, 204, 153}, {0, 204, 153}, {102, 255, 204}, {153, 255, 204}, {0, 255, 153}, {41, 153, 102},
        {0, 102, 41}, {41, 102, 41}, {102, 153, 102}, {102, 204, 102}, {153, 255, 153}, {102, 255, 102},
        {41, 153, 41}, {153, 204, 153}, {102, 255, 153}, {41, 255, 153}, {41, 204, 102}, {0, 204, 102},
        {102, 204, 153}, {0, 153, 102}, {0, 153, 41}, {41, 255, 102}, {0, 255, 102}, {204, 255, 204},
        {204, 255, 153}, {153, 255, 102}, {153, 255, 41}, {0, 255, 41}, {41, 255, 41}, {0, 204, 41},
        {41, 204, 41}, {102, 255, 41}, {0, 255, 0}, {102, 204, 41}, {0, 102, 0}, {0, 41, 0},
        {0, 153, 0}, {41, 255, 0}, {102, 255, 0}, {153, 255, 0}, {102, 204, 0}, {0, 204, 0},
        {41, 204, 0}, {41, 153, 0}, {153, 204, 102}, {102, 153, 41}, {153, 204, 41}, {41, 102, 0},
        {102, 153, 0}, {153, 204, 0}, {204, 255, 102}, {204, 255, 41}, {204, 255, 0}, {153, 153, 0},
        {204, 204, 0}, {204, 204, 41}, {41, 41, 0}, {102, 102, 0}, {153, 153, 41}, {204, 204, 102},
        {102, 102, 41}, {153, 153, 102}, {204, 204, 153}, {255, 255, 204}, {255, 255, 153}, {255, 255, 102},
        {255, 255, 41}, {255, 255, 0}, {255, 204, 0}, {255, 204, 102}, {255, 204, 41}, {204, 153, 41},
        {153, 102, 0}, {204, 153, 0}, {255, 153, 0}, {204, 102, 0}, {153, 41, 0}, {204, 102, 41},
        {102, 41, 0}, {255, 153, 102}, {255, 102, 41}, {255, 153, 41}, {255, 102, 0}, {204, 41, 0},
        {153, 102, 41}, {41, 0, 0}, {102, 41, 41}, {153, 102, 102}, {204, 153, 153}, {153, 41, 41},
        {204, 102, 102}, {255, 204, 204}, {255, 41, 41}, {204, 41, 41}, {255, 102, 102}, {102, 0, 0},
        {153, 0, 0}, {204, 0, 0}, {255, 0, 0}, {255, 41, 0}, {204, 153, 102}, {255, 204, 153},
        {255, 255, 255}, {204, 204, 204}, {153, 153, 153}, {102, 102, 102}, {41, 41, 41}, {0, 0, 0},
    };
    ASSERT_EQ(palette.size(), 216u);
    for (int i = 0; i < 216; ++i)
        EXPECT_EQ(paletteColor(i), makeRgb(chart[i][0], chart[i][1], chart[i][2])) << i;
    // A damaged index never reads past the table.
    EXPECT_EQ(paletteColor(-1), makeRgb(0, 0, 0));
    EXPECT_EQ(paletteColor(216), makeRgb(0, 0, 0));
    EXPECT_EQ(rgbTo565(makeRgb(0, 0, 153)), 0x0013);
    EXPECT_EQ(rgbTo565(makeRgb(254, 0, 254)), 0xF81F);
}

TEST(Primitives, RectangleEdgesAndHatches)
{
    Bitmap c(120, 80);
    // Solid: right and bottom exclusive, outline and interior alike.
    ASSERT_EQ(paintRect(10, 10, 50, 30, 170, 10, c), 0);
    EXPECT_EQ(countPixels(c, px(170)), 40 * 20);
    EXPECT_EQ(readPixel(c, 49, 29), px(170));
    EXPECT_EQ(readPixel(c, 50, 29), 0);
    EXPECT_EQ(readPixel(c, 49, 30), 0);

    // Any hatch outside 0..5 is solid as well.
    ASSERT_EQ(paintRect(60, 10, 70, 20, 12, 6, c), 0);
    ASSERT_EQ(paintRect(60, 30, 70, 40, 12, -2, c), 0);
    EXPECT_EQ(countPixels(c, px(12)), 200);

    // Backward diagonal over the solid: the earlier colour stays between the
    // lines, the hatch lines follow the surface origin, the frame is solid.
    ASSERT_EQ(paintRect(10, 10, 50, 30, 206, 3, c), 0);
    EXPECT_EQ(readPixel(c, 10, 15), px(206)); // frame
    for (int y = 11; y < 29; ++y)
        for (int x = 11; x < 49; ++x)
            EXPECT_EQ(readPixel(c, x, y), (x + y) % 8 == 7 ? px(206) : px(170)) << x << "," << y;

    // Horizontal hatch: one row in eight; cross adds the columns.
    Bitmap h(120, 80);
    ASSERT_EQ(paintRect(0, 0, 40, 40, 1, 0, h), 0);
    EXPECT_EQ(readPixel(h, 5, 8), px(1));
    EXPECT_EQ(readPixel(h, 5, 9), 0);
    ASSERT_EQ(paintRect(0, 0, 40, 40, 1, 4, h), 0);
    EXPECT_EQ(readPixel(h, 8, 5), px(1));
    EXPECT_EQ(readPixel(h, 9, 5), 0);
}

TEST(Primitives, LinesLeaveOutTheirEndPoint)
{
    Bitmap c(120, 80);
    ASSERT_EQ(paintLine(5, 5, 15, 5, 210, c), 0);
    EXPECT_EQ(countPixels(c, px(210)), 10);
    EXPECT_EQ(readPixel(c, 5, 5), px(210));
    EXPECT_EQ(readPixel(c, 14, 5), px(210));
    EXPECT_EQ(readPixel(c, 15, 5), 0);

    // A diagonal lights one pixel per step of its longer axis.
    ASSERT_EQ(paintLine(20, 20, 40, 30, 12, c), 0);
    EXPECT_EQ(countPixels(c, px(12)), 20);
    EXPECT_EQ(readPixel(c, 20, 20), px(12));
    EXPECT_EQ(readPixel(c, 40, 30), 0);

    // A line clipped by the surface lights the same pixels as where it lies
    // whole on a larger one.
    Bitmap large(400, 200), part(120, 80);
    ASSERT_EQ(paintLine(100, 50, 317, 113, 73, large), 0);
    ASSERT_EQ(paintLine(-40, 10, 177, 73, 73, part), 0);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(readPixel(part, x, y), readPixel(large, x + 140, y + 40)) << x << "," << y;

    // End points far outside: clipped, and only the visible part costs time.
    ASSERT_EQ(paintLine(-2000000000, 60, 2000000000, 60, 1, c), 0);
    EXPECT_EQ(countPixels(c, px(1)), 120);
    ASSERT_EQ(paintLine(-100000, -100000, 100000, 100000, 2, c), 0);
    EXPECT_EQ(countPixels(c, px(2)), 80);
    EXPECT_EQ(paintLine(3, 3, 3, 3, 4, c), 0); // empty
    EXPECT_EQ(countPixels(c, px(4)), 0);

    ASSERT_EQ(paintThickLine(60, 40, 100, 40, 4, 116, c), 0);
    EXPECT_EQ(readPixel(c, 80, 39), px(116));
    EXPECT_EQ(readPixel(c, 80, 41), px(116));
    EXPECT_EQ(readPixel(c, 80, 44), 0);
}

TEST(Primitives, RuledBackgroundRows)
{
    AppState app = screenState();
    Bitmap s(800, 600);
    ASSERT_EQ(paintRuledBackground(app, 121, s), 0);
    // Rows every 3 pixels from mapTop + 9.5 rows: beside the menu from 30% of
    // the width while above mapTop + 10.5 rows, then across, ending 3 pixels
    // above the foot.
    for (int y = 0; y < 600; ++y) {
        bool ruled = y >= 286 && y < 597 && (y - 286) % 3 == 0;
        ASSERT_EQ(readPixel(s, 240, y) == px(121), ruled) << y;
        ASSERT_EQ(readPixel(s, 239, y) == px(121), ruled && y >= 310) << y;
    }
}

TEST(Primitives, TextPlacementStylesAndBox)
{
    AppState app = screenState();
    Bitmap s(400, 120);
    // Left, right and centre alignment about x = 200.
    ASSERT_EQ(textOut(app, "Roma", 200, 10, 24, kAlignLeft, 210, 0, s), 0);
    EXPECT_EQ(app.lastTextBottom, 34);
    EXPECT_EQ(countPixels(s, px(210), 0, 0, 199, 120), 0);
    EXPECT_GT(countPixels(s, px(210), 200, 10, 400, 34), 20);
    ASSERT_EQ(textOut(app, "Roma", 200, 50, 24, kAlignRight, 206, 0, s), 0);
    EXPECT_EQ(countPixels(s, px(206), 202, 0, 400, 120), 0);
    EXPECT_GT(countPixels(s, px(206), 0, 50, 200, 74), 20);
    ASSERT_EQ(textOut(app, "Roma", 200, 85, 24, kAlignCenter, 144, 0, s), 0);
    EXPECT_GT(countPixels(s, px(144), 150, 85, 200, 110), 10);
    EXPECT_GT(countPixels(s, px(144), 200, 85, 250, 110), 10);

    // Heavy and outlined text are plain copies at fixed offsets, in the
    // order listed: heavy thickens downwards only above fontSize3 (21 at
    // 600 rows); the outline is eight black copies under the text.
    struct Copy {
        int dx, dy, colorIndex;
    };
    struct StyleCase {
        int style, height;
        std::vector<Copy> copies;
    };
    const StyleCase styles[] = {
        {kTextHeavy, 21, {{1, 0, 1}, {0, 0, 1}}},
        {kTextHeavy, 22, {{1, 0, 1}, {0, 1, 1}, {1, 1, 1}, {0, 0, 1}}},
        {kTextOutlined, 24, {{-1, -2, 215}, {-2, -1, 215}, {-2, 1, 215}, {-1, 2, 215},
                             {1, -2, 215}, {2, -1, 215}, {2, 1, 215}, {1, 2, 215}, {0, 0, 1}}},
    };
    for (const StyleCase& c : styles) {
        Bitmap styled(140, 50), copies(140, 50);
        paintRect(0, 0, 140, 50, 121, 10, styled);
        paintRect(0, 0, 140, 50, 121, 10, copies);
        ASSERT_EQ(textOut(app, "Ugarit", 10, 10, c.height, kAlignLeft, 1, c.style, styled), 0);
        EXPECT_EQ(app.lastTextBottom, 10 + c.height);
        for (const Copy& copy : c.copies)
            textOut(app, "Ugarit", 10 + copy.dx, 10 + copy.dy, c.height, kAlignLeft,
                    copy.colorIndex, kTextPlain, copies);
        EXPECT_EQ(differingPixels(styled, copies), 0) << c.style << " " << c.height;
    }

    // Single-byte texts with accented letters and typographic quotes are
    // drawn and measured in full.
    Bitmap accents(200, 40);
    DrawContext* context = acquireContext(accents);
    Font font{24, 700, 0};
    EXPECT_GT(measureText(context, "Caf\xE9", font).x, measureText(context, "Caf", font).x);
    EXPECT_GT(measureText(context, "\x93Tyre\x94", font).x, measureText(context, "Tyre", font).x);
    EXPECT_EQ(measureText(context, "Tyre", font).y, 24);
    releaseContext(context);
    ASSERT_EQ(textOut(app, "\x93S\xE9\x80", 5, 5, 24, kAlignLeft, 210, 0, accents), 0);
    EXPECT_GT(countPixels(accents, px(210), 40, 0, 200, 40), 5); // past the quote and S

    // Text in a box stands at its top, is not wrapped and is clipped to the
    // box; centred, it reaches both halves.
    Bitmap t(300, 100);
    ASSERT_EQ(textInBox(app, "A long line of history text that will not fit", 20, 20, 120, 90,
                        21, kAlignCenter, 210, 0, t),
              0);
    int drawn = countPixels(t, px(210));
    EXPECT_EQ(countPixels(t, px(210), 20, 20, 120, 41), drawn);
    EXPECT_GT(countPixels(t, px(210), 20, 20, 70, 41), 20);
    EXPECT_GT(countPixels(t, px(210), 70, 20, 120, 41), 20);
}

TEST(Primitives, KeyedSurfaceGetsNoBlendedText)
{
    AppState app = screenState();
    Bitmap s(200, 60);
    setColorKey(s, 0xF81F);
    DrawContext* context = acquireContext(s);
    drawRectangle(context, 0, 0, 200, 60, Pen{0, 0}, Brush{kBrushSolid, makeRgb(254, 0, 254)});
    releaseContext(context);
    ASSERT_EQ(textOut(app, "Carthago", 5, 5, 36, kAlignLeft, 215, 0, s), 0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            int p = readPixel(s, x, y);
            ASSERT_TRUE(p == 0xF81F || p == px(215)) << x << "," << y << ": " << p;
        }
}

TEST(Primitives, LostSurfaceDrawsNothing)
{
    AppState app = screenState();
    Bitmap c(120, 80);
    setSurfaceLost(c, true);
    app.lastTextBottom = 7;
    EXPECT_EQ(paintRect(0, 0, 50, 50, 1, 10, c), -1);
    EXPECT_EQ(paintLine(0, 0, 50, 50, 1, c), -1);
    EXPECT_EQ(paintThickLine(0, 0, 50, 50, 3, 1, c), -1);
    EXPECT_EQ(paintRuledBackground(app, 1, c), -1);
    EXPECT_EQ(textOut(app, "x", 0, 0, 20, 9, 1, 0, c), -1);
    EXPECT_EQ(textInBox(app, "x", 0, 0, 50, 50, 20, 9, 1, 0, c), -1);
    EXPECT_EQ(app.lastTextBottom, 7);
    setSurfaceLost(c, false);
    EXPECT_EQ(countPixels(c, 0), 120 * 80);
    EXPECT_EQ(paintRect(0, 0, 50, 50, 1, 10, nullptr), -1);
}

} // namespace
