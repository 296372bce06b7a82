// The palette and the shared drawing primitives, checked on in-memory
// 16-bit surfaces.
#include <gtest/gtest.h>

#include <set>

#include "map/draw.h"
#include "map/palette.h"
#include "platform/surface.h"
#include "shell/app_state.h"

namespace {

std::uint16_t px(int colorIndex)
{
    return rgbTo565(paletteColor(colorIndex));
}

// Pixels of the surface inside [left, right) x [top, bottom) equal to value.
int countPixels(const DrawSurface* s, std::uint16_t value, int left = 0, int top = 0,
                int right = 100000, int bottom = 100000)
{
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, surfaceHeight(s)); ++y)
        for (int x = std::max(left, 0); x < std::min(right, surfaceWidth(s)); ++x)
            count += readPixel(s, x, y) == value;
    return count;
}

struct Canvas {
    DrawSurface* surface = createSurface(120, 80);
    ~Canvas() { destroySurface(surface); }
};

AppState screenState()
{
    AppState app{};
    setDefaults(app);
    setFontSizes(app);
    app.mapTop = 58;
    return app;
}

TEST(Palette, TableValuesAndExceptions)
{
    EXPECT_EQ(palette.size(), 216u);
    EXPECT_EQ(paletteColor(20), makeRgb(255, 200, 204));
    EXPECT_EQ(paletteColor(46), makeRgb(102, 25, 153));
    EXPECT_EQ(paletteColor(0), makeRgb(153, 0, 41));
    EXPECT_EQ(paletteColor(73), makeRgb(0, 0, 153));
    EXPECT_EQ(paletteColor(170), makeRgb(204, 204, 153));
    const int greys[] = {255, 204, 153, 102, 41, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(paletteColor(210 + i), makeRgb(greys[i], greys[i], greys[i])) << 210 + i;
    // Every other component is one of the six levels (41, not 51).
    const std::set<int> levels = {0, 41, 102, 153, 204, 255};
    for (int i = 0; i < 216; ++i) {
        if (i == 20 || i == 46)
            continue;
        Rgb c = palette[static_cast<std::size_t>(i)];
        EXPECT_TRUE(levels.count(c & 0xFF) && levels.count(c >> 8 & 0xFF) &&
                    levels.count(c >> 16 & 0xFF))
            << i;
    }
    // A damaged index never reads past the table.
    EXPECT_EQ(paletteColor(-1), makeRgb(0, 0, 0));
    EXPECT_EQ(paletteColor(216), makeRgb(0, 0, 0));
    EXPECT_EQ(rgbTo565(makeRgb(0, 0, 153)), 0x0013);
    EXPECT_EQ(rgbTo565(makeRgb(254, 0, 254)), 0xF81F);
}

TEST(Primitives, RectangleEdgesAndHatches)
{
    Canvas c;
    // Solid: right and bottom exclusive, outline and interior alike.
    ASSERT_EQ(paintRect(10, 10, 50, 30, 170, 10, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(170)), 40 * 20);
    EXPECT_EQ(readPixel(c.surface, 49, 29), px(170));
    EXPECT_EQ(readPixel(c.surface, 50, 29), 0);
    EXPECT_EQ(readPixel(c.surface, 49, 30), 0);

    // Any hatch outside 0..5 is solid as well.
    ASSERT_EQ(paintRect(60, 10, 70, 20, 12, 6, c.surface), 0);
    ASSERT_EQ(paintRect(60, 30, 70, 40, 12, -2, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(12)), 200);

    // Backward diagonal over the solid: the earlier colour stays between the
    // lines, the hatch lines follow the surface origin, the frame is solid.
    ASSERT_EQ(paintRect(10, 10, 50, 30, 206, 3, c.surface), 0);
    EXPECT_EQ(readPixel(c.surface, 10, 15), px(206)); // frame
    for (int y = 11; y < 29; ++y)
        for (int x = 11; x < 49; ++x)
            EXPECT_EQ(readPixel(c.surface, x, y), (x + y) % 8 == 7 ? px(206) : px(170)) << x << "," << y;

    // Horizontal hatch: one row in eight; cross adds the columns.
    Canvas h;
    ASSERT_EQ(paintRect(0, 0, 40, 40, 1, 0, h.surface), 0);
    EXPECT_EQ(readPixel(h.surface, 5, 8), px(1));
    EXPECT_EQ(readPixel(h.surface, 5, 9), 0);
    ASSERT_EQ(paintRect(0, 0, 40, 40, 1, 4, h.surface), 0);
    EXPECT_EQ(readPixel(h.surface, 8, 5), px(1));
    EXPECT_EQ(readPixel(h.surface, 9, 5), 0);
}

TEST(Primitives, LinesLeaveOutTheirEndPoint)
{
    Canvas c;
    ASSERT_EQ(paintLine(5, 5, 15, 5, 210, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(210)), 10);
    EXPECT_EQ(readPixel(c.surface, 5, 5), px(210));
    EXPECT_EQ(readPixel(c.surface, 14, 5), px(210));
    EXPECT_EQ(readPixel(c.surface, 15, 5), 0);
    EXPECT_EQ(countPixels(c.surface, px(210), 0, 4, 200, 5), 0); // not the row above

    // A diagonal lights one pixel per step of its longer axis.
    ASSERT_EQ(paintLine(20, 20, 40, 30, 12, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(12)), 20);
    EXPECT_EQ(readPixel(c.surface, 20, 20), px(12));
    EXPECT_EQ(readPixel(c.surface, 40, 30), 0);

    // A line clipped by the surface lights the same pixels as where it lies
    // whole on a larger one.
    DrawSurface* large = createSurface(400, 200);
    ASSERT_EQ(paintLine(100, 50, 317, 113, 73, large), 0);
    Canvas part;
    ASSERT_EQ(paintLine(-40, 10, 177, 73, 73, part.surface), 0);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(readPixel(part.surface, x, y), readPixel(large, x + 140, y + 40)) << x << "," << y;
    destroySurface(large);

    // End points far outside: clipped, and only the visible part costs time.
    ASSERT_EQ(paintLine(-2000000000, 60, 2000000000, 60, 1, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(1)), 120);
    ASSERT_EQ(paintLine(-100000, -100000, 100000, 100000, 2, c.surface), 0);
    EXPECT_EQ(countPixels(c.surface, px(2)), 80);
    EXPECT_EQ(paintLine(3, 3, 3, 3, 4, c.surface), 0); // empty
    EXPECT_EQ(countPixels(c.surface, px(4)), 0);

    ASSERT_EQ(paintThickLine(60, 40, 100, 40, 4, 116, c.surface), 0);
    EXPECT_EQ(readPixel(c.surface, 80, 39), px(116));
    EXPECT_EQ(readPixel(c.surface, 80, 41), px(116));
    EXPECT_EQ(readPixel(c.surface, 80, 44), 0);
}

TEST(Primitives, RuledBackgroundRows)
{
    AppState app = screenState();
    DrawSurface* s = createSurface(800, 600);
    ASSERT_EQ(paintRuledBackground(app, 121, s), 0);
    // Rows every 3 pixels from mapTop + 9.5 rows: beside the menu from 30% of
    // the width while above mapTop + 10.5 rows, then across, ending 3 pixels
    // above the foot.
    for (int y = 0; y < 600; ++y) {
        bool ruled = y >= 286 && y < 597 && (y - 286) % 3 == 0;
        ASSERT_EQ(readPixel(s, 240, y) == px(121), ruled) << y;
        ASSERT_EQ(readPixel(s, 239, y) == px(121), ruled && y >= 310) << y;
    }
    destroySurface(s);
}

TEST(Primitives, TextPlacementStylesAndBox)
{
    AppState app = screenState();
    DrawSurface* s = createSurface(400, 120);
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
    destroySurface(s);

    // Outlined text is ringed in black.
    DrawSurface* o = createSurface(200, 60);
    paintRect(0, 0, 200, 60, 210, 10, o);
    ASSERT_EQ(textOut(app, "Nubia", 10, 10, 36, kAlignLeft, 1, kTextOutlined, o), 0);
    EXPECT_GT(countPixels(o, px(215)), 100);
    EXPECT_EQ(app.lastTextBottom, 46);
    destroySurface(o);

    // Heavy text thickens downwards only above fontSize3 (21 at 600 rows).
    auto lowestRow = [](const DrawSurface* surface) {
        for (int y = surfaceHeight(surface) - 1; y >= 0; --y)
            for (int x = 0; x < surfaceWidth(surface); ++x)
                if (readPixel(surface, x, y) != 0)
                    return y;
        return -1;
    };
    for (int height : {21, 22}) {
        DrawSurface* plain = createSurface(120, 50);
        DrawSurface* heavy = createSurface(120, 50);
        textOut(app, "Ugarit", 5, 5, height, kAlignLeft, 210, kTextPlain, plain);
        textOut(app, "Ugarit", 5, 5, height, kAlignLeft, 210, kTextHeavy, heavy);
        EXPECT_EQ(lowestRow(heavy), lowestRow(plain) + (height > app.fontSize3 ? 1 : 0)) << height;
        destroySurface(plain);
        destroySurface(heavy);
    }

    // Single-byte texts with accented letters and typographic quotes are
    // drawn and measured in full.
    DrawSurface* accents = createSurface(200, 40);
    DrawContext* context = acquireContext(accents);
    Font font{24, 700, 0};
    EXPECT_GT(measureText(context, "Caf\xE9", font).x, measureText(context, "Caf", font).x);
    EXPECT_GT(measureText(context, "\x93Tyre\x94", font).x, measureText(context, "Tyre", font).x);
    EXPECT_EQ(measureText(context, "Tyre", font).y, 24);
    releaseContext(context);
    ASSERT_EQ(textOut(app, "\x93S\xE9\x80", 5, 5, 24, kAlignLeft, 210, 0, accents), 0);
    EXPECT_GT(countPixels(accents, px(210), 40, 0, 200, 40), 5); // past the quote and S
    destroySurface(accents);

    // Text in a box is clipped to the box and not wrapped.
    DrawSurface* t = createSurface(300, 100);
    ASSERT_EQ(textInBox(app, "A long line of history text that will not fit", 20, 20, 120, 40,
                        21, kAlignLeft, 210, 0, t),
              0);
    int inside = countPixels(t, 0, 20, 20, 120, 40);
    EXPECT_LT(inside, 100 * 20);
    EXPECT_EQ(countPixels(t, 0), 300 * 100 - (100 * 20 - inside));
    destroySurface(t);
}

TEST(Primitives, KeyedSurfaceGetsNoBlendedText)
{
    AppState app = screenState();
    DrawSurface* s = createSurface(200, 60);
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
    destroySurface(s);
}

TEST(Primitives, LostSurfaceDrawsNothing)
{
    AppState app = screenState();
    Canvas c;
    setSurfaceLost(c.surface, true);
    app.lastTextBottom = 7;
    EXPECT_EQ(paintRect(0, 0, 50, 50, 1, 10, c.surface), -1);
    EXPECT_EQ(paintLine(0, 0, 50, 50, 1, c.surface), -1);
    EXPECT_EQ(paintThickLine(0, 0, 50, 50, 3, 1, c.surface), -1);
    EXPECT_EQ(paintRuledBackground(app, 1, c.surface), -1);
    EXPECT_EQ(textOut(app, "x", 0, 0, 20, 9, 1, 0, c.surface), -1);
    EXPECT_EQ(textInBox(app, "x", 0, 0, 50, 50, 20, 9, 1, 0, c.surface), -1);
    EXPECT_EQ(app.lastTextBottom, 7);
    setSurfaceLost(c.surface, false);
    EXPECT_EQ(countPixels(c.surface, 0), 120 * 80);
    EXPECT_EQ(paintRect(0, 0, 50, 50, 1, 10, nullptr), -1);
}

} // namespace
