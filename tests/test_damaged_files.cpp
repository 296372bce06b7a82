// The atlas started on a folder of damaged files: every loader reports what
// it could not read in the program's way and the atlas goes on to its title
// screen and to a map.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/surface.h"
#include "shell/controller.h"
#include "tests/test_support.h"

TEST(DamagedFiles, TheAtlasStartsAndShowsAMap)
{
    ScratchFolder folder;
    // borders.dat cut in the middle of its third record, with garbage after
    // the first; terrain.dat too short; a history and a picture that are
    // not what their names say.
    std::vector<std::uint8_t> borders(2 * 1024 + 300, 0xA5);
    for (int i = 0; i < 16; ++i)
        borders[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 37);
    writeFileBytes("borders.dat", borders);
    writeFileBytes("terrain.dat", std::vector<std::uint8_t>(777, 0xFF));
    ASSERT_EQ(mkdir("text", 0755), 0);
    ASSERT_EQ(mkdir("images", 0755), 0);
    writeFileBytes("text/egypt.txt", {'#', '#', '\n', '#', 'x', ';', '\n', '<', '<', '>'});
    writeFileBytes("images/ENGSTONE.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I'});

    ASSERT_EQ(replayScript("state title.json\n"
                           "wait 8000\n"
                           "click 80 40\n"
                           "type 250-\n"
                           "key ENTER\n"
                           "state map.json\n"
                           "snapshot map.png\n"
                           "click 40 40\n"
                           "click 120 200\n"
                           "state menu.json\n"),
              0);
    ReplayState title = readReplayState("title.json");
    EXPECT_EQ(title["screenMode"], kTitleScreen);
    ReplayState map = readReplayState("map.json");
    EXPECT_EQ(map["year"], -250);
    EXPECT_EQ(map["screenMode"], kRegionMap);
    EXPECT_TRUE(readReplayState("menu.json").count("screenMode"));
    // The map of what could be read: sea below the band at least.
    DrawSurface* shot = loadSurfacePng("map.png");
    ASSERT_NE(shot, nullptr);
    EXPECT_GT(countPixels(shot, 0, 100, 800, 600, 0x0013), 100000);
    destroySurface(shot);
}
