// Start-up of the atlas, and what its main loop calls: the input entry for
// keys and clicks and the idle-time frame function.
#pragma once

#include "platform/display.h"
#include "shell/buttons.h"

struct AppState;

// Starts the atlas: the window (or the headless display), the four display
// surfaces, the start values, the frame timer, the button table, the data
// files, and the title screen as the screen the first frame draws. Returns
// false when the window or the display cannot be set up (nothing is shown).
[[nodiscard]] bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend);

// The input entry: a key or left click handed to the input routing with
// the program's button table. Returns true when the program is to end.
bool atlasInput(AppState& app, const InputEvent& event);

// The frame function: one idle frame, then a rest of a millisecond so that
// the loop does not spin a core while nothing is due.
void atlasFrame(AppState& app);
