// The atlas's pictures: photographs of monuments and places, decoded from
// the JPEG files of the images folder.
//
// A PictureHolder keeps one decoded picture as a device-independent bitmap:
// a 40-byte bitmap information header, one zero colour-table entry and the
// pixels, 24-bit blue-green-red, bottom row first, rows padded to 4 bytes.
// The program keeps three holders (title screen, history, printing).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

struct AppState;
struct DrawSurface;

struct BitmapInfoHeader {
    std::int32_t size;          // 40
    std::int32_t width;         // pixels
    std::int32_t height;        // pixels; positive: rows stored bottom-up
    std::int16_t planes;        // 1
    std::int16_t bitCount;      // 24
    std::int32_t compression;   // 0: uncompressed
    std::int32_t imageSize;     // 0
    std::int32_t xPelsPerMeter; // 0
    std::int32_t yPelsPerMeter; // 0
    std::int32_t colorsUsed;    // 0
    std::int32_t colorsImportant; // 0
};
static_assert(sizeof(BitmapInfoHeader) == 40, "the bitmap header is 40 bytes");

class PictureHolder {
public:
    PictureHolder() = default;
    PictureHolder(const PictureHolder&) = delete;
    PictureHolder& operator=(const PictureHolder&) = delete;

    BitmapInfoHeader header{};   // keeps the last size read, even after a failed load
    std::uint32_t colorEntry = 0; // 24-bit pictures have no colour table

    // The pixels, or an empty span when the holder holds no picture.
    std::span<const std::uint8_t> pixels() const { return {buffer.get(), buffer ? bytes : 0}; }
    bool empty() const { return !buffer; }

    // Frees the picture (the next load does this first).
    void release()
    {
        buffer.reset();
        bytes = 0;
    }

private:
    friend void loadPicture(PictureHolder& holder, const char* programPath);
    std::unique_ptr<std::uint8_t[]> buffer;
    std::size_t bytes = 0;
};

// The three holders of the run.
extern PictureHolder titlePictureHolder;
extern PictureHolder historyPictureHolder;
extern PictureHolder printPictureHolder;

// Decodes the JPEG file programPath ("images\NAME.jpg": backslash folder
// separator, any letter case) into the holder, replacing what it held. On
// any failure the holder holds no picture; nothing is reported.
void loadPicture(PictureHolder& holder, const char* programPath);

// Draws the whole picture stretched over the full screen width between top
// and bottom. Returns false (drawing nothing) when the holder is empty or
// the surface has no drawing context.
bool drawPictureBand(const PictureHolder& holder, const AppState& app, int top, int bottom,
                     DrawSurface* surface);

// Draws the source rectangle of the picture stretched onto the destination
// rectangle. Returns false as drawPictureBand does.
bool drawPictureRect(const PictureHolder& holder, DrawSurface* surface, int x, int y, int width,
                     int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight);

// The pictures of the title screen and the history pages, in table order:
// 28 names of 8 characters in 10-byte rows, then their count.
inline constexpr int kPictureNames = 28;
struct PictureTable {
    char names[kPictureNames][10];
    std::int32_t count;
};
extern const PictureTable pictureTable;

// Writes "images\" + name + ".jpg" of table entry index into path.
// Returns false when path was too small or index is outside the table.
[[nodiscard]] bool picturePath(int index, std::span<char> path);
