// Decoding pictures: row layout, grey pictures, and files that must leave
// the holder empty. Test pictures are made with ImageMagick at test time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "content/pictures.h"
#include "core/app_state.h"
#include "platform/surface.h"
#include "tests/test_support.h"

namespace {

bool haveConvert()
{
    return std::system("convert -version >/dev/null 2>&1") == 0;
}

void make(const std::string& arguments)
{
    ASSERT_EQ(std::system(("convert " + arguments + " 2>/dev/null").c_str()), 0) << arguments;
}

} // namespace

TEST(Pictures, RowsAreBottomUpBgrPaddedToFourBytes)
{
    if (!haveConvert())
        GTEST_SKIP() << "ImageMagick convert is not installed";
    ScratchFolder folder;
    std::system("mkdir images");
    // Top row red, bottom row blue; 801 wide gives rows of 2403 + 1 bytes.
    make("-size 801x1 xc:red xc:blue -append -quality 100 images/ENGSTONE.jpg");
    PictureHolder holder;
    loadPicture(holder, "images\\engstone.jpg");
    ASSERT_FALSE(holder.empty()) << "backslash and letter case must not matter";
    EXPECT_EQ(holder.header.size, 40);
    EXPECT_EQ(holder.header.width, 801);
    EXPECT_EQ(holder.header.height, 2);
    EXPECT_EQ(holder.header.planes, 1);
    EXPECT_EQ(holder.header.bitCount, 24);
    EXPECT_EQ(holder.header.compression, 0);
    ASSERT_EQ(holder.pixels().size(), 2404u * 2);
    auto px = holder.pixels();
    // First stored row is the bottom (blue) row, in B, G, R order.
    EXPECT_GT(px[400 * 3 + 0], 200);
    EXPECT_LT(px[400 * 3 + 2], 60);
    EXPECT_LT(px[2404 + 400 * 3 + 0], 60);
    EXPECT_GT(px[2404 + 400 * 3 + 2], 200);

    make("-size 800x3 gradient: images/grey.jpg");
    loadPicture(holder, "images\\GREY.JPG");
    ASSERT_FALSE(holder.empty());
    EXPECT_EQ(holder.pixels().size(), 2400u * 3) << "800 wide: no pad";
    auto grey = holder.pixels();
    for (int x : {0, 399, 799}) {
        EXPECT_EQ(grey[x * 3], grey[x * 3 + 1]) << "grey comes out as blue, green and red";
        EXPECT_EQ(grey[x * 3], grey[x * 3 + 2]) << x;
    }
}

TEST(Pictures, BadFilesLeaveTheHolderEmpty)
{
    if (!haveConvert())
        GTEST_SKIP() << "ImageMagick convert is not installed";
    ScratchFolder folder;
    std::system("mkdir images");
    make("-size 64x48 gradient:red-blue images/good.jpg");
    make("-size 16x16 xc:red -colorspace CMYK images/cmyk.jpg");
    std::vector<std::uint8_t> good = readFileBytes("images/good.jpg");
    ASSERT_GT(good.size(), 200u);
    writeFileBytes("images/half.jpg", {good.begin(), good.begin() + good.size() / 2});
    std::vector<std::uint8_t> damaged = good;
    for (std::size_t i = good.size() / 3; i < good.size() - 2; i += 7)
        damaged[i] = 0xFF;
    writeFileBytes("images/damaged.jpg", damaged);
    writeFileBytes("images/empty.jpg", {});
    writeFileBytes("images/text.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'});

    AppState app{};
    setDefaults(app);
    DrawSurface* screen = createSurface(800, 600);
    ASSERT_NE(screen, nullptr);
    PictureHolder holder;
    for (const char* bad : {"images\\missing.jpg", "images\\half.jpg", "images\\damaged.jpg",
                            "images\\empty.jpg", "images\\text.jpg", "images\\cmyk.jpg"}) {
        loadPicture(holder, "images\\good.jpg");
        ASSERT_FALSE(holder.empty());
        loadPicture(holder, bad);
        EXPECT_TRUE(holder.empty()) << bad;
        EXPECT_TRUE(holder.pixels().empty()) << bad;
        // Drawing the empty holder leaves the area as it was.
        EXPECT_FALSE(drawPictureBand(holder, app, 58, 474, screen)) << bad;
        EXPECT_EQ(readPixel(screen, 400, 300), 0) << bad;
    }
    loadPicture(holder, "images\\good.jpg");
    EXPECT_TRUE(drawPictureBand(holder, app, 58, 474, screen));
    EXPECT_NE(readPixel(screen, 400, 300), 0) << "the good picture shows";
    destroySurface(screen);
}

TEST(Pictures, TableNamesAndPaths)
{
    // (The title's slide show loads name 0 and wraps before the last.)
    char path[32];
    ASSERT_TRUE(picturePath(27, path));
    EXPECT_STREQ(path, "images\\ENGHADRI.jpg");
    EXPECT_FALSE(picturePath(28, path));
    char tiny[8];
    EXPECT_FALSE(picturePath(1, tiny));
}
