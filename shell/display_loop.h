// The display side of the main loop: the frame timer and its intervals, the
// program's own mouse pointer, and presenting a finished picture.
//
// Platform-free: the surfaces and the flip come from platform/display.h.
#pragma once

#include <cstdint>

#include "platform/display.h"

struct AppState;
struct DrawSurface;

// The program's entry for one key or left click; returns true when the
// program is to end.
using InputEntry = bool (*)(AppState& app, const InputEvent& event);

// The frame function, run whenever no event waits and the program is active.
using FrameFunction = void (*)(AppState& app);

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

// Handles one window event: activation sets appActive, keys and clicks go
// to input (when it answers true the window is destroyed: the display is
// released and a quit event posted), mouse moves redraw the drawn pointer in
// the safe mouse mode.
void windowEvent(AppState& app, const InputEvent& event, InputEntry input);

// The main loop: takes the window's events and hands them to windowEvent;
// when none waits it runs frame once if the program is active, else it waits
// for the next event. Ends on the quit event (also from the close box, which
// releases the display) and returns the exit code 0.
int runMainLoop(AppState& app, InputEntry input, FrameFunction frame);

// Presents backBuffer with flip; in the safe mouse mode the pointer is then
// drawn afresh on the newly shown picture. Returns what flip returns.
int flipScreen(AppState& app);
