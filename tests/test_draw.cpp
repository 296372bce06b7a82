// The palette and the shared drawing primitives, checked on in-memory
// 16-bit surfaces.
#include <gtest/gtest.h>

#include <set>

#include "map/draw.h"
#include "map/palette.h"
#include "platform/surface.h"
#include "shell/app_state.h"
#include "tests/test_support.h"

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
    int first = app.mapTop + static_cast<int>(9.5 * app.fontSize4); // 286
    int full = app.mapTop + static_cast<int>(10.5 * app.fontSize4); // 310
    EXPECT_EQ(readPixel(s, 239, first), 0);
    EXPECT_EQ(readPixel(s, 240, first), px(121));
    EXPECT_EQ(readPixel(s, 799, first), px(121));
    EXPECT_EQ(readPixel(s, 240, first + 1), 0);
    EXPECT_EQ(readPixel(s, 240, first - 3), 0);
    // The full-width rows continue the same three-pixel rhythm.
    int y = first;
    while (y < full)
        y += 3;
    EXPECT_EQ(readPixel(s, 0, y), px(121));
    EXPECT_EQ(readPixel(s, 0, y - 3), 0);
    int last = y;
    while (last + 3 < 600 - 3)
        last += 3;
    EXPECT_EQ(readPixel(s, 0, last), px(121));
    EXPECT_EQ(countPixels(s, px(121), 0, last + 1, 800, 600), 0);
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

    // Heavy text covers more pixels than plain; outlined text is ringed in black.
    DrawSurface* a = createSurface(200, 60);
    DrawSurface* b = createSurface(200, 60);
    DrawSurface* o = createSurface(200, 60);
    paintRect(0, 0, 200, 60, 210, 10, o);
    ASSERT_EQ(textOut(app, "Nubia", 10, 10, 36, kAlignLeft, 1, kTextPlain, a), 0);
    ASSERT_EQ(textOut(app, "Nubia", 10, 10, 36, kAlignLeft, 1, kTextHeavy, b), 0);
    ASSERT_EQ(textOut(app, "Nubia", 10, 10, 36, kAlignLeft, 1, kTextOutlined, o), 0);
    EXPECT_GT(countPixels(a, 0), countPixels(b, 0));
    EXPECT_GT(countPixels(o, px(215)), 100);
    EXPECT_EQ(app.lastTextBottom, 46);
    destroySurface(a);
    destroySurface(b);
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

TEST(Surfaces, KeyedCopyAndPngRoundTrip)
{
    DrawSurface* base = createSurface(64, 32);
    DrawSurface* over = createSurface(64, 32);
    DrawSurface* dest = createSurface(64, 32);
    setColorKey(over, 0xF81F);
    paintRect(0, 0, 64, 32, 170, 10, base);
    paintRect(0, 0, 64, 32, 23, 10, over); // palette 23 is (255, 0, 255): the key
    paintRect(0, 0, 16, 32, 73, 10, over);
    copyRect(dest, base, 0, 8, 64, 32, false);
    copyRect(dest, over, 0, 8, 64, 32, true);
    EXPECT_EQ(readPixel(dest, 5, 4), 0);          // above the copied rows
    EXPECT_EQ(readPixel(dest, 5, 10), px(73));    // opaque overlay
    EXPECT_EQ(readPixel(dest, 30, 10), px(170));  // key lets the base through
    EXPECT_EQ(countPixels(dest, 0xF81F), 0);

    ScratchFolder folder;
    ASSERT_TRUE(saveSurfacePng(dest, "dest.png"));
    DrawSurface* back = loadSurfacePng("dest.png");
    ASSERT_NE(back, nullptr);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(readPixel(back, x, y), readPixel(dest, x, y));
    EXPECT_EQ(loadSurfacePng("missing.png"), nullptr);
    destroySurface(back);
    destroySurface(base);
    destroySurface(over);
    destroySurface(dest);
}

} // namespace
