// The JPEG decoder behind the atlas's pictures.
//
// Only this file's implementation talks to TurboJPEG. A picture comes out
// the way the drawing code takes pictures: 24-bit pixels in blue, green, red
// byte order, the bottom row first, each row padded to a multiple of 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct DecodedJpeg {
    int width;
    int height;
    int channels;      // 1 grey, 3 colour (as stored in the file)
    std::size_t bytes; // size of pixels: padded row length x height
    std::unique_ptr<std::uint8_t[]> pixels;
};

// Decodes the file at path (a real path on this system). Grey pictures are
// widened to BGR. Returns false, with pixels null, for a missing, empty,
// truncated or corrupt file, a picture of four channels (CMYK, YCCK), a
// picture too large to hold, or when memory runs out.
[[nodiscard]] bool decodeJpegFile(const char* path, DecodedJpeg& out);
