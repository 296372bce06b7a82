// The loaded history as the shell shows it: historyPanel picks, by mode,
// what of the history is drawn (the heading, the history page with its
// picture, a topic on the map with its strip) or starts the animation of a
// period. The drawing itself is content/history_panel.h's; this adds the
// menu bar, the map, the pictures and the flips that only the shell has.
#pragma once

#include "shell/buttons.h"

struct AppState;
struct DrawSurface;

// Modes of historyPanel.
inline constexpr int kPanelAnimate = 1;     // a period: year span, step, play; draws nothing
inline constexpr int kPanelPage = 2;        // menu bar, heading, history page, picture
inline constexpr int kPanelHeading = 3;     // menu bar and heading
inline constexpr int kPanelShowEntry = 4;   // a topic on the map (or as its picture) with the strip; flips
inline constexpr int kPanelHeadingOnly = 376;

// The history picture box of the page: the part of a picture shown and
// where it goes (fixed pixels, as the pictures were cut for them).
inline constexpr int kPictureSourceX = 20, kPictureSourceY = 0;
inline constexpr int kPictureSourceWidth = 770, kPictureSourceHeight = 440;
inline constexpr int kPictureBoxX = 281, kPictureBoxY = 292;
inline constexpr int kPictureBoxWidth = 515, kPictureBoxHeight = 305;

// Selects entry listIndex of the loaded history (held to 0..lastPeriod),
// sets firstShownLine to its first line, then does what mode says (see the
// constants). headingText (40 bytes) receives the year span in mode 1.
// Called by the controller, the map click and the screens seam; draws on
// surface (the back buffer).
void historyPanel(AppState& app, ButtonTable& buttons, int mode, char* headingText,
                  DrawSurface* surface);

// The heading of the selected entry in the menu band; with headingText,
// also the span of the period into it (the frame driver draws it beside
// the heading while the period plays).
void historyEntryHeadingWithSpan(AppState& app, char* headingText, DrawSurface* surface);
