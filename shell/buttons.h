// The menu band at the top of the screen: the button table, its layout,
// which rows each screen shows, drawing and the click test.
//
// Every thing the reader can press above mapTop is a row of the button
// table. The table is built once at start-up from the screen size; each
// change of screen sets which rows are visible; drawButtons paints the band
// and the visible rows; hitTest turns a click in the band into a command.
// A few rows are only drawn by other screens (the year box, the End sign,
// the heading box).
#pragma once

#include <array>
#include <cstdint>

#include "core/limits.h"

struct AppState;
struct DrawSurface;

struct ButtonRow {
    std::int32_t visible;    // 1 shown and clickable; anything else hidden
    std::int32_t left;       // the rectangle; a click counts strictly inside
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t fill;       // ColorIndex of the rectangle
    std::int32_t fontHeight; // label height in pixels
    std::int32_t bold;       // 1: label drawn twice, one pixel apart
    std::int32_t command;    // command a click sets; 0 for rows only drawn
    char label[16];          // up to 15 characters and a terminating zero
};

using ButtonTable = std::array<ButtonRow, kButtonRows>;

extern ButtonTable buttonTable;

// Rows that other parts of the program name.
inline constexpr int kButtonStart = 0;
inline constexpr int kButtonRun = 1;
inline constexpr int kButtonPause = 2;
inline constexpr int kButtonNext = 3;
inline constexpr int kButtonPrior = 4;
inline constexpr int kButtonBack = 5;
inline constexpr int kButtonStepBack = 7;
inline constexpr int kButtonStepForward = 8;
inline constexpr int kButtonBackToMap = 9;
inline constexpr int kButtonClose = 15;
inline constexpr int kButtonHeadingBox = 16;
inline constexpr int kButtonYearBox = 27;
inline constexpr int kButtonEraBC = 28;
inline constexpr int kButtonEraBCE = 29;
inline constexpr int kButtonEraAD = 30;
inline constexpr int kButtonEraCE = 31;
inline constexpr int kButtonEndSign = 32;
inline constexpr int kButtonBand = 74;
// The click test looks at rows 0..kButtonLastClickable only.
inline constexpr int kButtonLastClickable = 72;

// Fills every row for the screen size in app and sets mapTop, headingLeft,
// headingBoxLeft and headingRight. Afterwards only the map, year, i, close
// box and year box rows are visible. Needs the font sizes set.
void buildButtonTable(AppState& app, ButtonTable& buttons);

// Sets the visible flags for the screen (a ScreenMode value); playing picks
// Pause or Run on the region map. Part of every change of screen.
void setVisibility(const AppState& app, ButtonTable& buttons, int screen);

// For rows 0..72, the first visible row strictly containing (x, y) sets
// app.command to its command. Returns true when command is 16 (quit)
// afterwards, also when no row was hit and the last command was quit.
bool hitTest(AppState& app, const ButtonTable& buttons, int x, int y);

// Draws one row: its rectangle, then its label centred in text colour
// textColor (a ColorIndex). Draws nothing without a drawing context.
void drawButton(const AppState& app, const ButtonTable& buttons, int row, int textColor,
                DrawSurface* surface);

// Paints the band, every visible row of 0..72 and the close cross.
void drawButtons(const AppState& app, const ButtonTable& buttons, DrawSurface* surface);

// The year box with the era label beside it and year written in it: the
// absolute value, right-aligned in white. Year 0 shows as 1 (with AD/CE).
void yearReadout(AppState& app, const ButtonTable& buttons, int year, DrawSurface* surface);
