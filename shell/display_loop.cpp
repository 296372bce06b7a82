// Frame timer, the drawn pointer and presenting pictures.
#include "shell/display_loop.h"

#include <array>

#include "core/app_state.h"
#include "map/palette.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"

FrameTimer frameTimer;
std::int32_t lastTick = 0;
int appActive = 0;

namespace {

// The pointer's pixels: distances 4..9 to the right, below, to the left and
// above the hot spot.
inline constexpr int kPointerPixels = 24;
inline constexpr int kArmNear = 4;
inline constexpr int kArmFar = 9;
inline constexpr int kArmColorChange = 7; // from here on the arm is black

struct PointerPixel {
    int dx;
    int dy;
    int distance;
};

constexpr std::array<PointerPixel, kPointerPixels> pointerShape = [] {
    std::array<PointerPixel, kPointerPixels> shape{};
    constexpr int directions[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    int n = 0;
    for (const auto& d : directions)
        for (int distance = kArmNear; distance <= kArmFar; ++distance)
            shape[static_cast<std::size_t>(n++)] = {d[0] * distance, d[1] * distance, distance};
    return shape;
}();

// What the pointer covers, saved to be put back when it moves (-1 off the
// surface).
std::array<long, kPointerPixels> savedUnderPointer;

} // namespace

void FrameTimer::start()
{
    started = currentMilliseconds();
}

std::int32_t FrameTimer::elapsed() const
{
    return static_cast<std::int32_t>(currentMilliseconds() - started);
}

bool intervalElapsed(const FrameTimer& timer, std::int32_t& tick, int interval)
{
    std::int32_t now = timer.elapsed();
    if (now < tick + interval)
        return false;
    tick = now;
    return true;
}

void drawPointer(AppState& app, int x, int y, DrawSurface* surface)
{
    DrawContext* context = acquireContext(surface);
    if (context == nullptr)
        return;
    if (app.cursorSaved == 1) {
        for (std::size_t i = 0; i < pointerShape.size(); ++i)
            if (savedUnderPointer[i] >= 0)
                setPixel(context, app.cursorX + pointerShape[i].dx, app.cursorY + pointerShape[i].dy,
                         static_cast<Rgb>(savedUnderPointer[i]));
    }
    for (std::size_t i = 0; i < pointerShape.size(); ++i)
        savedUnderPointer[i] = getPixel(context, x + pointerShape[i].dx, y + pointerShape[i].dy);
    for (const PointerPixel& p : pointerShape) {
        int colorIndex = p.distance < kArmColorChange ? kColorWhite : kColorBlack;
        setPixel(context, x + p.dx, y + p.dy, paletteColor(colorIndex));
    }
    app.cursorX = x;
    app.cursorY = y;
    app.cursorSaved = 1;
    releaseContext(context);
}

namespace {

// What destroying the window does: release the display and ask the loop to
// end with exit code 0.
void destroyWindow(AppState& app)
{
    if (app.softwareCursor == 1)
        showSystemPointer(true);
    releaseDisplay();
    postEvent({EventKind::quit, 0, 0, 0, false});
}

} // namespace

void windowEvent(AppState& app, const InputEvent& event, InputEntry input)
{
    switch (event.kind) {
    case EventKind::activate:
        appActive = event.active ? 1 : 0;
        break;
    case EventKind::key:
    case EventKind::click:
        if (input(app, event))
            destroyWindow(app);
        break;
    case EventKind::mouseMove:
        if (app.softwareCursor == 1 && primarySurface != nullptr)
            drawPointer(app, event.x, event.y, primarySurface);
        break;
    case EventKind::none:
    case EventKind::quit:
        break;
    }
}

int runMainLoop(AppState& app, InputEntry input, FrameFunction frame)
{
    for (;;) {
        InputEvent event{};
        bool waiting = pollEvent(event);
        if (!waiting && appActive == 0) {
            waitEvent(event);
            waiting = event.kind != EventKind::none;
        }
        if (!waiting) {
            frame(app);
            continue;
        }
        if (event.kind == EventKind::quit) {
            if (primarySurface != nullptr)
                releaseDisplay(); // the close box: nothing has released it yet
            return 0;
        }
        windowEvent(app, event, input);
    }
}

int flipScreen(AppState& app)
{
    // A lost display is restored instead of flipped: the front buffer still
    // holds the pointer with what it covers saved, and drawing it afresh
    // would save the pointer's own pixels as its background.
    bool flipped = !displayLost();
    int result = flip();
    if (flipped && result == 1 && app.softwareCursor == 1) {
        // The old pointer lies on the buffer that just went to the back.
        app.cursorSaved = 0;
        drawPointer(app, app.cursorX, app.cursorY, primarySurface);
    }
    return result;
}
