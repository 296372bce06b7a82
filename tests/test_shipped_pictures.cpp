// The pictures shipped in data/images: every name of the picture table is
// there and loads, and every picture is one the atlas can show as it means
// to (big enough for the history page's source rectangle, colour, baseline,
// within the size budget of a picture).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "content/pictures.h"
#include "platform/jpeg.h"
#include "tests/test_support.h"

namespace {

const std::string dataFolder = std::string(VELTMAREN_SOURCE_DIR) + "/data";

// True when the file has a baseline frame header (SOF0) and no other kind
// of frame: progressive or lossless files are not what the renderer writes.
bool isBaselineJpeg(const std::vector<std::uint8_t>& bytes)
{
    bool baseline = false;
    for (std::size_t i = 2; i + 3 < bytes.size();) {
        if (bytes[i] != 0xFF)
            return false;
        const std::uint8_t marker = bytes[i + 1];
        if (marker == 0xDA) // start of scan: the headers are over
            return baseline;
        if (marker == 0xC0)
            baseline = true;
        else if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                 marker != 0xCC)
            return false;
        i += 2 + (std::size_t{bytes[i + 2]} << 8 | bytes[i + 3]);
    }
    return false;
}

// Works in the data folder, as the atlas does, until the end of the scope.
struct InDataFolder {
    std::filesystem::path previous = std::filesystem::current_path();
    InDataFolder() { std::filesystem::current_path(dataFolder); }
    ~InDataFolder() { std::filesystem::current_path(previous); }
};

} // namespace

TEST(ShippedPictures, EveryTableNameLoadsWithTheHistoryPageRectangle)
{
    ASSERT_TRUE(std::filesystem::is_directory(dataFolder + "/images"));
    InDataFolder inData;
    PictureHolder holder;
    for (int i = 0; i < pictureTable.count; ++i) {
        char path[32];
        ASSERT_TRUE(picturePath(i, path));
        loadPicture(holder, path);
        ASSERT_FALSE(holder.empty()) << path << " is missing or does not decode";
        // The history page draws source (20, 0) 770 x 440 of the picture.
        EXPECT_GE(holder.header.width, 790) << path;
        EXPECT_GE(holder.header.height, 440) << path;
    }
}

TEST(ShippedPictures, EveryPictureIsBaselineColourWithinTheBudget)
{
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder + "/images")) {
        const std::string path = entry.path().string();
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(entry.path().extension(), ".jpg") << name;
        // Eight capital letters or digits: the names histories join from a
        // prefix and a topic's picture field.
        EXPECT_EQ(entry.path().stem().string().size(), 8u) << name;
        for (char c : entry.path().stem().string())
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << name;
        EXPECT_LE(entry.file_size(), 250u * 1024) << name;
        const std::vector<std::uint8_t> bytes = readFileBytes(path);
        EXPECT_TRUE(isBaselineJpeg(bytes)) << name << " is not a baseline JPEG";
        DecodedJpeg decoded{};
        ASSERT_TRUE(decodeJpegFile(path.c_str(), decoded)) << name;
        EXPECT_EQ(decoded.channels, 3) << name;
        EXPECT_GE(decoded.width, 790) << name;
        EXPECT_GE(decoded.height, 440) << name;
        ++checked;
    }
    EXPECT_GE(checked, pictureTable.count);
}
