// The atlas driven by replay scripts: input routing, the controller and the
// frame driver, checked through the state dump and snapshots.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "content/group_menu.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "core/nation_groups.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/messages.h"
#include "map/projection.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/main_loop.h"
#include "shell/replay.h"
#include "tests/map_fixture.h"
#include "tests/test_support.h"

namespace {

using State = ReplayState;
constexpr auto readState = readReplayState;
constexpr auto replay = replayScript;

// Button centres at 800 x 600.
const char* const kYearButton = "click 80 40\n";
const char* const kRun = "click 60 15\n";
const char* const kStepForward = "click 120 15\n";
const char* const kStepBack = "click 12 15\n";
const char* const kSpeed10 = "click 758 10\n";

std::string typeYear(const std::string& keys)
{
    return std::string(kYearButton) + "type " + keys + "\nkey ENTER\n";
}

} // namespace

TEST(Replay, TypedYears)
{
    ScratchFolder folder;
    std::string script = "wait 50\nstate title.json\n";
    const char* const typed[] = {"250-", "-250", "0", "5000", "-250-", "123456789", "x"};
    for (int i = 0; i < 7; ++i)
        script += typeYear(typed[i]) + "state typed" + std::to_string(i) + ".json\n";
    script += std::string(kYearButton) + "key ENTER\nstate nothing.json\n" +
              "key x\nstate redrawn.json\nkey P\nstate print.json\n";
    ASSERT_EQ(replay(script), kReplayDone);

    State title = readState("title.json");
    EXPECT_EQ(title["screenMode"], 0);
    EXPECT_EQ(title["year"], 200) << "the title shows the map of 200";

    const int expected[] = {-250, -250, 1, 1000, 250, 1000, 1};
    for (int i = 0; i < 7; ++i) {
        State s = readState("typed" + std::to_string(i) + ".json");
        EXPECT_EQ(s["year"], expected[i]) << typed[i];
        EXPECT_EQ(s["screenMode"], 6) << typed[i];
        EXPECT_EQ(s["command"], 24) << typed[i];
        EXPECT_EQ(s["typedLength"], 0) << typed[i];
    }
    State nothing = readState("nothing.json");
    EXPECT_EQ(nothing["year"], 1) << "Enter with nothing typed shows year 1";
    EXPECT_EQ(nothing["previousScreenMode"], 3);
    // Any key on the map while ShowMap is the command shows the map again.
    State redrawn = readState("redrawn.json");
    EXPECT_EQ(redrawn["previousScreenMode"], 6);
    EXPECT_EQ(redrawn["printStatus"], 2);
    EXPECT_EQ(readState("print.json")["command"], 43) << "P on the map: show the map again";
}

TEST(Replay, SteppingAndRepeatedCommand)
{
    ScratchFolder folder;
    std::string script = typeYear("149") + "state map.json\n" +
                         "click 400 30\nstate repeated.json\n" + kStepForward +
                         "state forward.json\n";
    const struct {
        const char* year;
        const char* click;
        int expected;
    } steps[] = {
        {"124", kStepForward, 150}, {"-76", kStepForward, -50}, {"-75", kStepForward, 0},
        {"1", kStepForward, 100},   {"149", kStepBack, 50},     {"-149", kStepBack, -150},
        {"-2990", kStepBack, -3000}, {"990", kStepForward, 1000},
        {"50", "click 12 15\nclick 120 15\n", 50}, // through year 0
    };
    int n = 0;
    for (const auto& s : steps)
        script += typeYear(s.year) + s.click + "state step" + std::to_string(n++) + ".json\n";
    ASSERT_EQ(replay(script), kReplayDone);

    State map = readState("map.json");
    EXPECT_EQ(map["previousScreenMode"], 3);
    // A click on no button in the band carries out ShowMap again.
    State repeated = readState("repeated.json");
    EXPECT_EQ(repeated["command"], 24);
    EXPECT_EQ(repeated["screenMode"], 6);
    EXPECT_EQ(repeated["previousScreenMode"], 6) << "the map was shown a second time";
    EXPECT_EQ(readState("forward.json")["year"], 200);
    n = 0;
    for (const auto& s : steps) {
        State st = readState("step" + std::to_string(n++) + ".json");
        EXPECT_EQ(st["year"], s.expected) << "from " << s.year;
    }
}

TEST(Replay, AnimationSteps)
{
    ScratchFolder folder;
    // With yearStep 10, -2995 jumps to -2980. The first step comes with the
    // first idle frame (the last tick is long past), then one every 400 ms.
    std::string script = typeYear("2995-") + kSpeed10 + kRun + "state running.json\n" +
                         "wait 390\nstate early.json\nwait 10\nstate stepped.json\n" +
                         "click 60 15\nstate paused.json\n" +
                         "wait 2000\nstate still.json\n" + typeYear("990") + kRun +
                         "wait 1200\nstate end.json\nsnapshot end.png\n";
    ASSERT_EQ(replay(script), kReplayDone);

    State running = readState("running.json");
    EXPECT_EQ(running["playing"], 1);
    EXPECT_EQ(running["yearStep"], 10);
    EXPECT_EQ(running["year"], -2980);
    EXPECT_EQ(readState("early.json")["year"], -2980) << "no step before 400 ms";
    EXPECT_EQ(readState("stepped.json")["year"], -2970);
    State paused = readState("paused.json");
    EXPECT_EQ(paused["playing"], 0) << "Pause stands where Run stood";
    EXPECT_EQ(paused["command"], 1);
    EXPECT_EQ(readState("still.json")["year"], -2970) << "paused: no more steps";

    State end = readState("end.json");
    EXPECT_EQ(end["year"], 1000);
    EXPECT_EQ(end["playing"], 0);
    EXPECT_EQ(end["screenMode"], 6);
    DrawSurface* shot = loadSurfacePng("end.png");
    ASSERT_NE(shot, nullptr);
    // The End sign (white) stands where the heading box would be.
    EXPECT_EQ(readPixel(shot, 670, 4), 0xFFFF);
    destroySurface(shot);
}

TEST(Replay, BackTitleKeysAndQuit)
{
    ScratchFolder folder;
    std::string script = "key m\nstate safe.json\n" + std::string(kYearButton) +
                         "state year.json\nclick 30 15\nstate back.json\n" +
                         "click 780 10\nstate never.json\n";
    ASSERT_EQ(replay(script), kReplayDone);
    State safe = readState("safe.json");
    EXPECT_EQ(safe["softwareCursor"], 1);
    EXPECT_EQ(safe["command"], 0);
    EXPECT_EQ(readState("year.json")["screenMode"], 3);
    // Back from the year screen opened on the title ends on the map.
    State back = readState("back.json");
    EXPECT_EQ(back["screenMode"], 6);
    EXPECT_EQ(back["command"], 24);
    EXPECT_FALSE(std::ifstream("never.json").good()) << "the close box ended the run";

    // Escape quits also while a year is being typed.
    ASSERT_EQ(replay(std::string(kYearButton) + "type 12\nkey ESC\nstate never2.json\n"),
              kReplayDone);
    EXPECT_FALSE(std::ifstream("never2.json").good()) << "Escape ended the run";
}

TEST(Replay, EraLabelInfoScreenAndSpeeds)
{
    ScratchFolder folder;
    const std::string script = typeYear("-40") + "click 778 40\nstate era.json\n" +
                               "click 120 40\nstate info.json\nclick 30 15\n" +
                               "state back.json\nclick 680 10\nclick 705 10\n" +
                               "click 730 10\nstate speed5.json\nclick 600 560\n" +
                               "state mapclick.json\n";
    ASSERT_EQ(replay(script), kReplayDone);
    State era = readState("era.json");
    EXPECT_EQ(era["eraLabels"], 1) << "the era label beside the year box toggles";
    EXPECT_EQ(era["screenMode"], 6);
    State info = readState("info.json");
    EXPECT_EQ(info["screenMode"], 10);
    EXPECT_EQ(info["command"], 29);
    State back = readState("back.json");
    EXPECT_EQ(back["screenMode"], 6) << "Back from the information screen to the map";
    EXPECT_EQ(back["year"], -40);
    EXPECT_EQ(readState("speed5.json")["yearStep"], 5);
    State click = readState("mapclick.json");
    EXPECT_EQ(click["labelHit"], -199) << "a click on open sea finds no name";
    EXPECT_EQ(click["mouseY"], 560);
    EXPECT_EQ(click["previousMouseX"], 730);
}

TEST(Replay, ClickOnANameOpensItsHistory)
{
    ScratchFolder folder;
    // Where the whole map puts "Egypt" (row 0), as the map's rebuild lays it out.
    AppState view{};
    setDefaults(view);
    view.mapTop = 58;
    selectView(view, nullptr);
    LabelTable labels = labelTable;
    mapLabels(view, historyTable, periodIndex, lineStore, nationGroupTable, labels, kLabelLayout,
              nullptr);
    const std::string egypt =
        std::to_string(labels[0].screenX) + " " + std::to_string(labels[0].screenY + 5);
    // Egypt's label is gone in its end year on the map but still answers a click.
    const std::string script = typeYear("-715") + "state map.json\nclick " +
                               egypt + "\nstate hit.json\n";
    ASSERT_EQ(replay(script), kReplayDone);
    State map = readState("map.json");
    EXPECT_EQ(map["screenMode"], kRegionMap);
    EXPECT_EQ(map["labelCount"], 295);
    State hit = readState("hit.json");
    EXPECT_EQ(hit["labelHit"], 11);
    EXPECT_EQ(hit["previousLabelHit"], -199);
    EXPECT_EQ(hit["command"], kCommandShowHistoryMap);
    EXPECT_EQ(hit["screenMode"], kNationHistory);
}

TEST(Replay, SlideShowAndStartMessages)
{
    ScratchFolder folder;
    std::system("mkdir images && convert -size 64x32 xc:red images/CHNGWALL.jpg 2>/dev/null");
    clearMessages();
    // Start-up flashes two messages (3400 ms); the first picture comes
    // 3500 ms after the frame timer started, then one every 3500 ms.
    ASSERT_EQ(replay("wait 99\nstate before.json\nwait 1\nsnapshot first.png\n"
                     "state first.json\nwait 3499\nstate early.json\nwait 1\n"
                     "wait 84000\nstate last.json\nwait 3500\nstate wrapped.json\n"),
              kReplayDone);
    EXPECT_EQ(readState("before.json")["titlePicture"], 0);
    EXPECT_EQ(readState("first.json")["titlePicture"], 1);
    EXPECT_EQ(readState("early.json")["titlePicture"], 1);
    EXPECT_EQ(readState("last.json")["titlePicture"], 26);
    EXPECT_EQ(readState("wrapped.json")["titlePicture"], 0) << "the 28th name is never shown";
    ASSERT_GE(messageCount(), 2);
    EXPECT_STREQ(messageAt(0), "Can't open borders.dat; setup()");
    EXPECT_STREQ(messageAt(1), "Can't open terrain.dat setup()");

    if (std::ifstream("images/CHNGWALL.jpg").good()) {
        DrawSurface* shot = loadSurfacePng("first.png");
        ASSERT_NE(shot, nullptr);
        EXPECT_EQ(readPixel(shot, 400, 300) & 0xF800, 0xF800) << "the red picture shows";
        EXPECT_EQ(readPixel(shot, 400, 300) & 0x07E0, 0);
        destroySurface(shot);
    }
}

TEST(Replay, TitleScreenOverTheMap)
{
    ScratchFolder folder;
    writeMapFixture();
    clearMessages();
    ASSERT_EQ(replay("snapshot front.png\nkey q\nsnapshot back.png\n"
                     "click 60 15\nwait 400\nsnapshot running.png\nstate running.json\n"),
              kReplayDone);
    EXPECT_EQ(messageCount(), 0) << "the fixture's data files open";
    // The title was drawn into both buffers: a flip shows the same picture.
    for (const char* name : {"front.png", "back.png"}) {
        DrawSurface* shot = loadSurfacePng(name);
        ASSERT_NE(shot, nullptr);
        EXPECT_EQ(readPixel(shot, 5, 590), 0) << name << ": the black title band";
        EXPECT_EQ(readPixel(shot, 400, 61), 0x0013) << name << ": the sea of the map";
        EXPECT_EQ(readPixel(shot, 5, 45), rgbTo565(makeRgb(0, 102, 41))) << name << ": map button";
        destroySurface(shot);
    }
    // Running: Pause stands in place of Run, and the band is gone.
    DrawSurface* shot = loadSurfacePng("running.png");
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(readPixel(shot, 400, 590), 0x0013);
    destroySurface(shot);
    EXPECT_EQ(readState("running.json")["year"], 202);
}

TEST(Replay, MalformedLinesNameTheirNumber)
{
    ScratchFolder folder;
    const char* const bad[] = {"click 10\n", "key ABC\n", "wait -5\n", "jump 3\n",
                               "snapshot\n", "click 1 y\n"};
    for (const char* line : bad) {
        ASSERT_EQ(replay(std::string("# fine\n\nwait 10\n") + line), kReplayMalformed) << line;
        std::ifstream errors("errors.txt");
        std::string message;
        std::getline(errors, message);
        EXPECT_NE(message.find("script.txt:4:"), std::string::npos) << message;
    }
    // The program itself exits 2 on such a line.
    std::ofstream("bad.txt") << "wait x\n";
    std::string command = std::string(VELTMAREN_BINARY_DIR) + "/veltmaren --replay bad.txt 2>/dev/null";
    int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

namespace {

// A small history of Egypt and the information text, written for the
// scripts below.
void writeHistories()
{
    std::filesystem::create_directory("text");
    std::ofstream egypt("text/EGYPT.txt");
    egypt << "0;-3000;-3000;0;0;3300;2200;3100;0;0;EGYPT;EGY;Egypt;\n"
             "1;-3000;-3000;1;3;3125;2985;2;0;0;-;*;Memphis;\n"
             "2;-2686;-3000;40;-2900;0;1;0;0;0;-;*;The first kings;\n"
             "3;-2181;-2686;40;-2500;0;1;0;0;0;-;*;The Old Kingdom;\n"
             "4;-2181;-2560;41;-2560;0;0;0;1;1;-;PYRAM;The pyramids;\n"
             "##\n"
             "#-2686;40;\nOne kingdom\nEgypt became one kingdom. <Narmer joined it.>\n"
             "#-2181;40;\nThe pyramids\nThe kings built pyramids.\n"
             "#-2181;41;\nTombs\nThe pyramids were tombs.\n##\n";
    std::ofstream info("text/InfoFull.txt");
    info << "0;-3000;-3000;0;0;0;0;0;0;0;InfoFull;*;Information;\n";
    const char* sections[] = {"Acknowledgments", "Legal and warranty", "About the software",
                              "Help"};
    for (int i = 0; i < 4; ++i)
        info << i + 1 << ";" << i + 1 << ";" << i << ";40;0;0;0;0;0;0;-;*;" << sections[i]
             << ";\n";
    info << "##\n";
    for (int i = 0; i < 4; ++i)
        info << "#" << i + 1 << ";40;\n" << sections[i] << " title\nText of section " << i
             << ".\n";
    info << "##\n";
}

} // namespace

TEST(Replay, NameHistoryPageBackToMapAndTheInformationTexts)
{
    ScratchFolder folder;
    writeHistories();
    AppState view{};
    setDefaults(view);
    view.mapTop = 58;
    selectView(view, nullptr);
    LabelTable labels = labelTable;
    mapLabels(view, historyTable, periodIndex, lineStore, nationGroupTable, labels, kLabelLayout,
              nullptr);
    const std::string egypt =
        std::to_string(labels[0].screenX) + " " + std::to_string(labels[0].screenY + 5);
    // The list's third row (the topic) on the page: rows of 21 from 84.
    const std::string script = typeYear("-2600") + "click " + egypt +
                               "\nstate page.json\n"
                               "click 100 131\nstate topic.json\n"
                               "click 60 15\nstate map.json\n"
                               "click 121 42\nstate info.json\n"
                               "click 500 120\nstate ack.json\n"
                               "click 30 15\nclick 500 170\nstate legal.json\n"
                               "click 30 15\nclick 100 170\nstate about.json\n"
                               "click 30 15\nclick 100 120\nstate help.json\n";
    ASSERT_EQ(replay(script), kReplayDone);
    State page = readState("page.json");
    EXPECT_EQ(page["screenMode"], kNationHistory);
    EXPECT_EQ(page["historyRecordCount"], 5);
    EXPECT_EQ(page["listIndex"], 1) << "the period the map year falls in";
    EXPECT_EQ(page["selectedRecord"], 3);
    EXPECT_EQ(page["historyListTop"], 84);
    EXPECT_EQ(page["historyListRows"], 21);
    State topic = readState("topic.json");
    EXPECT_EQ(topic["listIndex"], 2);
    EXPECT_EQ(topic["selectedRecord"], 4);
    State map = readState("map.json");
    EXPECT_EQ(map["screenMode"], kRegionMap) << "a name clicked on a region map leads back there";
    EXPECT_EQ(readState("info.json")["screenMode"], kInfoScreen);
    const char* files[] = {"ack.json", "legal.json", "about.json", "help.json"};
    for (int section = 0; section < 4; ++section) {
        State shown = readState(files[section]);
        EXPECT_EQ(shown["screenMode"], kInfoText) << files[section];
        EXPECT_EQ(shown["listIndex"], section) << files[section];
        EXPECT_EQ(shown["selectedRecord"], section + 1) << files[section];
    }
}

TEST(Replay, MenuPeriodPagePlayedPeriodNextPriorAndANameOnTheHistoryMap)
{
    ScratchFolder folder;
    writeHistories();
    // Egypt's entry in the menu, and Egypt's name on the map of its history.
    AppState view{};
    setDefaults(view);
    view.mapTop = 58;
    std::string entry;
    for (int y = 60; y < 600 && entry.empty(); y += 4)
        for (int x = 0; x < 800 && entry.empty(); x += 8)
            if (groupMenuRow(view, x, y) == findNationGroup(nationGroupTable, 11))
                entry = std::to_string(x + 4) + " " + std::to_string(y + 6);
    ASSERT_FALSE(entry.empty());
    view.animationId = 11;
    const MapWindow window = {3300, 2200, 3100};
    selectView(view, &window);
    LabelTable labels = labelTable;
    mapLabels(view, historyTable, periodIndex, lineStore, nationGroupTable, labels, kLabelLayout,
              nullptr);
    const std::string egypt =
        std::to_string(labels[0].screenX) + " " + std::to_string(labels[0].screenY + 5);

    const std::string script = std::string("click 26 42\nclick ") + entry +
                               "\nsnapshot periods.png\nstate periods.json\n"
                               "click 200 159\nstate chosen.json\n"
                               "wait 4000\nsnapshot played.png\nstate played.json\n"
                               "click 100 15\nstate next.json\n"
                               "click 34 15\nstate prior1.json\n"
                               "click 34 15\nstate prior2.json\n"
                               "click 100 15\nwait 800\nclick " + egypt +
                               "\nstate page.json\n"
                               "click 60 15\nstate back.json\n";
    ASSERT_EQ(replay(script), kReplayDone);
    State periods = readState("periods.json");
    EXPECT_EQ(periods["screenMode"], kPeriodPage);
    EXPECT_EQ(periods["animationId"], 11);
    EXPECT_EQ(periods["lastPeriod"], 2);
    // The second row: the Old Kingdom, 505 years in steps of 100.
    State chosen = readState("chosen.json");
    EXPECT_EQ(chosen["screenMode"], kHistoryMap);
    EXPECT_EQ(chosen["selectedRecord"], 3);
    EXPECT_EQ(chosen["historyYearStep"], 100);
    EXPECT_EQ(chosen["playing"], 1);
    State played = readState("played.json");
    EXPECT_EQ(played["playing"], 0);
    EXPECT_EQ(played["year"], -2200) << "(trunc(-2181 / 100) - 1) x 100";
    EXPECT_EQ(played["historyEndYear"], -2200);
    // Next: the topic after the period, shown on the map at its year.
    State next = readState("next.json");
    EXPECT_EQ(next["listIndex"], 2);
    EXPECT_EQ(next["year"], -2560);
    EXPECT_EQ(next["playing"], 0);
    // The first Prior shows the topic again, the second the period before.
    EXPECT_EQ(readState("prior1.json")["listIndex"], 2);
    EXPECT_EQ(readState("prior2.json")["listIndex"], 1);
    State page = readState("page.json");
    EXPECT_EQ(page["screenMode"], kNationHistory);
    EXPECT_EQ(page["labelHit"], 11);
    State back = readState("back.json");
    EXPECT_EQ(back["screenMode"], kHistoryMap) << "Back to map returns to the history's map";
    EXPECT_EQ(back["historyRecordCount"], 5);
}
