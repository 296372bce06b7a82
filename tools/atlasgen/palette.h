// The atlas's 216 colours, as the generator needs them to pick territory
// colours and to draw its previews.
#pragma once

#include <array>
#include <cstdint>

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr int kPaletteSize = 216;
extern const std::array<Rgb, kPaletteSize> atlasPalette;
