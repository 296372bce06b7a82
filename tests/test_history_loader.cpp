// The history loader on small files written by the tests: the header
// search, the text levels, the wrapping against the screen font, the
// current period, and files that break every rule of the format.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "content/history_loader.h"
#include "map/messages.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "core/app_state.h"
#include "tests/test_support.h"

namespace {

struct Loader : ::testing::Test {
    ScratchFolder folder;
    AppState app{};
    DrawSurface* surface = nullptr;
    HistoryTable table{};
    PeriodIndex index{};
    LineStore lines{};
    HistoryNotes notes{};

    void SetUp() override
    {
        useVirtualClock(0);
        clearMessages();
        setDefaults(app);
        app.mapTop = 58;
        app.screenMode = 8;
        surface = createSurface(800, 600);
        ASSERT_NE(surface, nullptr);
        std::filesystem::create_directory("text");
    }
    void TearDown() override { destroySurface(surface); }

    void write(const std::string& name, const std::string& text)
    {
        writeFileBytes("text/" + name + ".txt", std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    void load(const char* name) { historyWithNotes(app, table, index, lines, name, surface, notes); }

    // The record's lines joined, each on its own line of the result.
    std::string text(int record) const
    {
        std::string all;
        const HistoryRecord& r = table[static_cast<std::size_t>(record)];
        for (int i = 0; i < r.lineCount; ++i)
            all += std::string(lines[static_cast<std::size_t>(r.firstLine + i)].data()) + "|";
        return all;
    }
    bool noted(const char* part) const
    {
        for (int i = 0; i < notes.count && i < kHistoryNotes; ++i)
            if (std::strstr(notes.notes[i].text, part) != nullptr)
                return true;
        return false;
    }
};

const char* kRecords =
    "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n"
    "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
    "2;-2600;-3000;40;-2900;0;1;0;0;0;-;*;First;\n"
    "3;-2500;-2600;40;-2550;0;0;0;0;0;-;*;Second;\n"
    "4;-2500;-2550;41;-2550;0;0;0;1;1;-;*;A topic;\n"
    "5;-2000;-2500;40;-2200;0;0;0;0;0;-;*;Third;\n"
    "##\n";

} // namespace

TEST_F(Loader, HeadersNameRecordsByEndYearThenKind)
{
    write("EGYPT", std::string(kRecords) +
                       "#-2500;40;\nSecond title\nSecond text.\n"
                       "#-2500;41;\nTopic title\nTopic text.\n"
                       "#-2550;40;\nLands on the second too\n"
                       "#900;40;\nNo such record\nA paragraph of the spare slot.\n##\n");
    load("EGYPT");
    EXPECT_EQ(app.historyRecordCount, 6);
    // #-2500;40; skips records ending before -2500, then kinds below 40.
    EXPECT_STREQ(table[4].title, "Topic title");
    EXPECT_EQ(text(4), "      Topic text. |");
    // -2550 walks to the first record ending at -2500 or later as well, so
    // the second header for record 3 replaces its title and text.
    EXPECT_STREQ(table[3].title, "Lands on the second too");
    EXPECT_EQ(table[3].lineCount, 0);
    EXPECT_TRUE(noted("a second header for record 3"));
    // A header past the last record: the spare slot takes the error title,
    // and the line after the header is one of its paragraphs.
    EXPECT_STREQ(table[6].title, kNoRecordTitle);
    EXPECT_EQ(text(6), "      No such record |      A paragraph of the spare slot. |");
    EXPECT_TRUE(noted("names no record"));
    EXPECT_EQ(notes.headers[3], 2);
    EXPECT_EQ(notes.headers[2], 0);
    // The index lists the periods and the topic, in table order.
    EXPECT_EQ(app.lastPeriod, 3);
    EXPECT_EQ(index[1].record, 3);
    EXPECT_EQ(index[2].record, 4);
    EXPECT_EQ(index[4].record, kEmptyEntry);
}

TEST_F(Loader, TextLevelsKeepOrLeaveOutTheBracketedPassages)
{
    write("EGYPT", std::string(kRecords) +
                       "#-2600;40;\nT\n<The older readers' sentence.> The plain sentence.\n"
                       "<Only for older readers.>\n##\n");
    load("EGYPT");
    EXPECT_EQ(text(2), "      The older readers' sentence. The|plain sentence. |      Only for "
                       "older readers. |");

    app.textLevel = kTextYoungReader;
    load("EGYPT");
    // Off the history page only the plain sentence is left, and a paragraph
    // that was all brackets leaves no line.
    EXPECT_EQ(text(2), "       The plain sentence. |");

    app.screenMode = 9; // the history page shows every passage
    load("EGYPT");
    EXPECT_EQ(table[2].lineCount, 3);
}

TEST_F(Loader, WrapsGreedilyToTheMeasuredWidth)
{
    const std::string paragraph =
        "The river rose every summer and left black mud on the fields, and the farmers of "
        "Egypt sowed wheat and barley in it when the water went down again in the autumn. "
        "Whole villages worked together on the dykes and canals that held the flood.";
    write("EGYPT", std::string(kRecords) + "#-2600;40;\nT\n" + paragraph + "\n##\n");
    load("EGYPT");
    const int limit = static_cast<int>(0.42 * 800);
    DrawContext* context = acquireContext(surface);
    const Font font{app.fontSize3, 500, 0};
    const HistoryRecord& r = table[2];
    ASSERT_GT(r.lineCount, 3);
    std::string joined;
    for (int i = 0; i < r.lineCount; ++i) {
        std::string line = lines[static_cast<std::size_t>(r.firstLine + i)].data();
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        EXPECT_LE(measureText(context, line.c_str(), font).x, limit) << line;
        if (i + 1 < r.lineCount) {
            // The next line's first word would not have fitted on this one.
            std::string next = lines[static_cast<std::size_t>(r.firstLine + i + 1)].data();
            std::string longer = line + " " + next.substr(0, next.find(' '));
            EXPECT_GT(measureText(context, longer.c_str(), font).x, limit) << longer;
        }
        joined += (i == 0 ? "" : " ") + line;
    }
    releaseContext(context);
    EXPECT_EQ(joined, "      " + paragraph);
}

TEST_F(Loader, LongWordsStandOnTheirOwnLines)
{
    const std::string wide(30, 'W');    // wider than a line, short enough to keep
    const std::string longWord(70, 'x'); // more than a stored line holds
    write("EGYPT", std::string(kRecords) + "#-2600;40;\nT\nA " + wide + " b " + longWord +
                       " end\n##\n");
    load("EGYPT");
    EXPECT_EQ(text(2), "      A|" + wide + "|b|" + longWord.substr(0, 63) + "|end |");
    EXPECT_TRUE(noted("a word longer than a line"));
}

TEST_F(Loader, CurrentPeriodFollowsTheMapYear)
{
    write("EGYPT", std::string(kRecords) + "##\n");
    app.year = 500; // after every period: the last entry
    load("EGYPT");
    EXPECT_EQ(app.listIndex, app.lastPeriod);
    app.year = -2500; // entries ending before -2500: the first only
    load("EGYPT");
    EXPECT_EQ(app.listIndex, 1);

    write("ONE", "0;-3000;-3000;0;0;0;0;0;0;0;ONE;X;One;\n1;1;0;40;0;0;0;0;0;0;-;*;Only;\n##\n##\n");
    load("ONE");
    EXPECT_EQ(app.lastPeriod, 0);
    EXPECT_EQ(app.listIndex, 0);
    EXPECT_EQ(app.periodPage, 0);

    std::string many = "0;-3000;-3000;0;0;0;0;0;0;0;M;X;Many;\n";
    for (int i = 1; i <= 70; ++i)
        many += std::to_string(i) + ";" + std::to_string(-2900 + 10 * i) + ";" +
                std::to_string(-2910 + 10 * i) + ";40;0;0;0;0;0;0;-;*;P;\n";
    write("MANY", many + "##\n##\n");
    app.year = -2900 + 10 * 45 + 5; // 45 periods end before it
    load("MANY");
    EXPECT_EQ(app.listIndex, 45);
    EXPECT_EQ(app.periodPage, 30);
}

TEST_F(Loader, MissingFileKeepsThePreviousHistory)
{
    write("EGYPT", std::string(kRecords) + "#-2600;40;\nT\nText.\n##\n");
    history(app, table, index, lines, "egypt", surface); // any case of the name
    ASSERT_EQ(app.historyRecordCount, 6);
    history(app, table, index, lines, "NOWHERE", surface);
    EXPECT_EQ(app.historyRecordCount, 6);
    EXPECT_STREQ(table[2].label, "First");
    EXPECT_STREQ(lines[0].data(), "      Text. ");
    ASSERT_EQ(messageCount(), 1);
    EXPECT_STREQ(messageAt(0), " Can't open -history()");
}

TEST_F(Loader, DamagedFilesStayInsideTheTables)
{
    // CR LF line ends read as LF ones.
    write("CRLF", "0;-3000;-3000;0;0;0;0;0;0;0;C;X;Crlf;\r\n1;1;0;40;0;0;0;0;0;0;-;*;P;\r\n##\r\n"
                  "#1;40;\r\nTitle\r\nText.\r\n##\r\n");
    load("CRLF");
    EXPECT_STREQ(table[1].label, "P");
    EXPECT_STREQ(table[1].title, "Title");
    EXPECT_STREQ(lines[0].data(), "      Text. ");

    // Short record lines, over-long fields, a header without its ";", no
    // closing lines, a paragraph before any header, an endless line.
    std::string damaged = "0;-3000;-3000;0;99999;" + std::string(200, '7') + "\n" +
                          "1;5;0;40;0;0;0;0;0;0;" + std::string(30, 'c') + ";*;" +
                          std::string(60, 'L') + ";\n" + "2;7\n##\nBefore any header.\n#5\n" +
                          std::string(100, 't') + "\n" + std::string(3000, 'p') + "\n";
    write("BAD", damaged);
    load("BAD");
    EXPECT_EQ(app.historyRecordCount, 3);
    EXPECT_EQ(table[0].mapYear, 32767);
    EXPECT_EQ(std::strlen(table[1].code), 19u);
    EXPECT_EQ(std::strlen(table[1].label), 39u);
    EXPECT_EQ(table[2].endYear, 7);
    EXPECT_EQ(std::strlen(table[1].title), 58u);
    EXPECT_GT(table[1].lineCount, 0);
    for (const char* part : {"fields, not 13", "characters at most; cut", "outside -32768",
                             "without its two", "before the first header",
                             "longer than 511", "ends inside the text"})
        EXPECT_TRUE(noted(part)) << part;

    // More records and lines than the tables hold.
    std::string big;
    for (int i = 0; i < 300; ++i)
        big += std::to_string(i) + ";" + std::to_string(i) + ";0;40;0;0;0;0;0;0;-;*;R;\n";
    big += "##\n#0;40;\nT\n";
    for (int i = 0; i < 500; ++i)
        big += "Many words make many lines here, and many lines fill the store of the lines "
               "fast.\n";
    write("BIG", big + "##\n");
    load("BIG");
    EXPECT_EQ(app.historyRecordCount, kHistoryFileRecords);
    EXPECT_EQ(app.lastPeriod, kPeriodEntries - 1);
    EXPECT_EQ(table[0].lineCount, kHistoryLines);
    EXPECT_GT(notes.droppedLines, 0);
    EXPECT_GT(notes.droppedEntries, 0);
    EXPECT_EQ(notes.droppedRecords, 300 - kHistoryFileRecords);

    // Bytes of any value, NULs among them, never reach past a table.
    std::vector<std::uint8_t> junk;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk.push_back(static_cast<std::uint8_t>(seed >> 16));
        if (i % 97 == 0)
            junk.push_back('#');
        if (i % 53 == 0)
            junk.push_back('\n');
    }
    writeFileBytes("text/JUNK.txt", junk);
    load("JUNK");
    EXPECT_LE(app.historyRecordCount, kHistoryFileRecords);
    EXPECT_LT(app.lastPeriod, kPeriodEntries);
}
