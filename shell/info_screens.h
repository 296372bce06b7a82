// The information screen and the period page: the two screens that hold
// the reader's settings (year labels, text level, year entry), the one
// listing the information texts and the sample print, the other the
// periods of the chosen national group.
//
// Both draw on the row grid of the menus: row k at mapTop + (k + 2) x
// fontSize4. Mode 1 draws; mode 3 draws, then takes the last click (mouseX,
// mouseY): a setting changes at once and leaves command as it was, so that
// the controller draws the screen again with it; an entry sets the command
// that opens it.
#pragma once

#include "shell/buttons.h"

struct AppState;
struct DrawSurface;

// Information sections of "InfoFull", as list entries of the loaded text.
inline constexpr int kInfoAcknowledgments = 0;
inline constexpr int kInfoLegal = 1;
inline constexpr int kInfoAbout = 2;
inline constexpr int kInfoHelp = 3;

// The information and settings screen. In mode 3 listIndex becomes the
// section clicked (-1 when none) and command 32 opens it; the sample print
// line sets command 39. Called by the controller (OpenInfo, ShowInfoText)
// and the map click.
void infoScreen(AppState& app, const ButtonTable& buttons, int mode, DrawSurface* surface);

// The period page of the loaded history: 30 entries from periodPage, the
// EARLIER and LATER page turns, the text level and year labels; flips. In
// mode 3 a period sets listIndex, selectedRecord, year (its start) and
// command 26; a page turn sets periodPage and command 23. Called by the
// controller (OpenPeriods, ShowPeriods) and the map click.
void periodChooser(AppState& app, int mode, DrawSurface* surface);
