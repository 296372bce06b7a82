// The frame driver: the atlas's idle-time function.
//
// The main loop runs frameStep whenever no event waits. It redraws the
// screen after a display loss, advances a playing animation one step every
// 400 ms, draws the title screen once, and on the title screen shows the
// next picture every 3500 ms. Both intervals share one tick, lastTick of
// the frame timer (shell/display_loop.h).
#pragma once

#include <cstdint>

#include "shell/buttons.h"
#include "shell/display_loop.h"

struct AppState;

// The span of the period being animated, written by the history heading.
extern char historyHeadingText[40];

// Milliseconds between two animation steps and two title pictures.
inline constexpr int kAnimationStepMs = 400;
inline constexpr int kTitlePictureMs = 3500;

// One idle frame (see above).
void frameStep(AppState& app, ButtonTable& buttons, char* headingText);

// One animation step (part of frameStep; the benchmark times it alone).
void animationStep(AppState& app, ButtonTable& buttons, char* headingText);
