// The icon through Cairo, the GIFs through giflib.
#include "platform/picture_export.h"

#include <cairo.h>
#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/surface_internal.h"

namespace {

// An RGB565 pixel widened to 8 bits a channel, so that truncating it again
// gives the same pixel.
Rgb widen565(std::uint16_t p)
{
    int r = p >> 11, g = (p >> 5) & 0x3F, b = p & 0x1F;
    return makeRgb((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
}

int red(Rgb c) { return static_cast<int>(c & 0xFF); }
int green(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
int blue(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

void roundedSquare(cairo_t* cr, double inset, double side, double radius)
{
    double a = inset, b = side - inset;
    cairo_new_path(cr);
    cairo_arc(cr, b - radius, a + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, b - radius, b - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, a + radius, b - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, a + radius, a + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

} // namespace

bool saveIconPng(const DrawSurface* surface, int left, int top, int side, int size,
                 const char* path)
{
    if (surface == nullptr || path == nullptr || size < 16 || side <= 0 || left < 0 || top < 0 ||
        left + side > surface->width || top + side > surface->height)
        return false;
    cairo_surface_t* icon = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(icon);
    const double radius = size * 0.18;
    roundedSquare(cr, 0.5, size, radius);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    double scale = static_cast<double>(size) / side;
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surface->image, -left, -top);
    // Smooth downscaling: the map's one-pixel rivers and borders stay visible.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.10, 0.08, 0.05);
    cairo_set_line_width(cr, std::max(1.0, size / 48.0));
    cairo_stroke(cr);
    cairo_destroy(cr);
    bool ok = cairo_surface_write_to_png(icon, path) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(icon);
    return ok;
}

struct GifFile {
    GifFileType* file;
    int width;
    int height;
    std::array<Rgb, 256> colors;
    int colorCount;     // the given colours, then the extra ones met so far
    int givenCount;     // the given colours: the global table
    std::array<std::int16_t, 65536> indexOf; // 565 pixel -> colour index, -1 not yet known
    std::vector<GifByteType> previous;       // indices of the last frame
    std::vector<GifByteType> current;
    bool first;
    bool failed;
};

namespace {

GifByteType colorIndexOf(GifFile& gif, std::uint16_t pixel)
{
    std::int16_t& known = gif.indexOf[pixel];
    if (known >= 0)
        return static_cast<GifByteType>(known);
    Rgb c = widen565(pixel);
    // The smoothed edges of text bring colours of their own: the first ones
    // take the table's free entries, later ones their nearest colour.
    if (gif.colorCount < 256) {
        gif.colors[gif.colorCount] = c;
        known = static_cast<std::int16_t>(gif.colorCount++);
        return static_cast<GifByteType>(known);
    }
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < gif.colorCount; ++i) {
        long dr = red(gif.colors[i]) - red(c), dg = green(gif.colors[i]) - green(c),
             db = blue(gif.colors[i]) - blue(c);
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    known = static_cast<std::int16_t>(best);
    return static_cast<GifByteType>(best);
}

// The table as far as it is filled, padded with black to 256 entries.
ColorMapObject* colorMap(const GifFile& gif)
{
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        Rgb c = i < gif.colorCount ? gif.colors[i] : makeRgb(0, 0, 0);
        map->Colors[i] = {static_cast<GifByteType>(red(c)), static_cast<GifByteType>(green(c)),
                          static_cast<GifByteType>(blue(c))};
    }
    return map;
}

} // namespace

GifFile* openGif(const char* path, int width, int height, std::span<const Rgb> colors)
{
    if (path == nullptr || width <= 0 || height <= 0 || colors.empty() || colors.size() > 256)
        return nullptr;
    // Opened here rather than by giflib, which would make the file private
    // to its owner: a GIF for a lesson is made to be shared.
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0)
        return nullptr;
    int error = 0;
    GifFileType* file = EGifOpenFileHandle(fd, &error);
    if (file == nullptr) {
        close(fd);
        return nullptr;
    }
    auto* gif = new GifFile{};
    gif->file = file;
    gif->width = width;
    gif->height = height;
    gif->colorCount = static_cast<int>(colors.size());
    std::copy(colors.begin(), colors.end(), gif->colors.begin());
    gif->indexOf.fill(-1);
    // A colour of the table is found as itself, the first of equal ones first.
    for (int i = gif->colorCount - 1; i >= 0; --i)
        gif->indexOf[rgbTo565(gif->colors[i])] = static_cast<std::int16_t>(i);
    gif->previous.assign(static_cast<std::size_t>(width) * height, 0);
    gif->current.assign(static_cast<std::size_t>(width) * height, 0);
    gif->first = true;

    gif->givenCount = gif->colorCount;

    ColorMapObject* map = colorMap(*gif);
    EGifSetGifVersion(file, true);
    bool ok = EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    // The application extension that makes viewers loop the animation.
    static const GifByteType loopName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loopForever[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof loopName, loopName) == GIF_OK &&
         EGifPutExtensionBlock(file, sizeof loopForever, loopForever) == GIF_OK &&
         EGifPutExtensionTrailer(file) == GIF_OK;
    gif->failed = !ok;
    return gif;
}

bool addGifFrame(GifFile* gif, const DrawSurface* surface, int delayMs)
{
    if (gif == nullptr || gif->failed || surface == nullptr || surface->width != gif->width ||
        surface->height != gif->height)
        return false;
    const int w = gif->width, h = gif->height;
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint16_t* row = surface->pixels + static_cast<std::ptrdiff_t>(y) * surface->stride;
        GifByteType* out = &gif->current[static_cast<std::size_t>(y) * w];
        const GifByteType* before = &gif->previous[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            out[x] = colorIndexOf(*gif, row[x]);
            if (gif->first || out[x] != before[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) { // nothing changed: one pixel keeps the frame and its delay
        left = right = top = bottom = 0;
    }

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = (delayMs + 5) / 10;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    std::size_t length = EGifGCBToExtension(&control, extension);
    bool ok = EGifPutExtension(gif->file, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                               extension) == GIF_OK;
    const int frameWidth = right - left + 1, frameHeight = bottom - top + 1;
    // Frames that use extra colours carry the grown table as their own.
    ColorMapObject* local = gif->colorCount > gif->givenCount ? colorMap(*gif) : nullptr;
    ok = ok && EGifPutImageDesc(gif->file, left, top, frameWidth, frameHeight, false, local) ==
                   GIF_OK;
    if (local != nullptr)
        GifFreeMapObject(local);
    for (int y = top; ok && y <= bottom; ++y)
        ok = EGifPutLine(gif->file, &gif->current[static_cast<std::size_t>(y) * w + left],
                         frameWidth) == GIF_OK;
    gif->previous.swap(gif->current);
    gif->first = false;
    gif->failed = !ok;
    return ok;
}

bool closeGif(GifFile* gif)
{
    if (gif == nullptr)
        return false;
    int error = 0;
    bool ok = EGifCloseFile(gif->file, &error) == GIF_OK && !gif->failed;
    delete gif;
    return ok;
}
