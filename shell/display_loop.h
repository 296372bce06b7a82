// The display side of the main loop: the frame timer and its intervals, the
// program's own mouse pointer, and presenting a finished picture.
//
// Platform-free: the surfaces and the flip come from platform/display.h.
#pragma once

#include <cstdint>

struct AppState;
struct DrawSurface;

// Milliseconds since start() on the atlas's clock. elapsed is the one
// overridable operation, so that tests and replays can drive time.
class FrameTimer {
public:
    virtual ~FrameTimer() = default;

    // Sets started to the clock now.
    void start();

    // The clock now minus started: an unsigned 32-bit difference read as
    // signed, so that a wrapping tick counter still counts up.
    virtual std::int32_t elapsed() const;

    std::uint32_t started = 0; // clock value at start()
};

// The program's frame timer, started once at start-up.
extern FrameTimer frameTimer;

// Tick of the last interval that passed; the animation step and the title
// pictures share it.
extern std::int32_t lastTick;

// 1 while the program is the active application (the window has the
// focus); the main loop runs frames only then.
extern int appActive;

// True when timer.elapsed() has reached tick + interval; tick then becomes
// that elapsed time (not a multiple of interval). Otherwise false and tick
// stays.
bool intervalElapsed(const FrameTimer& timer, std::int32_t& tick, int interval);

// Draws the program's pointer, a cross of four six-pixel arms 4 to 9 pixels
// from (x, y) (white near, black far), first putting back the 24 pixels the
// previous pointer covered. Sets cursorX, cursorY and cursorSaved. Does
// nothing when the surface gives no drawing context.
void drawPointer(AppState& app, int x, int y, DrawSurface* surface);

// Presents backBuffer with flip; in the safe mouse mode the pointer is then
// drawn afresh on the newly shown picture. Returns what flip returns.
int flipScreen(AppState& app);
