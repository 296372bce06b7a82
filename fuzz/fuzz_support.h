// What every fuzz target shares: a scratch working folder, the headless
// display, and the atlas started as the program starts it.
#pragma once

#include <cstddef>
#include <cstdint>

struct AppState;

// Moves into a fresh scratch folder (once per process) and starts the
// headless display on the virtual clock, with the font sizes and the button
// table of an 800 x 600 screen. Safe to call on every input.
void fuzzStart(AppState& app);

// The same, then the atlas's own start-up on the shipped data (borders.dat
// and terrain.dat copied from the source tree's data/ into the scratch
// folder once), ending on the title screen.
void fuzzStartAtlas(AppState& app);

// Writes data to path in the scratch folder; creates the one folder level
// path names ("text/X.txt"). Returns false when it could not.
bool fuzzWriteFile(const char* path, const std::uint8_t* data, std::size_t size);
