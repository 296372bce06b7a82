// Input routing: every character key and left click reaches the atlas here.
//
// A click in the menu band becomes a command through the button table; a
// click on the map goes to the screen that is showing; a key follows the
// key rules (year typing, the nation search, the editor's numbers, single
// keys). Commands are then carried out by the controller.
#pragma once

#include <array>

#include "shell/buttons.h"

struct AppState;

// What the reader typed so far (year, search, editor numbers): up to 8
// characters and a terminating zero.
extern std::array<char, 12> typedText;

inline constexpr int kEventKey = 1;
inline constexpr int kEventClick = 2;

// Handles one event: kind 1 a character key (key is its code), kind 2 a
// left click at (x, y). Returns true when the program is to end (Escape,
// the close box).
bool handleInput(AppState& app, ButtonTable& buttons, int kind, int key, int x, int y);

// The key rules; returns true only for Escape.
bool characterKey(AppState& app, int key);

// A click at or below mapTop, handled by the screen that is showing.
void mapClick(AppState& app, ButtonTable& buttons);
