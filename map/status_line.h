// What the atlas says to the reader: the two-line status box in the middle
// of the menu band, the table of interface texts, and the language list.
//
// Screens ask for a prompt by a status code 200..219; any other code clears
// the box. The interface texts are keyed by eight-character ids with one
// column per language; the title screen draws four of them.
#pragma once

#include <array>

struct AppState;
struct DrawSurface;

// The two lines of a status prompt; an empty line draws nothing.
struct StatusLines {
    const char* upper;
    const char* lower;
};

// The lines the status code shows in the present state (eraLabels picks BC
// or BCE for 218, animationId hides 202 during a group history, command 42
// shortens 209). Unknown codes give two empty lines.
StatusLines statusLines(const AppState& app, int code);

// Clears the status box (between headingBoxLeft and headingRight, above
// mapTop) and draws the prompt of code in it.
void statusLine(AppState& app, int code, DrawSurface* surface);

// One row of the interface text table: an id of 8 characters, then the
// text in language column 0 and in column 1, each zero-terminated.
struct LanguageRow {
    char id[9];
    char column0[85];
    char column1[85];
};
static_assert(sizeof(LanguageRow) == 179, "a language row is 179 bytes");

inline constexpr int kLanguageRows = 12;
using LanguageTable = std::array<LanguageRow, kLanguageRows>;
extern const LanguageTable languageTable;

// The column-0 text of the row whose id is spelt exactly id, or null.
const char* languageText(const char* id);

// The language list: mode 1 draws it; mode 3 draws it and takes the last
// click (mouseX, mouseY), which sets listIndex, may toggle textLevel or
// eraLabels, and sets command 32 when an entry band was hit.
void languageScreen(AppState& app, DrawSurface* surface, int mode);
