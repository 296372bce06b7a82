// Drawing surfaces and contexts over Cairo image surfaces in RGB565.
//
// The atlas draws like a 1990s drawing interface: no anti-aliasing on shapes,
// 1-pixel lines that leave out their end point, hatch brushes over a
// transparent background aligned to the surface origin. Everything that has
// to be pixel-exact (pixels, 1-pixel lines, rectangles, hatches) is written
// straight into the surface memory, and so are polygon fills, which happen
// by the thousand per map; ellipses, wide lines, text and pictures go
// through Cairo with anti-aliasing switched off for shapes. Contexts on a
// printed page draw everything through Cairo.
//
// The atlas's texts are single-byte (Windows-1252); they are turned into
// UTF-8 for Cairo here.
//
// Text is smoothed only on surfaces without a colour key: on a keyed layer a
// blended edge pixel would be a near-key colour that the keyed copy lets
// through as a fringe.
#include "platform/surface.h"
#include "platform/surface_internal.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <utility>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

void (*presentShownSurface)() = nullptr;

namespace {

// Hatch tiles, one byte per row, bit x set where the hatch line passes.
// They repeat every 8 pixels from the surface origin.
constexpr std::uint8_t kHatchRows[6][8] = {
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                              // 0 horizontal
    {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01},         // 1 vertical
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},         // 2 forward diagonal
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},         // 3 backward diagonal
    {0xFF, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01},         // 4 cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},         // 5 diagonal cross
};

bool isHatch(int style)
{
    return style >= 0 && style <= 5;
}

bool hatchBit(int style, int x, int y)
{
    return (kHatchRows[style][y & 7] >> (x & 7)) & 1;
}

double red(Rgb c) { return (c & 0xFF) / 255.0; }
double green(Rgb c) { return ((c >> 8) & 0xFF) / 255.0; }
double blue(Rgb c) { return ((c >> 16) & 0xFF) / 255.0; }

// Before writing memory that Cairo may have drawn into.
void beginDirect(DrawContext* context)
{
    if (context->cairoDrew) {
        cairo_surface_flush(context->surface->image);
        context->cairoDrew = false;
    }
    context->pixelsWritten = true;
}

// The Cairo context for a vector operation, created on first use. Callers
// must have a context on a surface or a page.
cairo_t* vectorContext(DrawContext* context)
{
    if (context->surface != nullptr) {
        if (context->pixelsWritten) {
            cairo_surface_mark_dirty(context->surface->image);
            context->pixelsWritten = false;
        }
        context->cairoDrew = true;
    }
    if (context->cr == nullptr) {
        context->cr = cairo_create(context->surface->image);
        cairo_set_antialias(context->cr, CAIRO_ANTIALIAS_NONE);
        context->ownsCairo = true;
    }
    return context->cr;
}

// Clips [left, right) x [top, bottom) to the surface; false when nothing of
// it is left to draw.
bool clipToSurface(const DrawSurface* surface, int& left, int& top, int& right, int& bottom)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, surface->width);
    bottom = std::min(bottom, surface->height);
    return left < right && top < bottom;
}

// Fills [left, right) x [top, bottom), clipped; callers pass any rectangle.
void fillSpanRect(DrawSurface* surface, int left, int top, int right, int bottom,
                  std::uint16_t pixel)
{
    if (!clipToSurface(surface, left, top, right, bottom))
        return;
    for (int y = top; y < bottom; ++y) {
        std::uint16_t* row = surface->pixels + static_cast<std::ptrdiff_t>(y) * surface->stride;
        std::fill(row + left, row + right, pixel);
    }
}

// The same rectangle with a hatch pattern: only the pattern's pixels change.
void hatchSpanRect(DrawSurface* surface, int left, int top, int right, int bottom, int style,
                   std::uint16_t pixel)
{
    if (!clipToSurface(surface, left, top, right, bottom))
        return;
    for (int y = top; y < bottom; ++y) {
        std::uint16_t* row = surface->pixels + static_cast<std::ptrdiff_t>(y) * surface->stride;
        for (int x = left; x < right; ++x)
            if (hatchBit(style, x, y))
                row[x] = pixel;
    }
}

void putPixel(DrawSurface* surface, int x, int y, std::uint16_t pixel)
{
    if (x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return;
    surface->pixels[static_cast<std::ptrdiff_t>(y) * surface->stride + x] = pixel;
}

// A 1-pixel line from (x1, y1) towards (x2, y2), the end point left out.
// Step k of the major axis lights the minor-axis pixel nearest the ideal line,
// computed directly for each step, so that only the steps inside the surface
// are visited however far outside the end points lie.
void bresenhamLine(DrawSurface* surface, int x1, int y1, int x2, int y2, std::uint16_t pixel)
{
    std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
    std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
    std::int64_t adx = dx < 0 ? -dx : dx;
    std::int64_t ady = dy < 0 ? -dy : dy;
    int sx = dx < 0 ? -1 : 1;
    int sy = dy < 0 ? -1 : 1;
    bool xMajor = adx >= ady;
    std::int64_t steps = xMajor ? adx : ady;
    if (steps == 0)
        return;
    std::int64_t minor = xMajor ? ady : adx;
    // Steps whose major coordinate lies on the surface.
    std::int64_t start = xMajor ? x1 : y1;
    int sMajor = xMajor ? sx : sy;
    std::int64_t extent = xMajor ? surface->width : surface->height;
    std::int64_t first = sMajor > 0 ? -start : start - (extent - 1);
    std::int64_t last = sMajor > 0 ? extent - 1 - start : start;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);
    if (first > last)
        return;
    bool inside = x1 >= 0 && y1 >= 0 && x1 < surface->width && y1 < surface->height &&
                  x2 >= 0 && y2 >= 0 && x2 < surface->width && y2 < surface->height;
    // Minor offset of step k: (2 k minor + steps) div (2 steps), kept as a
    // quotient and remainder from the first drawn step on.
    if (inside) {
        // The common case, both ends on the surface: no clipping per pixel,
        // and step 0 has offset 0 and remainder steps.
        int twoMinor = static_cast<int>(2 * minor), twoSteps = static_cast<int>(2 * steps);
        int rest = static_cast<int>(steps);
        std::ptrdiff_t stride = surface->stride;
        std::uint16_t* at = surface->pixels + static_cast<std::ptrdiff_t>(y1) * stride + x1;
        std::ptrdiff_t majorStep = xMajor ? sx : sy * stride;
        std::ptrdiff_t minorStep = xMajor ? sy * stride : sx;
        for (std::int64_t k = 0; k < steps; ++k) {
            *at = pixel;
            at += majorStep;
            rest += twoMinor;
            if (rest >= twoSteps) {
                rest -= twoSteps;
                at += minorStep;
            }
        }
        return;
    }
    std::int64_t numerator = 2 * first * minor + steps;
    std::int64_t offset = numerator / (2 * steps);
    std::int64_t remainder = numerator % (2 * steps);
    for (std::int64_t k = first; k <= last; ++k) {
        std::int64_t major = start + sMajor * k;
        if (xMajor)
            putPixel(surface, static_cast<int>(major), static_cast<int>(y1 + sy * offset), pixel);
        else
            putPixel(surface, static_cast<int>(x1 + sx * offset), static_cast<int>(major), pixel);
        remainder += 2 * minor;
        if (remainder >= 2 * steps) {
            remainder -= 2 * steps;
            ++offset;
        }
    }
}

// Even-odd fill of a polygon straight into the surface, sampling each pixel
// at its centre as the vector rasteriser does: a pixel is inside when its
// centre is. Returns false (nothing drawn) when the polygon has more edges
// than the fixed buffers hold; the caller then lets Cairo fill it.
inline constexpr int kFillEdges = 1024;
// Crossings are kept in fixed point with 16 fractional bits.
inline constexpr int kFixedShift = 16;
inline constexpr std::int64_t kFixedHalf = std::int64_t{1} << (kFixedShift - 1);
inline constexpr std::int64_t kFixedAlmostOne = (std::int64_t{1} << kFixedShift) - 1;

struct FillEdge {
    std::int64_t x;    // crossing at the centre of the row being filled
    std::int64_t step; // change of x from one row to the next
    int firstRow;      // rows firstRow..lastRow have their centre on the edge
    int lastRow;
};

struct FillBuffers {
    std::array<FillEdge, kFillEdges> edges;  // sorted by first row
    std::array<FillEdge, kFillEdges> active; // edges crossing the row being filled
    std::array<std::int64_t, kFillEdges> crossings;
};

FillBuffers fillBuffers;

// The first pixel whose centre lies at or right of the fixed-point x.
int firstPixelFrom(std::int64_t x)
{
    return static_cast<int>((x - kFixedHalf + kFixedAlmostOne) >> kFixedShift);
}

bool fillPolygonDirect(DrawSurface* surface, std::span<const PixelPoint> points, Brush brush)
{
    if (points.size() > static_cast<std::size_t>(kFillEdges))
        return false;
    auto& edges = fillBuffers.edges;
    int edgeCount = 0;
    int top = surface->height, bottom = -1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        PixelPoint a = points[i];
        PixelPoint b = points[(i + 1) % points.size()];
        if (a.y == b.y)
            continue;
        if (a.y > b.y)
            std::swap(a, b);
        // Centres y + 0.5 in [a.y, b.y): rows a.y .. b.y - 1.
        int firstRow = std::max(a.y, 0);
        int lastRow = std::min(b.y - 1, surface->height - 1);
        if (firstRow > lastRow)
            continue;
        std::int64_t dx = static_cast<std::int64_t>(b.x) - a.x;
        std::int64_t dy = static_cast<std::int64_t>(b.y) - a.y;
        std::int64_t rowsIn = 2 * (static_cast<std::int64_t>(firstRow) - a.y) + 1; // in half rows
        std::int64_t x = (static_cast<std::int64_t>(a.x) << kFixedShift) +
                         (rowsIn * (dx << kFixedShift)) / (2 * dy);
        edges[static_cast<std::size_t>(edgeCount++)] = {x, (dx << kFixedShift) / dy, firstRow,
                                                        lastRow};
        top = std::min(top, firstRow);
        bottom = std::max(bottom, lastRow);
    }
    if (edgeCount < 2)
        return true;
    std::sort(edges.begin(), edges.begin() + edgeCount,
              [](const FillEdge& l, const FillEdge& r) { return l.firstRow < r.firstRow; });
    bool hatch = isHatch(brush.style);
    std::uint16_t pixel = rgbTo565(brush.color);
    auto& active = fillBuffers.active;
    auto& crossings = fillBuffers.crossings;
    int activeCount = 0;
    int next = 0;
    for (int y = top; y <= bottom; ++y) {
        while (next < edgeCount && edges[static_cast<std::size_t>(next)].firstRow <= y)
            active[static_cast<std::size_t>(activeCount++)] = edges[static_cast<std::size_t>(next++)];
        int n = 0;
        for (int k = 0; k < activeCount;) {
            FillEdge& e = active[static_cast<std::size_t>(k)];
            if (e.lastRow < y) {
                e = active[static_cast<std::size_t>(--activeCount)];
                continue;
            }
            // Few crossings per row: insertion sort as they come.
            std::int64_t value = e.x;
            int j = n - 1;
            for (; j >= 0 && crossings[static_cast<std::size_t>(j)] > value; --j)
                crossings[static_cast<std::size_t>(j + 1)] = crossings[static_cast<std::size_t>(j)];
            crossings[static_cast<std::size_t>(j + 1)] = value;
            ++n;
            e.x += e.step;
            ++k;
        }
        std::uint16_t* row = surface->pixels + static_cast<std::ptrdiff_t>(y) * surface->stride;
        unsigned hatchRow = hatch ? kHatchRows[brush.style][y & 7] : 0xFFu;
        for (int k = 0; k + 1 < n && hatchRow != 0; k += 2) {
            // Pixels whose centre lies in [left crossing, right crossing).
            int from = std::max(firstPixelFrom(crossings[static_cast<std::size_t>(k)]), 0);
            int to = std::min(firstPixelFrom(crossings[static_cast<std::size_t>(k + 1)]),
                              surface->width);
            if (from >= to)
                continue;
            if (hatchRow == 0xFFu) {
                std::fill(row + from, row + to, pixel);
                continue;
            }
            // Each set bit of the hatch row lights every eighth pixel.
            for (int bit = 0; bit < 8; ++bit)
                if ((hatchRow >> bit) & 1u)
                    for (int x = from + ((bit - from) & 7); x < to; x += 8)
                        row[x] = pixel;
        }
    }
    return true;
}

// An 8x8 tile of the hatch in colour over transparency, repeating from the
// origin of the surface or page.
cairo_pattern_t* hatchPattern(int style, Rgb color)
{
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(tile);
    unsigned char* data = cairo_image_surface_get_data(tile);
    int stride = cairo_image_surface_get_stride(tile);
    std::uint32_t argb = 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 8; ++x)
            row[x] = hatchBit(style, x, y) ? argb : 0u;
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

// Sets the brush as the Cairo source; false for a hollow brush.
bool setBrushSource(cairo_t* cr, Brush brush)
{
    if (isHatch(brush.style)) {
        cairo_pattern_t* pattern = hatchPattern(brush.style, brush.color);
        cairo_set_source(cr, pattern);
        cairo_pattern_destroy(pattern);
        return true;
    }
    if (brush.style == kBrushHollow)
        return false;
    cairo_set_source_rgb(cr, red(brush.color), green(brush.color), blue(brush.color));
    return true;
}

void setPenSource(cairo_t* cr, Pen pen)
{
    cairo_set_source_rgb(cr, red(pen.color), green(pen.color), blue(pen.color));
    cairo_set_line_width(cr, pen.width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
}

// Pixel-centred path through the points; pixels are sampled at their centres.
void pathThrough(cairo_t* cr, std::span<const PixelPoint> points, bool close)
{
    cairo_new_path(cr);
    for (const PixelPoint& p : points)
        cairo_line_to(cr, p.x + 0.5, p.y + 0.5);
    if (close)
        cairo_close_path(cr);
}

// Outline of a polygon or polyline with the pen: 1-pixel pens are exact
// lines straight into memory, wider ones are stroked by Cairo.
void strokePoints(DrawContext* context, std::span<const PixelPoint> points, Pen pen, bool close)
{
    if (pen.width <= 0 || points.empty())
        return;
    if (pen.width == 1 && context->surface != nullptr) {
        beginDirect(context);
        std::uint16_t pixel = rgbTo565(pen.color);
        for (std::size_t i = 0; i + 1 < points.size(); ++i)
            bresenhamLine(context->surface, points[i].x, points[i].y, points[i + 1].x,
                          points[i + 1].y, pixel);
        if (close && points.size() > 1)
            bresenhamLine(context->surface, points.back().x, points.back().y, points[0].x,
                          points[0].y, pixel);
        return;
    }
    cairo_t* cr = vectorContext(context);
    pathThrough(cr, points, close);
    setPenSource(cr, pen);
    cairo_stroke(cr);
}

// The font of the atlas on the Cairo context. The height follows the old
// drawing interface: positive is the cell height (ascent plus descent of
// Liberation Sans, 2288 units of a 2048 em), negative the em size.
void selectFont(DrawContext* context, cairo_t* cr, Font font)
{
    cairo_select_font_face(cr, "Arial", CAIRO_FONT_SLANT_NORMAL,
                           font.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double em = font.height > 0 ? font.height * 2048.0 / 2288.0
                                : (font.height < 0 ? -font.height : 16.0);
    cairo_set_font_size(cr, em);
    cairo_font_options_t* options = cairo_font_options_create();
    bool keyed = context->surface != nullptr && context->surface->hasKey;
    cairo_font_options_set_antialias(options, keyed ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Unicode of the Windows-1252 bytes 0x80..0x9F (0 where the code page has
// none); the bytes from 0xA0 on are Latin-1.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// A single-byte text as UTF-8, cut to fit the buffer.
struct Utf8Text {
    char bytes[1024];
    explicit Utf8Text(const char* text)
    {
        std::size_t n = 0;
        for (const char* p = text; *p != '\0' && n + 4 < sizeof bytes; ++p) {
            auto c = static_cast<unsigned char>(*p);
            unsigned code = c < 0x80 ? c : (c < 0xA0 ? kCp1252High[c - 0x80] : c);
            if (code == 0)
                code = '?';
            if (code < 0x80) {
                bytes[n++] = static_cast<char>(code);
            } else if (code < 0x800) {
                bytes[n++] = static_cast<char>(0xC0 | code >> 6);
                bytes[n++] = static_cast<char>(0x80 | (code & 0x3F));
            } else {
                bytes[n++] = static_cast<char>(0xE0 | code >> 12);
                bytes[n++] = static_cast<char>(0x80 | (code >> 6 & 0x3F));
                bytes[n++] = static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        bytes[n] = '\0';
    }
};

// Draws one line of single-byte text with its top edge at y, aligned on x.
void showLine(cairo_t* cr, const char* singleByteText, double x, double y, TextAlign align)
{
    Utf8Text utf8(singleByteText);
    const char* text = utf8.bytes;
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    if (align == TextAlign::center)
        x -= std::floor(extents.x_advance / 2);
    else if (align == TextAlign::right)
        x -= extents.x_advance;
    cairo_move_to(cr, x, y + font.ascent);
    cairo_show_text(cr, text);
}

} // namespace

// --- Surfaces ------------------------------------------------------------

DrawSurface* createSurface(int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB16_565, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    auto* surface = new DrawSurface{};
    surface->image = image;
    surface->width = width;
    surface->height = height;
    surface->stride = cairo_image_surface_get_stride(image) / 2;
    cairo_surface_flush(image);
    surface->pixels = reinterpret_cast<std::uint16_t*>(cairo_image_surface_get_data(image));
    std::memset(surface->pixels, 0, static_cast<std::size_t>(surface->stride) * 2 * height);
    cairo_surface_mark_dirty(image);
    return surface;
}

void destroySurface(DrawSurface* surface)
{
    if (surface == nullptr)
        return;
    cairo_surface_destroy(surface->image);
    delete surface;
}

int surfaceWidth(const DrawSurface* surface)
{
    return surface != nullptr ? surface->width : 0;
}

int surfaceHeight(const DrawSurface* surface)
{
    return surface != nullptr ? surface->height : 0;
}

int readPixel(const DrawSurface* surface, int x, int y)
{
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return -1;
    return surface->pixels[static_cast<std::ptrdiff_t>(y) * surface->stride + x];
}

void copyRect(DrawSurface* target, const DrawSurface* source, int left, int top, int right,
              int bottom, bool useColorKey)
{
    if (target == nullptr || source == nullptr || target == source)
        return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min({right, target->width, source->width});
    bottom = std::min({bottom, target->height, source->height});
    if (left >= right || top >= bottom)
        return;
    cairo_surface_flush(source->image);
    cairo_surface_flush(target->image);
    int count = right - left;
    std::uint16_t key = source->key;
    for (int y = top; y < bottom; ++y) {
        const std::uint16_t* __restrict from =
            source->pixels + static_cast<std::ptrdiff_t>(y) * source->stride + left;
        std::uint16_t* __restrict to =
            target->pixels + static_cast<std::ptrdiff_t>(y) * target->stride + left;
        if (!useColorKey) {
            std::memcpy(to, from, static_cast<std::size_t>(count) * 2);
            continue;
        }
        for (int x = 0; x < count; ++x)
            to[x] = from[x] == key ? to[x] : from[x];
    }
    cairo_surface_mark_dirty(target->image);
    if (target->shown && presentShownSurface != nullptr)
        presentShownSurface();
}

void setColorKey(DrawSurface* surface, std::uint16_t pixel)
{
    if (surface == nullptr)
        return;
    surface->key = pixel;
    surface->hasKey = true;
}

std::uint16_t colorKey(const DrawSurface* surface)
{
    return surface != nullptr ? surface->key : 0;
}

void setSurfaceLost(DrawSurface* surface, bool lost)
{
    if (surface != nullptr)
        surface->lost = lost;
}

bool surfaceLost(const DrawSurface* surface)
{
    return surface != nullptr && surface->lost;
}

bool saveSurfacePng(const DrawSurface* surface, const char* path)
{
    if (surface == nullptr || path == nullptr)
        return false;
    cairo_surface_t* rgb = cairo_image_surface_create(CAIRO_FORMAT_RGB24, surface->width,
                                                      surface->height);
    cairo_surface_flush(rgb);
    unsigned char* data = cairo_image_surface_get_data(rgb);
    int stride = cairo_image_surface_get_stride(rgb);
    for (int y = 0; y < surface->height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < surface->width; ++x) {
            std::uint32_t p = surface->pixels[static_cast<std::ptrdiff_t>(y) * surface->stride + x];
            std::uint32_t r = p >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
            // Widened so that truncating back to 565 gives the same pixel.
            r = (r << 3) | (r >> 2);
            g = (g << 2) | (g >> 4);
            b = (b << 3) | (b >> 2);
            row[x] = 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
    cairo_surface_mark_dirty(rgb);
    bool ok = cairo_surface_write_to_png(rgb, path) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(rgb);
    return ok;
}

DrawSurface* loadSurfacePng(const char* path)
{
    cairo_surface_t* png = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        return nullptr;
    }
    cairo_format_t format = cairo_image_surface_get_format(png);
    int width = cairo_image_surface_get_width(png);
    int height = cairo_image_surface_get_height(png);
    DrawSurface* surface = nullptr;
    if (format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32)
        surface = createSurface(width, height);
    if (surface != nullptr) {
        cairo_surface_flush(png);
        const unsigned char* data = cairo_image_surface_get_data(png);
        int stride = cairo_image_surface_get_stride(png);
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
            for (int x = 0; x < width; ++x) {
                std::uint32_t p = row[x];
                surface->pixels[static_cast<std::ptrdiff_t>(y) * surface->stride + x] =
                    rgbTo565(makeRgb(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF));
            }
        }
        cairo_surface_mark_dirty(surface->image);
    }
    cairo_surface_destroy(png);
    return surface;
}

// --- Drawing contexts ------------------------------------------------------

DrawContext* acquireContext(DrawSurface* surface)
{
    if (surface == nullptr || surface->lost)
        return nullptr;
    auto* context = new DrawContext{};
    context->surface = surface;
    return context;
}

DrawContext* wrapCairoContext(cairo_t* cr)
{
    if (cr == nullptr)
        return nullptr;
    auto* context = new DrawContext{};
    context->cr = cr;
    return context;
}

void releaseContext(DrawContext* context)
{
    if (context == nullptr)
        return;
    if (context->surface != nullptr) {
        bool drew = context->cairoDrew || context->pixelsWritten;
        if (context->cairoDrew)
            cairo_surface_flush(context->surface->image);
        if (context->pixelsWritten)
            cairo_surface_mark_dirty(context->surface->image);
        if (drew && context->surface->shown && presentShownSurface != nullptr)
            presentShownSurface();
    }
    if (context->ownsCairo)
        cairo_destroy(context->cr);
    delete context;
}

void drawRectangle(DrawContext* context, int left, int top, int right, int bottom, Pen pen,
                   Brush brush)
{
    if (context == nullptr || right <= left || bottom <= top)
        return;
    int frame = std::max(pen.width, 0);
    if (context->surface != nullptr) {
        beginDirect(context);
        DrawSurface* s = context->surface;
        int innerLeft = left + frame, innerTop = top + frame;
        int innerRight = right - frame, innerBottom = bottom - frame;
        if (isHatch(brush.style))
            hatchSpanRect(s, innerLeft, innerTop, innerRight, innerBottom, brush.style,
                          rgbTo565(brush.color));
        else if (brush.style != kBrushHollow)
            fillSpanRect(s, innerLeft, innerTop, innerRight, innerBottom, rgbTo565(brush.color));
        if (frame > 0) {
            std::uint16_t pixel = rgbTo565(pen.color);
            fillSpanRect(s, left, top, right, std::min(top + frame, bottom), pixel);
            fillSpanRect(s, left, std::max(bottom - frame, top), right, bottom, pixel);
            fillSpanRect(s, left, top, std::min(left + frame, right), bottom, pixel);
            fillSpanRect(s, std::max(right - frame, left), top, right, bottom, pixel);
        }
        return;
    }
    cairo_t* cr = vectorContext(context);
    cairo_new_path(cr);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    if (setBrushSource(cr, brush))
        cairo_fill_preserve(cr);
    if (frame > 0) {
        cairo_new_path(cr);
        cairo_rectangle(cr, left + frame / 2.0, top + frame / 2.0, right - left - frame,
                        bottom - top - frame);
        setPenSource(cr, pen);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

void drawLine(DrawContext* context, int x1, int y1, int x2, int y2, Pen pen)
{
    if (context == nullptr)
        return;
    PixelPoint points[2] = {{x1, y1}, {x2, y2}};
    strokePoints(context, points, pen, false);
}

void drawPolygon(DrawContext* context, std::span<const PixelPoint> points, Pen pen, Brush brush)
{
    if (context == nullptr || points.size() < 2)
        return;
    if (points.size() >= 3 && brush.style != kBrushHollow) {
        if (context->surface != nullptr) {
            beginDirect(context);
            if (fillPolygonDirect(context->surface, points, brush)) {
                strokePoints(context, points, pen, true);
                return;
            }
        }
        cairo_t* cr = vectorContext(context);
        pathThrough(cr, points, true);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        if (setBrushSource(cr, brush))
            cairo_fill(cr);
        cairo_new_path(cr);
    }
    strokePoints(context, points, pen, true);
}

void drawPolyline(DrawContext* context, std::span<const PixelPoint> points, Pen pen)
{
    if (context == nullptr || points.size() < 2)
        return;
    strokePoints(context, points, pen, false);
}

void drawEllipse(DrawContext* context, int left, int top, int right, int bottom, Pen pen,
                 Brush brush)
{
    if (context == nullptr || right <= left || bottom <= top)
        return;
    cairo_t* cr = vectorContext(context);
    double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    if (setBrushSource(cr, brush))
        cairo_fill_preserve(cr);
    if (pen.width > 0) {
        cairo_new_path(cr);
        cairo_save(cr);
        double inset = pen.width / 2.0;
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, std::max(rx - inset, 0.5), std::max(ry - inset, 0.5));
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        setPenSource(cr, pen);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

std::uint16_t* lockPixels(DrawContext* context, int& stride)
{
    if (context == nullptr || context->surface == nullptr)
        return nullptr;
    beginDirect(context);
    stride = context->surface->stride;
    return context->surface->pixels;
}

void setPixel(DrawContext* context, int x, int y, Rgb color)
{
    if (context == nullptr)
        return;
    if (context->surface != nullptr) {
        beginDirect(context);
        putPixel(context->surface, x, y, rgbTo565(color));
        return;
    }
    cairo_t* cr = vectorContext(context);
    cairo_set_source_rgb(cr, red(color), green(color), blue(color));
    cairo_rectangle(cr, x, y, 1, 1);
    cairo_fill(cr);
}

long getPixel(DrawContext* context, int x, int y)
{
    if (context == nullptr || context->surface == nullptr)
        return -1;
    if (context->cairoDrew) {
        cairo_surface_flush(context->surface->image);
        context->cairoDrew = false;
    }
    int p = readPixel(context->surface, x, y);
    if (p < 0)
        return -1;
    unsigned r = static_cast<unsigned>(p) >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
    return static_cast<long>(makeRgb((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2)));
}

void drawText(DrawContext* context, const char* text, int x, int y, Font font, TextAlign align,
              Rgb color)
{
    if (context == nullptr || text == nullptr || text[0] == '\0')
        return;
    cairo_t* cr = vectorContext(context);
    cairo_save(cr);
    selectFont(context, cr, font);
    cairo_set_source_rgb(cr, red(color), green(color), blue(color));
    if (font.escapement != 0) {
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -font.escapement * M_PI / 1800.0);
        showLine(cr, text, 0, 0, align);
    } else {
        showLine(cr, text, x, y, align);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

PixelPoint measureText(DrawContext* context, const char* text, Font font)
{
    if (context == nullptr || text == nullptr)
        return {0, 0};
    cairo_t* cr = vectorContext(context);
    cairo_save(cr);
    selectFont(context, cr, font);
    cairo_font_extents_t fontExtents;
    cairo_font_extents(cr, &fontExtents);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, Utf8Text(text).bytes, &extents);
    cairo_restore(cr);
    // A positive height is the cell height, as the text's line height.
    int height = font.height > 0 ? font.height
                                 : static_cast<int>(std::lround(fontExtents.ascent + fontExtents.descent));
    return {static_cast<std::int32_t>(std::lround(extents.x_advance)), height};
}

void drawTextInBox(DrawContext* context, const char* text, int left, int top, int right,
                   int bottom, Font font, TextAlign align, Rgb color)
{
    if (context == nullptr || text == nullptr || right <= left || bottom <= top)
        return;
    cairo_t* cr = vectorContext(context);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_clip(cr);
    selectFont(context, cr, font);
    cairo_set_source_rgb(cr, red(color), green(color), blue(color));
    cairo_font_extents_t fontExtents;
    cairo_font_extents(cr, &fontExtents);
    double lineHeight = font.height > 0 ? font.height
                                        : std::round(fontExtents.ascent + fontExtents.descent);
    double x = align == TextAlign::center ? (left + right) / 2.0
               : align == TextAlign::right ? right
                                           : left;
    // Lines break only at the text's own line ends; nothing is wrapped.
    char line[512];
    double y = top;
    const char* p = text;
    while (*p != '\0' && y < bottom) {
        std::size_t length = std::strcspn(p, "\r\n");
        std::size_t kept = std::min(length, sizeof line - 1);
        std::memcpy(line, p, kept);
        line[kept] = '\0';
        if (kept > 0)
            showLine(cr, line, std::floor(x), y, align);
        p += length;
        if (*p == '\r')
            ++p;
        if (*p == '\n')
            ++p;
        y += lineHeight;
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void drawPicture(DrawContext* context, std::span<const std::uint8_t> bgrRows, int pictureWidth,
                 int pictureHeight, int sourceLeft, int sourceTop, int sourceWidth,
                 int sourceHeight, int left, int top, int width, int height)
{
    if (context == nullptr || pictureWidth <= 0 || pictureHeight <= 0 || sourceWidth <= 0 ||
        sourceHeight <= 0 || width <= 0 || height <= 0)
        return;
    std::size_t pitch = (static_cast<std::size_t>(pictureWidth) * 3 + 3) & ~std::size_t{3};
    if (bgrRows.size() < pitch * static_cast<std::size_t>(pictureHeight))
        return;
    sourceLeft = std::clamp(sourceLeft, 0, pictureWidth - 1);
    sourceTop = std::clamp(sourceTop, 0, pictureHeight - 1);
    sourceWidth = std::min(sourceWidth, pictureWidth - sourceLeft);
    sourceHeight = std::min(sourceHeight, pictureHeight - sourceTop);

    cairo_surface_t* part = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sourceWidth, sourceHeight);
    if (cairo_surface_status(part) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(part);
        return;
    }
    cairo_surface_flush(part);
    unsigned char* data = cairo_image_surface_get_data(part);
    int stride = cairo_image_surface_get_stride(part);
    for (int y = 0; y < sourceHeight; ++y) {
        // Rows are stored bottom first.
        const std::uint8_t* from =
            bgrRows.data() + pitch * static_cast<std::size_t>(pictureHeight - 1 - (sourceTop + y)) +
            static_cast<std::size_t>(sourceLeft) * 3;
        auto* to = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < sourceWidth; ++x)
            to[x] = 0xFF000000u | std::uint32_t{from[3 * x + 2]} << 16 |
                    std::uint32_t{from[3 * x + 1]} << 8 | from[3 * x];
    }
    cairo_surface_mark_dirty(part);

    cairo_t* cr = vectorContext(context);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, width, height);
    cairo_clip(cr);
    cairo_translate(cr, left, top);
    cairo_scale(cr, static_cast<double>(width) / sourceWidth,
                static_cast<double>(height) / sourceHeight);
    cairo_set_source_surface(cr, part, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), context->surface != nullptr
                                                       ? CAIRO_FILTER_NEAREST
                                                       : CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(part);
}
