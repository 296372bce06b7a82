// Decoding JPEG files with TurboJPEG.
#include "platform/jpeg.h"

#include <turbojpeg.h>

#include <cstdio>
#include <new>

namespace {

// Pictures of the atlas are photographs of about 800 x 600; anything far
// beyond that is refused rather than risk a huge allocation.
constexpr long kMaxFileBytes = 32L * 1024 * 1024;
constexpr int kMaxSide = 8192;

// Reads the whole file; null when it cannot be read or is empty or too big.
std::unique_ptr<unsigned char[]> readWholeFile(const char* path, unsigned long& size)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return nullptr;
    std::unique_ptr<unsigned char[]> data;
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        length = std::ftell(file);
    if (length > 0 && length <= kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0) {
        data.reset(new (std::nothrow) unsigned char[static_cast<std::size_t>(length)]);
        if (data && std::fread(data.get(), 1, static_cast<std::size_t>(length), file) !=
                        static_cast<std::size_t>(length))
            data.reset();
    }
    std::fclose(file);
    size = data ? static_cast<unsigned long>(length) : 0;
    return data;
}

} // namespace

bool decodeJpegFile(const char* path, DecodedJpeg& out)
{
    out.pixels.reset();
    out.bytes = 0;
    unsigned long size = 0;
    std::unique_ptr<unsigned char[]> file = readWholeFile(path, size);
    if (!file)
        return false;

    tjhandle decoder = tjInitDecompress();
    if (decoder == nullptr)
        return false;
    bool ok = false;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(decoder, file.get(), size, &width, &height, &subsampling,
                            &colorspace) == 0 &&
        width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
        colorspace != TJCS_CMYK && colorspace != TJCS_YCCK) {
        const int rowBytes = 3 * width;
        const int pitch = (rowBytes + 3) & ~3;
        const std::size_t bytes = static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
        std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[bytes]);
        // A truncated or damaged file decodes with a warning and grey
        // filler; such a picture is refused, never shown half-made.
        if (pixels && tjDecompress2(decoder, file.get(), size, pixels.get(), width, pitch, height,
                                    TJPF_BGR, TJFLAG_BOTTOMUP | TJFLAG_STOPONWARNING) == 0) {
            out.width = width;
            out.height = height;
            out.channels = colorspace == TJCS_GRAY ? 1 : 3;
            out.bytes = bytes;
            out.pixels = std::move(pixels);
            ok = true;
        }
    }
    tjDestroy(decoder);
    return ok;
}
