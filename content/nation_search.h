// The nation search of the animations and histories menu: the reader types
// the first three letters of a nation's name and presses ENTER; every
// national group whose history tells of that nation is then drawn in white
// in the menu, with a line naming the nations found.
//
// The search keys are built in. Each key names up to four menu entries by
// their group id; a key may stand twice in the table, and then only its
// first entry is ever found.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/limits.h"
#include "core/nation_groups.h"

struct AppState;
struct DrawSurface;

// One search key, 104 bytes.
struct SearchEntry {
    char key[5];              // three lowercase letters and a terminating zero
    std::int32_t groups[4];   // menu entry ids that tell of the nations; 0 an empty slot
    char blank[40];           // always empty, never shown
    char names[40];           // the nations found, as shown after "Entries for "
};
static_assert(offsetof(SearchEntry, groups) == 8);
static_assert(offsetof(SearchEntry, blank) == 24);
static_assert(offsetof(SearchEntry, names) == 64);
static_assert(sizeof(SearchEntry) == 104);

using SearchTable = std::array<SearchEntry, kSearchKeys>;

// The keys, alphabetical but for the second "tai" (Taiwan), which stands
// after "thu" and is never found.
extern const SearchTable searchTable;

// Keys typed on the menu; what they edit is the shared typed text of the
// input routing (up to 8 characters and a terminating zero).
inline constexpr int kSearchEnter = 13;
inline constexpr int kSearchBackspace = 8;

// The index of the first entry whose key is the first three characters of
// typed (upper case read as lower case), or -1. Fewer than three characters
// match nothing.
int findSearchKey(const char* typed);

// One key of the search: ENTER returns true and leaves the text as it is
// for runNationSearch; backspace takes back the last character; any other
// key is appended (a ninth one is dropped) and lastKey set. Nothing is
// drawn. Called by the key rules for every key while the menu shows.
bool searchKey(AppState& app, std::span<char, 12> typed, int key);

// The line the search shows above the menu for a result (an index of the
// table, or -1 for none) and the typed text: "Entries for <names> shown in
// white." or "Search for <typed>:  No entries found". out takes at least
// 80 bytes.
void searchResultLine(int result, const char* typed, std::span<char> out);

// ENTER on the menu, after the caller has redrawn the menu bar: looks up the
// typed text and sets searchResult, marks the entries of the found key in
// groups (clearing the marks of the last search), shows status 219 and the
// result line, draws the menu (mode 378) and clears the typed text. The
// caller presents the page afterwards.
void runNationSearch(AppState& app, NationGroupTable& groups, std::span<char, 12> typed,
                     DrawSurface* surface);
