// The atlas's palette: every colour drawn on screen and on paper is a
// ColorIndex 0..215 that this table turns into an RGB value.
//
// The levels are 0, 41, 102, 153, 204 and 255, with two deliberate odd
// entries: 20 has green 200 and 46 has green 25.
#pragma once

#include <array>

#include "platform/surface.h"

inline constexpr int kPaletteSize = 216;

// Colours with a fixed role across the program.
inline constexpr int kColorUnheldLand = 170; // mapLayer before any nation is painted
inline constexpr int kColorError = 204;      // error messages
inline constexpr int kColorWhite = 210;      // chosen or current; the year readout
inline constexpr int kColorNotChosen = 215;  // what is not chosen
inline constexpr int kColorDarkGrey = 214;   // edges of ACTION 103 and 104 records
inline constexpr int kColorBlack = 215;      // text outlines; land in the editor

extern const std::array<Rgb, kPaletteSize> palette;

// The RGB value of a ColorIndex. Callers pass 0..215; an index outside the
// table (a damaged border record) gives black rather than reading past it.
Rgb paletteColor(int colorIndex);
