// Animated GIF export read back with giflib's own decoder, and the choice of
// the data folder that lets an installed atlas start anywhere.
#include <gtest/gtest.h>

#include <gif_lib.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "map/palette.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "shell/animation_export.h"
#include "shell/buttons.h"
#include "tests/map_fixture.h"
#include "tests/test_support.h"

namespace {

// Reads a GIF with giflib's decoder, checks its screen, frame count, the
// palette as its global table (and at the head of every frame's own), the
// 400 ms delays, and lays the frames over each other into picture.
void readBackGif(const char* path, int frames, std::vector<Rgb>& picture)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path, &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 800);
    EXPECT_EQ(gif->SHeight, 600);
    ASSERT_EQ(gif->ImageCount, frames);
    ASSERT_NE(gif->SColorMap, nullptr);
    picture.assign(800 * 600, 0);
    for (int f = 0; f < gif->ImageCount; ++f) {
        const SavedImage& frame = gif->SavedImages[f];
        const GifImageDesc& d = frame.ImageDesc;
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, f, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, 40) << "400 ms, in hundredths";
        if (f == 0) {
            EXPECT_EQ(d.Width * d.Height, 800 * 600) << "the first frame is whole";
        }
        const ColorMapObject* colors = d.ColorMap != nullptr ? d.ColorMap : gif->SColorMap;
        for (int i = 0; i < kPaletteSize; ++i) {
            const GifColorType& c = colors->Colors[i];
            ASSERT_EQ(makeRgb(c.Red, c.Green, c.Blue), palette[i]) << "frame " << f;
        }
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const GifColorType& c = colors->Colors[frame.RasterBits[y * d.Width + x]];
                picture[(d.Top + y) * 800 + d.Left + x] = makeRgb(c.Red, c.Green, c.Blue);
            }
    }
    DGifCloseFile(gif, &error);
}

} // namespace

TEST(AnimationExport, FramesDelaysAndEveryColourKept)
{
    ScratchFolder folder;
    writeMapFixture();
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    AppState app = fixtureState(9);
    buildButtonTable(app, buttonTable);
    loadMapFixture(app, borderTable, terrainMap);

    // Out of range: nothing is written.
    EXPECT_EQ(exportAnimation(app, {9, 0, -10, 10, 400, false, "bad.gif"}), -1);
    EXPECT_EQ(exportAnimation(app, {9, -3000, 1000, 0, 400, false, "bad.gif"}), -1);
    EXPECT_EQ(exportAnimation(app, {10, -3000, 1000, 10, 400, false, "bad.gif"}), -1);
    struct stat info;
    EXPECT_NE(stat("bad.gif", &info), 0);

    // Every colour of the palette is kept exactly. The smoothed edges of text
    // bring more shades than a GIF table holds: the first take its free
    // entries, the rest their nearest colour.
    std::vector<bool> inPalette(65536, false);
    for (Rgb c : palette)
        inPalette[rgbTo565(c)] = true;
    for (bool names : {false, true}) {
        // -3000, -2500, -2000 and the last year, which the steps pass over.
        ASSERT_EQ(exportAnimation(app, {9, -3000, -1600, 500, 400, names, "map.gif"}), 4);
        std::vector<Rgb> picture;
        readBackGif("map.gif", 4, picture);
        int paletteDiffering = 0, otherDiffering = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                int shown = readPixel(backBuffer, x, y);
                if (rgbTo565(picture[y * 800 + x]) != shown)
                    ++(inPalette[shown] ? paletteDiffering : otherDiffering);
            }
        EXPECT_EQ(paletteDiffering, 0) << "names " << names;
        EXPECT_LT(otherDiffering, 800 * 600 / 50) << "names " << names;
    }
    releaseDisplay();
}

TEST(DataFolder, ProgramPathsFollowTheChosenFolder)
{
    ScratchFolder folder;
    ASSERT_EQ(mkdir("share", 0755), 0);
    ASSERT_EQ(mkdir("share/Text", 0755), 0);
    writeFileBytes("share/Text/Egypt.txt", {'x'});
    writeFileBytes("share/borders.dat", {0});

    // A program run from its build tree finds no installed data beside it
    // and stays in a working folder without borders.dat.
    EXPECT_STREQ(chooseDataFolder(), "");

    char path[4096];
    std::string share = folder.path() + "/share";
    setDataFolder(share.c_str());
    ASSERT_TRUE(resolvePath("TEXT\\egypt.txt", path));
    EXPECT_EQ(std::string(path), share + "/Text/Egypt.txt") << "case-blind below the folder";
    std::FILE* file = openFile("borders.dat", "rb");
    EXPECT_NE(file, nullptr);
    if (file)
        std::fclose(file);
    ASSERT_TRUE(resolvePath("/etc/hostname", path));
    EXPECT_STREQ(path, "/etc/hostname") << "absolute paths stay as they are";

    setDataFolder("");
    ASSERT_TRUE(resolvePath("share\\TEXT\\egypt.txt", path));
    EXPECT_STREQ(path, "share/Text/Egypt.txt");
    // A working folder that holds borders.dat is always the one used.
    writeFileBytes("borders.dat", {0});
    EXPECT_STREQ(chooseDataFolder(), "");
}
