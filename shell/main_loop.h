// Start-up of the atlas and its main loop.
#pragma once

#include "platform/display.h"
#include "shell/buttons.h"

struct AppState;

// Starts the atlas: the window (or the headless display), the four display
// surfaces, the start values, the frame timer, the button table, the data
// files, and the title screen as the screen to draw first. Returns false
// when the window or the display cannot be set up (nothing is shown then).
[[nodiscard]] bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend);

// Hands one event to the input routing. Returns true when the program is
// to end; the display has then been released.
bool dispatchEvent(AppState& app, ButtonTable& buttons, const InputEvent& event);

// Takes and dispatches events; when none waits and the atlas is the active
// application, runs one idle frame. Returns the exit code when the program
// ends.
int mainLoop(AppState& app, ButtonTable& buttons);
