// Start-up of the atlas, the window's events and the main loop.
#pragma once

#include "platform/display.h"
#include "shell/buttons.h"

struct AppState;

// Starts the atlas: the window (or the headless display), the four display
// surfaces, the start values, the frame timer, the button table, the data
// files, and the title screen as the screen the first frame draws. Returns
// false when the window or the display cannot be set up (nothing is shown).
[[nodiscard]] bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend);

// One window event, as the window procedure handles it: keys and clicks go
// to the input routing, activation and pointer moves are noted. Returns
// true when the program ended (Escape, the close box, the window closed);
// the display has then been released.
bool windowEvent(AppState& app, ButtonTable& buttons, const InputEvent& event);

// Takes and handles the window's events; while none waits and the atlas is
// the active application it runs one idle frame, otherwise it sleeps until
// the next event. Returns the exit code when the program ends.
int mainLoop(AppState& app, ButtonTable& buttons);
