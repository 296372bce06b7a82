// The frame driver: the atlas's idle-time function.
//
// The main loop runs frameStep whenever no event waits. It redraws the
// screen after a display loss, advances a playing animation one step every
// 400 ms, draws the title screen once, and on the title screen shows the
// next picture every 3500 ms. Both intervals share one tick.
#pragma once

#include <cstdint>

#include "shell/buttons.h"

struct AppState;

// The frame timer: milliseconds since start, on the atlas's clock (the
// replay mode's virtual clock included). Tests override elapsed.
class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    // Sets the start to the clock's present time.
    void startTimer();
    // The clock minus the start (an unsigned 32-bit difference taken as signed).
    virtual std::int32_t elapsed() const;

    std::uint32_t start = 0;
};

extern FrameTimer frameTimer;
// Tick of the last interval that passed, shared by the animation step and
// the title pictures.
extern std::int32_t lastTick;

// True when elapsed is at least lastTick + interval; lastTick then becomes
// elapsed (not a multiple of the interval). Otherwise false and lastTick
// stays.
bool intervalElapsed(const FrameTimer& timer, std::int32_t& lastTick, int interval);

// The span of the period being animated, written by the history heading.
extern char historyHeadingText[40];

// Milliseconds between two animation steps and two title pictures.
inline constexpr int kAnimationStepMs = 400;
inline constexpr int kTitlePictureMs = 3500;

// One idle frame (see above).
void frameStep(AppState& app, ButtonTable& buttons, char* headingText);

// One animation step (part of frameStep; the benchmark times it alone).
void animationStep(AppState& app, ButtonTable& buttons, char* headingText);
