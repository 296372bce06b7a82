// Drawing surfaces and their drawing contexts: the atlas's only view of the
// raster library.
//
// A surface is a 16-bit (RGB565) picture of fixed size: the four display
// surfaces, or an in-memory one made for tests and tools. A drawing context
// is acquired on a surface (or on a printed page) for the length of one
// primitive, as the program's drawing code does everywhere: acquire, draw
// with the pens, brushes and fonts given to each call, release. No type of
// the underlying libraries appears here.
#pragma once

#include <cstdint>
#include <span>

struct DrawSurface;  // a raster surface (display buffer, layer, test bitmap)
struct DrawContext;  // a drawing context on a surface or a printed page

// A colour as the drawing interface takes it: red in the low byte, then
// green, then blue.
using Rgb = std::uint32_t;
constexpr Rgb makeRgb(int red, int green, int blue)
{
    return static_cast<Rgb>(red & 0xFF) | static_cast<Rgb>(green & 0xFF) << 8 |
           static_cast<Rgb>(blue & 0xFF) << 16;
}

// The pixel value of an RGB colour on a 16-bit surface: 5-6-5 bits, each
// component truncated.
constexpr std::uint16_t rgbTo565(Rgb rgb)
{
    return static_cast<std::uint16_t>(((rgb & 0xF8) << 8) | ((rgb >> 5) & 0x7E0) | ((rgb >> 19) & 0x1F));
}

struct PixelPoint {
    std::int32_t x;
    std::int32_t y;
};

// A pen: solid, width pixels wide. width 0 draws no outline.
struct Pen {
    int width;
    Rgb color;
};

// Brush styles: hatch patterns 0..5 (horizontal, vertical, forward
// diagonal, backward diagonal, cross, diagonal cross) over a transparent
// background, a solid fill, or no fill at all.
inline constexpr int kBrushSolid = 10;
inline constexpr int kBrushHollow = -1;
struct Brush {
    int style;
    Rgb color;
};

// Text alignment of drawText: x is the left end, the centre or the right end.
enum class TextAlign { left, center, right };

// A font of the atlas's face ("Arial", served by Liberation Sans): height in
// pixels (positive: cell height; negative: em size), weight 400 normal or
// 700 bold, escapement in tenths of a degree (900 reads bottom to top).
struct Font {
    int height;
    int weight;
    int escapement;
};

// --- Surfaces ------------------------------------------------------------

// Makes an in-memory 16-bit surface of width x height pixels, all zero.
// Returns null when it cannot be had. Free it with destroySurface.
DrawSurface* createSurface(int width, int height);
void destroySurface(DrawSurface* surface);

int surfaceWidth(const DrawSurface* surface);
int surfaceHeight(const DrawSurface* surface);

// The 16-bit pixel at (x, y), or -1 outside the surface.
int readPixel(const DrawSurface* surface, int x, int y);

// Copies the rectangle [left, right) x [top, bottom) of source into the same
// place of target; with useColorKey, source pixels equal to the source's
// colour key are skipped. Clipped to both surfaces.
void copyRect(DrawSurface* target, const DrawSurface* source, int left, int top, int right,
              int bottom, bool useColorKey);

// Sets the pixel value that copyRect leaves out for this surface.
void setColorKey(DrawSurface* surface, std::uint16_t pixel);
std::uint16_t colorKey(const DrawSurface* surface);

// Marks the surface lost (no drawing context can be had, as on a display
// that lost its screen) or restored. The display sets it; tests use it to
// reach the drawing code's failure paths.
void setSurfaceLost(DrawSurface* surface, bool lost);
bool surfaceLost(const DrawSurface* surface);

// Writes the surface as a PNG file. Returns false when it could not.
[[nodiscard]] bool saveSurfacePng(const DrawSurface* surface, const char* path);

// Reads a PNG file into a new surface (colours truncated to 16 bits), or
// null when it cannot be read. Free it with destroySurface.
DrawSurface* loadSurfacePng(const char* path);

// --- Drawing contexts ------------------------------------------------------

// Acquires a drawing context on the surface; null when it cannot be had
// (a lost display). Every acquire is matched by a release.
DrawContext* acquireContext(DrawSurface* surface);
void releaseContext(DrawContext* context);

// Rectangle: outline with the pen, interior with the brush; right and bottom
// are exclusive.
void drawRectangle(DrawContext* context, int left, int top, int right, int bottom, Pen pen,
                   Brush brush);

// Line from (x1, y1) to (x2, y2); the end point itself is not drawn.
void drawLine(DrawContext* context, int x1, int y1, int x2, int y2, Pen pen);

// Closed polygon: outline with the pen, interior with the brush, even-odd
// (alternate) filling.
void drawPolygon(DrawContext* context, std::span<const PixelPoint> points, Pen pen, Brush brush);

// Open line through the points.
void drawPolyline(DrawContext* context, std::span<const PixelPoint> points, Pen pen);

// Ellipse in the bounding box, outlined with the pen and filled with the brush.
void drawEllipse(DrawContext* context, int left, int top, int right, int bottom, Pen pen,
                 Brush brush);

// The 16-bit pixels of the context's surface for passes that set very many
// single pixels: row y starts stride pixels after row y-1. Callers must clip
// to the surface. Null for a printed page; valid until the context is
// released.
std::uint16_t* lockPixels(DrawContext* context, int& stride);

// Single pixels; getPixel returns the colour as Rgb, or -1 outside.
void setPixel(DrawContext* context, int x, int y, Rgb color);
long getPixel(DrawContext* context, int x, int y);

// Text with its top edge at y, transparent background.
void drawText(DrawContext* context, const char* text, int x, int y, Font font, TextAlign align,
              Rgb color);

// Width and height in pixels of the text in the font.
PixelPoint measureText(DrawContext* context, const char* text, Font font);

// Text at the top of the box, aligned horizontally, not wrapped, clipped to
// the box.
void drawTextInBox(DrawContext* context, const char* text, int left, int top, int right,
                   int bottom, Font font, TextAlign align, Rgb color);

// Stretches the sourceLeft, sourceTop, sourceWidth x sourceHeight part of a
// 24-bit picture (BGR rows, bottom row first, each row padded to 4 bytes)
// onto the destination rectangle. Source rows are counted from the top.
void drawPicture(DrawContext* context, std::span<const std::uint8_t> bgrRows, int pictureWidth,
                 int pictureHeight, int sourceLeft, int sourceTop, int sourceWidth,
                 int sourceHeight, int left, int top, int width, int height);
