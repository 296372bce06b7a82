// Pictures the atlas writes for use elsewhere: its icon, scaled from a
// rendered map, and animated GIFs of the map through time.
//
// Both read display surfaces as they are; the map is drawn by the atlas's
// own renderer before. GIF frames take the atlas's palette as their colour
// table, so every colour of the map is kept exactly.
#pragma once

#include <cstdint>
#include <span>

#include "platform/surface.h"

// Writes the square [left, left + side) x [top, top + side) of surface,
// smoothly scaled to size x size pixels, as a PNG with rounded, transparent
// corners and a thin dark frame. Returns false when it could not be written
// (bad rectangle, size below 16, file not writable).
[[nodiscard]] bool saveIconPng(const DrawSurface* surface, int left, int top, int side, int size,
                               const char* path);

// An animated GIF being written.
struct GifFile;

// Starts a GIF of width x height pixels that loops for ever, with colors
// (at most 256) as its global colour table. Returns null when the file cannot
// be created. Every opened GIF must be finished with closeGif.
GifFile* openGif(const char* path, int width, int height, std::span<const Rgb> colors);

// Adds the surface (width x height as opened) as the next frame, shown for
// delayMs milliseconds (rounded to hundredths). Each pixel takes the index
// of its colour in the table. Colours the table lacks (the smoothed edges of
// text) take its free entries, up to 256, in a table the frame carries as
// its own; past that a pixel takes its nearest colour. Only the rectangle
// that changed since the previous frame is stored.
// Returns false when writing failed.
[[nodiscard]] bool addGifFrame(GifFile* gif, const DrawSurface* surface, int delayMs);

// Finishes and closes the file. Returns false when the file is incomplete.
bool closeGif(GifFile* gif);
