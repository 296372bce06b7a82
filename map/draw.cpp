// The shared drawing primitives.
#include "map/draw.h"

#include "core/app_state.h"
#include "map/palette.h"
#include "platform/surface.h"

namespace {

TextAlign textAlign(int align)
{
    if (align == kAlignCenter)
        return TextAlign::center;
    if (align == kAlignRight)
        return TextAlign::right;
    return TextAlign::left;
}

// The eight places of the black outline around text at (0, 0).
constexpr int kOutline[8][2] = {{-1, -2}, {-2, -1}, {-2, 1}, {-1, 2},
                                {1, -2},  {2, -1},  {2, 1},  {1, 2}};

} // namespace

int paintRect(int left, int top, int right, int bottom, int colorIndex, int hatch,
              DrawSurface* surface)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    Rgb color = paletteColor(colorIndex);
    int style = hatch >= 0 && hatch <= 5 ? hatch : kBrushSolid;
    drawRectangle(context, left, top, right, bottom, Pen{1, color}, Brush{style, color});
    releaseContext(context);
    return 0;
}

int paintLine(int x1, int y1, int x2, int y2, int colorIndex, DrawSurface* surface)
{
    return paintThickLine(x1, y1, x2, y2, 1, colorIndex, surface);
}

int paintThickLine(int x1, int y1, int x2, int y2, int width, int colorIndex,
                   DrawSurface* surface)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    drawLine(context, x1, y1, x2, y2, Pen{width, paletteColor(colorIndex)});
    releaseContext(context);
    return 0;
}

int paintRuledBackground(const AppState& app, int colorIndex, DrawSurface* surface)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    Pen pen{1, paletteColor(colorIndex)};
    int besideMenuLeft = static_cast<int>(0.3 * app.screenWidth);
    int y = app.mapTop + static_cast<int>(9.5 * app.fontSize4);
    int fullWidthFrom = app.mapTop + static_cast<int>(10.5 * app.fontSize4);
    // Beside the menu's heading rows the lines leave the left part free.
    for (; y < fullWidthFrom; y += 3)
        drawLine(context, besideMenuLeft, y, app.screenWidth, y, pen);
    for (; y < app.screenHeight - 3; y += 3)
        drawLine(context, 0, y, app.screenWidth, y, pen);
    releaseContext(context);
    return 0;
}

int textOut(AppState& app, const char* text, int x, int y, int height, int align, int colorIndex,
            int style, DrawSurface* surface)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    Font font{height, kFontWeightBold, 0};
    TextAlign how = textAlign(align);
    Rgb color = paletteColor(colorIndex);
    if (style == kTextHeavy) {
        drawText(context, text, x + 1, y, font, how, color);
        if (height > app.fontSize3) {
            drawText(context, text, x, y + 1, font, how, color);
            drawText(context, text, x + 1, y + 1, font, how, color);
        }
    }
    if (style == kTextOutlined)
        outlinedText(context, text, x, y, font, how, color);
    else
        drawText(context, text, x, y, font, how, color);
    releaseContext(context);
    app.lastTextBottom = y + height;
    return 0;
}

void outlinedText(DrawContext* context, const char* text, int x, int y, Font font,
                  TextAlign align, Rgb color)
{
    Rgb black = paletteColor(kColorBlack);
    for (const auto& offset : kOutline)
        drawText(context, text, x + offset[0], y + offset[1], font, align, black);
    drawText(context, text, x, y, font, align, color);
}

int textInBox(AppState& app, const char* text, int left, int top, int right, int bottom,
              int height, int align, int colorIndex, int style, DrawSurface* surface)
{
    (void)app;
    (void)style;
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return -1;
    drawTextInBox(context, text, left, top, right, bottom, Font{height, kFontWeightBold, 0},
                  textAlign(align), paletteColor(colorIndex));
    releaseContext(context);
    return 0;
}
