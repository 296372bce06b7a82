// The drawing primitives that every screen shares: filled or hatched
// rectangles, lines, the ruled background of the menus, text at a point and
// text in a box.
//
// Each primitive acquires the surface's drawing context, draws with pens,
// brushes and fonts made for the call, and releases the context; nothing
// survives the call. Each returns 0, or -1 when no drawing context could be
// had (a lost display), in which case nothing was drawn. Colours are
// ColorIndex values 0..215.
#pragma once

#include "platform/surface.h"

struct AppState;

// Text alignment values of textOut and textInBox.
inline constexpr int kAlignCenter = 8;
inline constexpr int kAlignRight = 7;
inline constexpr int kAlignLeft = 9;

// The weight of the text of textOut and textInBox and of the map's names.
inline constexpr int kFontWeightBold = 700;

// Text styles of textOut.
inline constexpr int kTextPlain = 0;
inline constexpr int kTextHeavy = 1;
inline constexpr int kTextOutlined = 2;

// Rectangle [left, right) x [top, bottom) with its outline and interior in
// the colour; hatch 0..5 fills the interior with that hatch pattern over the
// pixels already there, any other value (the program passes 10) fills it
// solid.
int paintRect(int left, int top, int right, int bottom, int colorIndex, int hatch,
              DrawSurface* surface);

// 1-pixel line from (x1, y1) to (x2, y2); the end point is not drawn.
int paintLine(int x1, int y1, int x2, int y2, int colorIndex, DrawSurface* surface);

// The same line with a pen width pixels wide (menu separators).
int paintThickLine(int x1, int y1, int x2, int y2, int width, int colorIndex,
                   DrawSurface* surface);

// Horizontal 1-pixel lines every 3 pixels behind the animations menu: from
// 30% of the width to the right edge beside the menu's heading rows, then
// across the full width down to 3 pixels above the foot of the screen.
int paintRuledBackground(const AppState& app, int colorIndex, DrawSurface* surface);

// Bold text with its top edge at y, height pixels high; align 8 centres it
// on x, 7 puts its right end at x, anything else starts it at x. Style 1
// thickens the strokes by drawing it again one pixel to the right (and, above
// fontSize3, one below); style 2 outlines it in black. Sets lastTextBottom to
// y + height.
int textOut(AppState& app, const char* text, int x, int y, int height, int align, int colorIndex,
            int style, DrawSurface* surface);

// Text with its top at y, outlined in black, in color, on a drawing context
// the caller holds: the label passes draw many names on one context. What
// textOut style 2 draws.
void outlinedText(DrawContext* context, const char* text, int x, int y, Font font,
                  TextAlign align, Rgb color);

// Bold text at the top of the box, aligned by align (8 centre, 7 right,
// anything else left), broken only at its own line ends, clipped to the box.
// style is accepted for symmetry with textOut; the text is drawn once.
int textInBox(AppState& app, const char* text, int left, int top, int right, int bottom,
              int height, int align, int colorIndex, int style, DrawSurface* surface);
