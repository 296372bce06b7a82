// The display: four RGB565 surfaces in memory, shown through an SDL2 window
// or kept headless.
//
// The window is borderless and covers the desktop; the 800 x 600 picture is
// scaled into it with black bars (SDL's logical size), so mouse positions
// arrive in picture coordinates. F11 switches to an ordinary 800 x 600
// window and back. A flip swaps primarySurface and backBuffer and uploads
// the new front surface to a streaming texture.
//
// SDL events are translated into the program's InputEvent here and only
// here. Events posted by the replay mode and the tests are taken before the
// window's own.
#include "platform/display.h"

#include <SDL.h>
#include <cairo.h>

#include <array>
#include <utility>

#include "platform/files.h"
#include "platform/surface.h"
#include "platform/surface_internal.h"

DrawSurface* primarySurface = nullptr;
DrawSurface* backBuffer = nullptr;
DrawSurface* mapLayer = nullptr;
DrawSurface* overlayLayer = nullptr;
int surfacesRestored = 0;

namespace {

// Posted events waiting to be taken, oldest first.
inline constexpr int kQueuedEvents = 64;

struct Display {
    DisplayBackend backend;
    SDL_Window* window;
    SDL_Renderer* renderer;
    SDL_Texture* texture;
    bool fullScreen;
    std::array<InputEvent, kQueuedEvents> queue;
    int queueFirst;
    int queueCount;
};

Display display{DisplayBackend::headless};

constexpr Rgb kColorKeyRgb = makeRgb(254, 0, 254);

bool takeQueued(InputEvent& event)
{
    if (display.queueCount == 0)
        return false;
    event = display.queue[static_cast<std::size_t>(display.queueFirst)];
    display.queueFirst = (display.queueFirst + 1) % kQueuedEvents;
    --display.queueCount;
    return true;
}

bool createTexture(int width, int height)
{
    if (display.renderer == nullptr)
        return true;
    if (display.texture != nullptr)
        SDL_DestroyTexture(display.texture);
    display.texture = SDL_CreateTexture(display.renderer, SDL_PIXELFORMAT_RGB565,
                                        SDL_TEXTUREACCESS_STREAMING, width, height);
    return display.texture != nullptr;
}

// Uploads the front surface and shows it. Drawing on the front surface
// comes here on every release of its drawing context.
void present()
{
    if (display.texture == nullptr || primarySurface == nullptr)
        return;
    cairo_surface_flush(primarySurface->image);
    SDL_UpdateTexture(display.texture, nullptr, primarySurface->pixels, primarySurface->stride * 2);
    SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
    SDL_RenderClear(display.renderer);
    SDL_RenderCopy(display.renderer, display.texture, nullptr, nullptr);
    SDL_RenderPresent(display.renderer);
}

void setLost(bool lost)
{
    for (DrawSurface* surface : {primarySurface, backBuffer, mapLayer, overlayLayer})
        setSurfaceLost(surface, lost);
}

void toggleFullScreen()
{
    display.fullScreen = !display.fullScreen;
    if (display.fullScreen) {
        SDL_SetWindowFullscreen(display.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(display.window, 0);
        SDL_SetWindowBordered(display.window, SDL_TRUE);
        SDL_SetWindowSize(display.window, 800, 600);
        SDL_SetWindowPosition(display.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    present();
}

bool onPicture(int x, int y)
{
    return primarySurface != nullptr && x >= 0 && y >= 0 && x < primarySurface->width &&
           y < primarySurface->height;
}

// Translates one SDL event; false when it means nothing to the program
// (handled here, like F11 and exposure, or of no interest).
bool translate(const SDL_Event& sdl, InputEvent& event)
{
    event = InputEvent{};
    switch (sdl.type) {
    case SDL_QUIT:
        event.kind = EventKind::quit;
        return true;
    case SDL_TEXTINPUT:
        // Typed characters; a run of several is queued behind the first.
        for (const char* p = sdl.text.text; *p != '\0'; ++p) {
            auto c = static_cast<unsigned char>(*p);
            if (c >= 0x80)
                continue; // the program's texts are single-byte ASCII
            InputEvent key{EventKind::key, c, 0, 0, false};
            if (event.kind == EventKind::none)
                event = key;
            else
                postEvent(key);
        }
        return event.kind != EventKind::none;
    case SDL_KEYDOWN:
        switch (sdl.key.keysym.sym) {
        case SDLK_ESCAPE: event = {EventKind::key, 27, 0, 0, false}; return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: event = {EventKind::key, 13, 0, 0, false}; return true;
        case SDLK_BACKSPACE: event = {EventKind::key, 8, 0, 0, false}; return true;
        case SDLK_F11: toggleFullScreen(); return false;
        default: return false;
        }
    case SDL_MOUSEBUTTONDOWN:
        // Clicks on the black bars beside the picture are dropped.
        if (sdl.button.button != SDL_BUTTON_LEFT || !onPicture(sdl.button.x, sdl.button.y))
            return false;
        event = {EventKind::click, 0, sdl.button.x, sdl.button.y, false};
        return true;
    case SDL_MOUSEMOTION:
        if (!onPicture(sdl.motion.x, sdl.motion.y))
            return false;
        event = {EventKind::mouseMove, 0, sdl.motion.x, sdl.motion.y, false};
        return true;
    case SDL_WINDOWEVENT:
        switch (sdl.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: event = {EventKind::activate, 0, 0, 0, true}; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: event = {EventKind::activate, 0, 0, 0, false}; return true;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: present(); return false;
        default: return false;
        }
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        // The texture is gone: the program restores and redraws.
        setLost(true);
        return false;
    default:
        return false;
    }
}

} // namespace

bool createMainWindow(DisplayBackend backend, const char* title)
{
    display = Display{backend};
    if (backend == DisplayBackend::headless)
        return true;
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return false;
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0)
        desktop.w = 800, desktop.h = 600;
    display.window = SDL_CreateWindow(title, 0, 0, desktop.w, desktop.h,
                                      SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (display.window == nullptr) {
        SDL_Quit();
        return false;
    }
    display.fullScreen = true;
    display.renderer = SDL_CreateRenderer(display.window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (display.renderer == nullptr)
        display.renderer = SDL_CreateRenderer(display.window, -1, SDL_RENDERER_SOFTWARE);
    if (display.renderer == nullptr) {
        SDL_DestroyWindow(display.window);
        display.window = nullptr;
        SDL_Quit();
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_RaiseWindow(display.window);
    SDL_StartTextInput();
    // A newly shown window is the active application, as on a desktop that
    // gives the new top-most window the focus.
    postEvent({EventKind::activate, 0, 0, 0, true});
    return true;
}

bool setWindowIcon(const char* programPath)
{
    if (display.window == nullptr)
        return false;
    char path[4096];
    if (!resolvePath(programPath, path))
        return false;
    cairo_surface_t* png = cairo_image_surface_create_from_png(path);
    bool ok = cairo_surface_status(png) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_surface_flush(png);
        // Cairo's ARGB32 is premultiplied: only the icon's smoothed rim has
        // partial alpha, which it darkens a little.
        SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
            cairo_image_surface_get_data(png), cairo_image_surface_get_width(png),
            cairo_image_surface_get_height(png), 32, cairo_image_surface_get_stride(png),
            SDL_PIXELFORMAT_ARGB8888);
        ok = icon != nullptr;
        if (ok) {
            SDL_SetWindowIcon(display.window, icon);
            SDL_FreeSurface(icon);
        }
    }
    cairo_surface_destroy(png);
    return ok;
}

bool setupDisplay(int width, int height)
{
    // Set up again without a release between (a second start in one run):
    // the surfaces of the first go, not leak.
    for (DrawSurface** surface : {&backBuffer, &primarySurface, &mapLayer, &overlayLayer}) {
        destroySurface(*surface);
        *surface = nullptr;
    }
    primarySurface = createSurface(width, height);
    backBuffer = createSurface(width, height);
    mapLayer = createSurface(width, height);
    overlayLayer = createSurface(width, height);
    if (primarySurface == nullptr || backBuffer == nullptr || mapLayer == nullptr ||
        overlayLayer == nullptr)
        return false;
    if (display.renderer != nullptr) {
        if (SDL_RenderSetLogicalSize(display.renderer, width, height) != 0)
            return false;
        if (!createTexture(width, height))
            return false;
    }
    long key = matchColor(kColorKeyRgb, primarySurface);
    setColorKey(overlayLayer, static_cast<std::uint16_t>(key));
    primarySurface->shown = true;
    if (display.renderer != nullptr)
        presentShownSurface = present;
    return true;
}

int flip()
{
    if (primarySurface == nullptr || backBuffer == nullptr)
        return 0;
    if (displayLost())
        return restoreSurfaces();
    std::swap(primarySurface, backBuffer);
    primarySurface->shown = true;
    backBuffer->shown = false;
    present();
    return 1;
}

bool displayLost()
{
    return surfaceLost(primarySurface) || surfaceLost(backBuffer) || surfaceLost(mapLayer) ||
           surfaceLost(overlayLayer);
}

int restoreSurfaces()
{
    surfacesRestored = 1;
    for (DrawSurface* surface : {primarySurface, backBuffer, mapLayer, overlayLayer}) {
        if (surface == nullptr)
            return 0;
        setSurfaceLost(surface, false);
    }
    if (display.renderer != nullptr && !createTexture(primarySurface->width, primarySurface->height))
        return 0;
    return 1;
}

void presentFront()
{
    present();
}

bool pollEvent(InputEvent& event)
{
    if (takeQueued(event))
        return true;
    if (display.window == nullptr)
        return false;
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl) != 0)
        if (translate(sdl, event))
            return true;
    return takeQueued(event);
}

void waitEvent(InputEvent& event)
{
    if (takeQueued(event))
        return;
    if (display.window == nullptr) {
        // Headless nothing else will ever arrive: waiting would never end.
        event = InputEvent{EventKind::quit, 0, 0, 0, false};
        return;
    }
    SDL_Event sdl;
    while (SDL_WaitEvent(&sdl) != 0) {
        if (translate(sdl, event))
            return;
        if (takeQueued(event))
            return;
    }
    event = InputEvent{};
}

void postEvent(const InputEvent& event)
{
    if (display.queueCount == kQueuedEvents)
        return; // a full queue drops the newest, as a busy window would
    int slot = (display.queueFirst + display.queueCount) % kQueuedEvents;
    display.queue[static_cast<std::size_t>(slot)] = event;
    ++display.queueCount;
}

void showSystemPointer(bool shown)
{
    if (display.window != nullptr)
        SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void releaseDisplay()
{
    presentShownSurface = nullptr;
    for (DrawSurface** surface : {&backBuffer, &primarySurface, &mapLayer, &overlayLayer}) {
        destroySurface(*surface);
        *surface = nullptr;
    }
    if (display.texture != nullptr)
        SDL_DestroyTexture(display.texture);
    if (display.renderer != nullptr)
        SDL_DestroyRenderer(display.renderer);
    if (display.window != nullptr) {
        SDL_DestroyWindow(display.window);
        SDL_Quit();
    }
    display = Display{display.backend};
}

long matchColor(std::uint32_t rgb, DrawSurface* surface)
{
    bool valid = rgb <= 0xFFFFFFu;
    int saved = readPixel(surface, 0, 0);
    if (valid) {
        DrawContext* context = acquireContext(surface);
        if (context == nullptr)
            return -1;
        setPixel(context, 0, 0, rgb);
        releaseContext(context);
    }
    int pixel = surfaceLost(surface) ? -1 : readPixel(surface, 0, 0);
    if (valid && saved >= 0) {
        surface->pixels[0] = static_cast<std::uint16_t>(saved);
        cairo_surface_mark_dirty(surface->image);
    }
    return pixel;
}
