// The nation search: what three typed letters find, the entries it marks in
// the menu, and the search typed on the menu through the input routing.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "content/nation_search.h"
#include "core/app_state.h"
#include "core/nation_groups.h"
#include "platform/surface.h"
#include "tests/test_support.h"

namespace {

struct Search : ::testing::Test {
    AppState app{};
    NationGroupTable groups = nationGroupStart;
    std::array<char, 12> typed{};
    void SetUp() override { setDefaults(app); }
    void type(const char* keys)
    {
        for (const char* k = keys; *k != '\0'; ++k)
            EXPECT_FALSE(searchKey(app, typed, static_cast<unsigned char>(*k)));
    }
    // Types keys, presses ENTER; returns the ids of the marked menu entries.
    std::string search(const char* keys)
    {
        type(keys);
        EXPECT_TRUE(searchKey(app, typed, kSearchEnter));
        runNationSearch(app, groups, typed, nullptr);
        EXPECT_EQ(app.typedLength, 0);
        EXPECT_EQ(typed[0], '\0');
        std::string marked;
        for (const NationGroupRow& row : groups)
            if (row.highlight != 0)
                marked += std::to_string(row.id) + " ";
        return marked;
    }
};

std::string line(int result, const char* typed)
{
    char out[80];
    searchResultLine(result, typed, out);
    return out;
}

} // namespace

TEST(SearchKeys, WhatThreeLettersFind)
{
    EXPECT_EQ(findSearchKey("Egy"), 60);
    EXPECT_EQ(findSearchKey("EGYPT"), 60) << "only the first three letters count";
    EXPECT_EQ(findSearchKey("tai"), 188) << "the first tai (Tai) hides Taiwan";
    EXPECT_STREQ(searchTable[195].key, "tai");
    EXPECT_EQ(findSearchKey("eg"), -1);
    EXPECT_EQ(findSearchKey(""), -1);
    EXPECT_EQ(findSearchKey("xyz"), -1);
    EXPECT_EQ(findSearchKey("zho"), 220);
    EXPECT_EQ(line(60, "Egy"), "Entries for Egypt shown in white.");
    EXPECT_EQ(line(-1, "xyz"), "Search for xyz:  No entries found");
}

TEST_F(Search, MarksTheGroupsOfTheKeyFound)
{
    EXPECT_EQ(search("sla"), "152 159 150 ") << "Europe (id 0) stays unmarked";
    EXPECT_EQ(app.searchResult, 178);
    // Phoenicia holds its ids in the first and last slot.
    EXPECT_EQ(search("pho"), "121 44 ");
    // The Hurrians' group has no menu entry: found, nothing marked.
    EXPECT_EQ(search("hur"), "");
    EXPECT_EQ(app.searchResult, 85);
    EXPECT_EQ(search("egy"), "11 ");
    EXPECT_EQ(search("xyz"), "") << "a miss clears the last marks";
    EXPECT_EQ(app.searchResult, -1);
    EXPECT_EQ(search("eg"), "") << "two letters find nothing";
}

TEST(SearchScreen, TypedOnTheMenu)
{
    ScratchFolder folder;
    const std::string script = "click 25 43\ntype Egx\nkey #8\ntype y\nkey ENTER\n"
                               "state egy.json\nsnapshot egy.png\n"
                               "click 100 220\nsnapshot again.png\n"
                               "type abcdefghi\nstate nine.json\nkey ENTER\n"
                               "state miss.json\nsnapshot miss.png\n";
    ASSERT_EQ(replayScript(script), 0);
    ReplayState egy = readReplayState("egy.json");
    EXPECT_EQ(egy["searchResult"], 60);
    EXPECT_EQ(egy["typedLength"], 0);
    EXPECT_EQ(egy["screenMode"], 2);
    EXPECT_EQ(readReplayState("nine.json")["typedLength"], 8);
    EXPECT_EQ(readReplayState("miss.json")["searchResult"], -1);

    // Egypt (column 2, line 11) in white, Greece below it and Europe not;
    // still so after a click on a blank line redrew the menu; gone after
    // the next search.
    auto white = [](const char* file, int left, int top) {
        DrawSurface* shot = loadSurfacePng(file);
        EXPECT_NE(shot, nullptr);
        const int n = shot ? countPixels(shot, left, top, left + 150, top + 24, 0xFFFF) : 0;
        destroySurface(shot);
        return n;
    };
    EXPECT_GT(white("egy.png", 240, 358), 30);
    EXPECT_EQ(white("egy.png", 240, 430), 0);
    EXPECT_EQ(white("egy.png", 156, 142), 0);
    EXPECT_GT(white("again.png", 240, 358), 30);
    EXPECT_EQ(white("miss.png", 240, 358), 0);
}
