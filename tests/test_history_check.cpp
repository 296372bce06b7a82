// veltmaren-atlas history: a sound file passes, every kind of fault in a
// broken one is reported with exit status 1, and the shipped texts (when
// data/text is there) pass as a whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

// Runs the checker in the working folder; returns its exit status and
// fills output.
int runChecker(const std::string& arguments, std::string& output)
{
    const std::string command =
        std::string(VELTMAREN_BINARY_DIR) + "/veltmaren-atlas history " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    output.clear();
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeText(const std::string& path, const std::string& text)
{
    writeFileBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

const char* kSound =
    "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n"
    "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
    "2;-3000;-3000;2;0;0;0;0;0;0;-;*;Egyptian;\n"
    "3;-3000;-3000;3;0;0;0;0;0;0;-;*;The gods of Egypt;\n"
    "4;-2686;-3000;40;-2900;0;1;0;-2;3;-;*;The first kings;\n"
    "5;-2686;-2700;41;-2690;0;0;0;1;1;-;PYRAM;Hieroglyphs;\n"
    "6;-2181;-2686;40;-2500;0;101;0;2;3;-;*;The Old Kingdom;\n"
    "##\n"
    "#-2686;40;\nOne kingdom\nEgypt became one kingdom about 3000 BCE. <Narmer may have joined "
    "the two lands.>\n"
    "#-2686;41;\nHow Egyptians wrote\nThey wrote with pictures. <Scribes wrote fast.>\n"
    "#-2181;40;\nThe pyramids\nThe pyramids at Giza rose about 2560 BCE, long before 30 CE.\n"
    "##\n";

} // namespace

TEST(HistoryCheck, SoundFilePassesAndEveryFaultIsReported)
{
    ScratchFolder folder;
    std::filesystem::create_directory("text");
    std::filesystem::create_directory("images");
    writeText("text/egypt.txt", kSound); // found whatever the case
    writeText("images/EGYPYRAM.jpg", "not decoded, only looked for");
    std::string output;
    EXPECT_EQ(runChecker("EGYPT", output), 0) << output;
    EXPECT_NE(output.find("7 records"), std::string::npos) << output;
    EXPECT_NE(output.find("2 periods, 1 topics"), std::string::npos) << output;

    std::string broken =
        "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n"
        "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
        "2;-3000;-3000;3;0;0;0;0;0;0;-;*;A belief;\n"
        "3;-2686;-3000;40;-2900;0;1;0;-2;7;-;*;Wrong references;\n"  // 2 is no language, 7 none
        "4;-2686;-2700;41;-2690;0;0;0;1;1;-;NOPIC;Missing picture;\n"
        "5;-2500;-2600;40;-2000;0;150;0;0;0;-;*;A gap and a stray mapYear;\n"
        "6;-2550;-2520;40;-2530;0;0;100;0;0;-;*;Out of order;\n"
        "7;-2400;-2550;40;-2450;0;0;0;0;0;-;*;No text;\n"
        "8;-2300;-2400;40;-2350;0;0;0;0;0;-;*;Far too long and wide for the list;\n"
        "##\n"
        "#-2686;40;\nWrong\nThe kings of 3000 BC ruled.\nThey ruled until AD 5. <An older sentence.\n"
        "#-2686;41;\nPicture\nA topic.\n"
        "#-2500;40;\nGap\nText.\n"
        "#-2550;40;\nOrder\nText.\n"
        "#-2400;40;\nA title and nothing else\n"
        "#900;40;\nNowhere\nText.\n"
        "#-2300;40;\nLong\n";
    for (int i = 0; i < 30; ++i)
        broken += "A paragraph of many words that takes a line or two.\n";
    writeText("text/EGYPT.txt", broken + "##\n");
    std::filesystem::remove("text/egypt.txt");
    EXPECT_EQ(runChecker("EGYPT", output), 1);
    for (const char* fault :
         {"languageRef names record 2, which is not a language",
          "beliefRef names record 7, which is not a belief", "images/EGYNOPIC.jpg is missing",
          "a place field names record 50", "a gap", "out of time order",
          "mapYear -2000 lies outside", "record 7 (No text): no text",
          "lines at the Standard level; the history page shows 21",
          "a header that names no record", "the mark BC", "the mark AD",
          "a '<' without its '>'", "place field 100 is not",
          "the period page shows 296"})
        EXPECT_NE(output.find(fault), std::string::npos) << fault << "\n" << output;

    // A place among records 100 and later can never be named by a period.
    std::string places = "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n";
    for (int i = 1; i < 100; ++i)
        places += std::to_string(i) + ";-3000;-3000;2;0;0;0;0;0;0;-;*;L;\n";
    places += "100;-3000;-3000;1;0;0;0;1;0;0;-;*;Too far;\n##\n##\n";
    writeText("text/EGYPT.txt", places);
    EXPECT_EQ(runChecker("EGYPT", output), 1);
    EXPECT_NE(output.find("a place outside records 1..99"), std::string::npos) << output;
    EXPECT_NE(output.find("no period or topic"), std::string::npos) << output;

    EXPECT_EQ(runChecker("NOWHERE", output), 1);
    EXPECT_NE(output.find("can't open"), std::string::npos) << output;
}

TEST(HistoryCheck, AllCoversTheGroupsWithFilesAndInfoFull)
{
    ScratchFolder folder;
    std::filesystem::create_directory("text");
    std::filesystem::create_directory("images");
    writeText("text/EGYPT.txt", kSound);
    writeText("images/EGYPYRAM.jpg", "x");
    writeText("text/InfoFull.txt",
              "0;-3000;-3000;0;0;0;0;0;0;0;InfoFull;*;Information;\n"
              "1;1;0;40;0;0;0;0;0;0;-;*;Acknowledgments;\n"
              "2;2;1;40;0;0;0;0;0;0;-;*;Legal and warranty;\n"
              "3;3;2;40;0;0;0;0;0;0;-;*;About the software;\n"
              "##\n#1;40;\nA\nText.\n#2;40;\nL\nText.\n#3;40;\nS\nText.\n##\n");
    std::string output;
    EXPECT_EQ(runChecker("--all", output), 1);
    EXPECT_NE(output.find("2 histories checked, 1 with errors"), std::string::npos) << output;
    EXPECT_NE(output.find("3 sections"), std::string::npos) << output;
}

// The whole-map history, one period for each page of the printed map
// timeline; brokenPage's years (when not -1) moved off the grid, shortPage's
// text cut to one line; withTopic lists a topic after the first page.
std::string timelineFile(int pages, int brokenPage, int shortPage, bool withTopic = false)
{
    std::string records = "0;-3000;-3000;0;0;5900;-2900;6600;0;0;GLOBAL;GLO;Eurasia/Africa;\n";
    std::string texts;
    for (int page = 0; page < pages; ++page) {
        const auto start = [](int p) { return p < 7 ? -3000 + 250 * p : -1250 + 50 * (p - 7); };
        int from = start(page), to = start(page + 1);
        if (page == brokenPage)
            to -= 10;
        if (brokenPage >= 0 && page == brokenPage + 1)
            from -= 10;
        records += std::to_string(page + 1) + ";" + std::to_string(to) + ";" +
                   std::to_string(from) + ";40;" + std::to_string(to) + ";0;0;0;0;0;-;*;Age " +
                   std::to_string(page + 1) + ";\n";
        texts += "#" + std::to_string(to) + ";40;\nAn age\n";
        const int words = page == shortPage ? 3 : 60;
        for (int w = 0; w < words; ++w)
            texts += "people ";
        texts += "\n";
        if (page == 0 && withTopic) {
            records += "60;-2750;-2800;41;-2800;0;0;0;1;1;-;*;Writing;\n";
            texts += "#-2750;41;\nSigns on clay\nThe first writing.\n";
        }
    }
    return records + "##\n" + texts + "##\n";
}

TEST(HistoryCheck, MapTimelineHasItsFiftyTwoPagesOnTheGrid)
{
    ScratchFolder folder;
    std::filesystem::create_directory("text");
    std::string output;
    writeText("text/GLOBAL.txt", timelineFile(52, -1, -1));
    EXPECT_EQ(runChecker("GLOBAL", output), 0) << output;

    writeText("text/GLOBAL.txt", timelineFile(51, 9, 20, true));
    EXPECT_EQ(runChecker("GLOBAL", output), 1);
    for (const char* fault : {"51 periods; the map timeline has 52 pages",
                              "page 10 of the map timeline covers -1150..-1100, not -1150..-1110",
                              "page 11 of the map timeline covers -1100..-1050, not -1110..-1050",
                              "a page of the map timeline holds 8 to 20",
                              "record 2 (Writing): a topic would take a page of the map timeline"})
        EXPECT_NE(output.find(fault), std::string::npos) << fault << "\n" << output;
}

TEST(HistoryCheck, ShippedTextsPass)
{
    const std::string data = std::string(VELTMAREN_SOURCE_DIR) + "/data";
    if (!std::filesystem::is_directory(data + "/text"))
        GTEST_SKIP() << "no data/text";
    const std::string here = std::filesystem::current_path();
    std::filesystem::current_path(data);
    std::string output;
    const int status = runChecker("--all", output);
    std::filesystem::current_path(here);
    EXPECT_EQ(status, 0) << output;
}
