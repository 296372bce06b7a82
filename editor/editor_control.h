// The border editor's control: the editor commands 48..82 of its buttons,
// its clicks on the map, and the numbers typed for the header fields.
//
// While editorActive is 1 input routing sends every click in the band
// (after the button hit test has set command) to controlEdit, every click
// on the map to editorMapClick and every key to numberEntryKey. Each of
// them ends by drawing the editor screen and presenting it.
#pragma once

#include <span>

#include "editor/edit_list.h"
#include "map/border_table.h"
#include "shell/buttons.h"

struct AppState;
struct DrawSurface;

// Carries out command when it is one of 48..82 (any other command only
// redraws), then draws the editor screen into surface and presents it.
// "home" (48) leaves the editor for the atlas instead, and "New Map" (52)
// shows the map chooser instead of the editor screen.
void controlEdit(AppState& app, BorderTable& table, ButtonTable& buttons, EditList& list,
                 DrawSurface* surface);

// A click at or below mapTop (mouseX, mouseY; the click before it already
// in previousMouseX, previousMouseY). On the Map/Record screen it goes to
// the map chooser right after "New Map", else to the list panel; the other
// screens only redraw.
void editorMapClick(AppState& app, BorderTable& table, ButtonTable& buttons, EditList& list,
                    DrawSurface* surface);

// One key of number entry: a character joins typedText (up to 8; a ninth is
// dropped); Enter makes the typed number editEntryValue, shows it with
// " Entry" in the band at once and clears the typing. Enter with nothing
// typed does nothing. typedText must hold at least 10 characters.
void numberEntryKey(AppState& app, int key, std::span<char> typedText, DrawSurface* surface);
