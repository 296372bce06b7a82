// The border editor driven end to end by replay scripts, through the ways
// in on the information screen, its buttons and its clicks on the map; the
// table it stores is checked in the borders file it saves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core/app_state.h"
#include "map/border_table.h"
#include "map/projection.h"
#include "shell/buttons.h"
#include "shell/replay.h"
#include "tests/map_fixture.h"
#include "tests/test_support.h"

namespace {

using State = std::map<std::string, int>;

State readState(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    State state;
    std::size_t i = 0;
    while ((i = text.find('"', i)) != std::string::npos) {
        const std::size_t end = text.find('"', i + 1);
        const std::size_t colon = text.find(':', end);
        state[text.substr(i + 1, end - i - 1)] = std::atoi(text.c_str() + colon + 1);
        i = text.find_first_of(",}", colon);
    }
    return state;
}

int replay(const std::string& script)
{
    {
        std::ofstream out("script.txt");
        out << script;
    }
    AppState app{};
    std::FILE* errors = std::fopen("errors.txt", "w");
    const int code = runReplay(app, buttonTable, "script.txt", errors);
    std::fclose(errors);
    return code;
}

// The nation record the maker edits: six points around lon 10..20,
// lat 10..25, in slot 1 after a land outline; a second nation follows.
std::int16_t lonOf(int p)
{
    const int lons[] = {1000, 2000, 2000, 1500, 1000, 1000};
    return static_cast<std::int16_t>(lons[p]);
}
std::int16_t mercOf(int p)
{
    const int lats[] = {1000, 1000, 2000, 2500, 2000, 1000};
    return static_cast<std::int16_t>(mercator(lats[p]));
}

void writeAtlas()
{
    std::vector<std::uint8_t> bytes(4 * kBorderRecordBytes);
    BorderRecord land{};
    land.STARTYR = -30000;
    const int corners[][2] = {{0, 0}, {4000, 0}, {4000, 4000}, {0, 4000}};
    for (int p = 0; p < 4; ++p) {
        land.points[p][0] = static_cast<std::int16_t>(corners[p][0]);
        land.points[p][1] = static_cast<std::int16_t>(mercator(corners[p][1]));
    }
    land.ENTRIES = 4;
    BorderRecord nation{};
    nation.STARTYR = -500;
    nation.ENDYR = -1;
    nation.NATION = 7;
    nation.COLOR = 12;
    nation.HATCH = 10;
    nation.ACTION = 100;
    for (int p = 0; p < 6; ++p) {
        nation.points[p][0] = lonOf(p);
        nation.points[p][1] = mercOf(p);
    }
    nation.ENTRIES = 6;
    BorderRecord later = nation;
    later.STARTYR = 300;
    later.NATION = 8;
    BorderRecord end{};
    end.STARTYR = 4000;
    end.NATION = 1;
    BorderRecord* records[] = {&land, &nation, &later, &end};
    for (int slot = 0; slot < 4; ++slot) {
        computeBounds(*records[slot]);
        records[slot]->RECORD = static_cast<std::int16_t>(slot);
        encodeBorderRecord(*records[slot], bytes.data() + slot * kBorderRecordBytes);
    }
    writeFileBytes("borders.dat", bytes);
    writeFileBytes("terrain.dat", fixtureTerrainBytes());
    mkdir("temp", 0755);
}

// Clicks at 800 x 600: the ways in, the editor's buttons, the list panel.
const char* const kInfo = "click 121 43\n";
const char* const kEdit = "click 700 10\n";
const char* const kMapRecord = "click 200 10\n";
const char* const kEditPoints = "click 200 28\n";
const char* const kSaveLabels = "click 200 47\n";
const char* const kHome = "click 30 47\n";
const char* const kSaveToWork = "click 464 10\n"; // Map/Record
const char* const kStartYr = "click 464 10\n";    // Save/Labels
const char* const kSaveReplace = "click 464 28\n";
const char* const kSaveFile = "click 60 10\n";
const char* const kDeletePoint = "click 598 10\n"; // Edit Points
const char* const kNewMap = "click 60 10\n";
const char* const kEurope = "click 180 152\n"; // in the map chooser
const char* const kNationFilter = "click 20 75\n";  // list row 1, left
const char* const kFirstEntry = "click 20 165\n";   // list row 7

// Picks the nation 7 record from the list and takes it into the work
// record.
const std::string kPickRecord = std::string(kInfo) + kEdit + "type 7\nkey ENTER\n" +
                                kNationFilter + kFirstEntry + kSaveToWork;

} // namespace

TEST(EditorReplay, TheWaysInOnTheInformationScreenAndNewMap)
{
    ScratchFolder folder;
    writeAtlas();
    // Edit is clickable on the information screen; elsewhere the same place
    // is a speed button and nothing opens the editor.
    ASSERT_EQ(replay(std::string(kInfo) + "state info.json\n" + "click 30 15\n" +
                     "click 60 40\n" + "state menu.json\n" + kEdit + "state notEditor.json\n" +
                     kInfo + kEdit + "state editor.json\n" + kNewMap + kEurope +
                     "state europe.json\n" + kHome + "state home.json\n"),
              kReplayDone);
    EXPECT_EQ(readState("info.json")["screenMode"], 10);
    EXPECT_EQ(readState("notEditor.json")["editorActive"], 0);
    State editor = readState("editor.json");
    EXPECT_EQ(editor["editorActive"], 1);
    EXPECT_EQ(editor["screenMode"], 21);
    // New Map, then Europe in the chooser: the editor's view of Europe.
    State europe = readState("europe.json");
    EXPECT_EQ(europe["animationId"], 0);
    EXPECT_EQ(europe["viewCenterX"], 2600);
    EXPECT_EQ(europe["year"], -3000);
    EXPECT_EQ(europe["screenMode"], 21);
    State home = readState("home.json");
    EXPECT_EQ(home["editorActive"], 0);
    EXPECT_EQ(home["screenMode"], 11);
}

TEST(EditorReplay, APickedRecordEditedAndStoredIsSaved)
{
    ScratchFolder folder;
    writeAtlas();
    ASSERT_EQ(replay(kPickRecord + "state picked.json\n"), kReplayDone);
    State picked = readState("picked.json");
    ASSERT_EQ(picked["editRecordIndex"], 1);
    EXPECT_EQ(picked["viewCenterX"], 1500) << "recentred on the record";

    // Where point 3 of the record stands in the view the pick gave.
    AppState view{};
    for (const char* name : {"viewWest", "viewScaleX", "viewSouthY", "viewScaleY"})
        for (const AppStateField& f : appStateFields())
            if (std::string(f.name) == name)
                view.*f.member = picked.at(name);
    view.screenHeight = 600;
    const ScreenPoint point = projectPoint(view, lonOf(3), mercOf(3));
    const std::string onPoint =
        "click " + std::to_string(point.x) + " " + std::to_string(point.y) + "\n";

    const char* const dir = std::getenv("VELTMAREN_EDITOR_SNAPSHOTS");
    const std::string shots = dir != nullptr ? std::string(dir) + "/" : std::string("");
    const std::string script =
        kPickRecord + "snapshot " + shots + "editor-map-record.png\n" + kEditPoints + onPoint +
        kDeletePoint + "snapshot " + shots + "editor-points.png\n" + "state deleted.json\n" +
        kSaveLabels + "type 250\nkey ENTER\n" + kStartYr + "snapshot " + shots +
        "editor-save-labels.png\n" + kSaveReplace + "state warned.json\n" + kSaveReplace +
        "state stored.json\n" + kSaveFile + kMapRecord + "state saved.json\n" + kHome;
    ASSERT_EQ(replay(script), kReplayDone);

    EXPECT_EQ(readState("deleted.json")["anchorPoint"], -1);
    EXPECT_EQ(readState("warned.json")["startYearChanged"], 0);
    EXPECT_EQ(readState("saved.json")["backupNumber"], 1);

    BorderTable saved{};
    const int count = loadBorderBytes(saved, readFileBytes("borders.dat"));
    EXPECT_EQ(count, 6);
    const BorderRecord& r = saved[1];
    EXPECT_EQ(r.STARTYR, 250) << "stored in its own slot by the second SaveReplace";
    ASSERT_EQ(r.ENTRIES, 5);
    EXPECT_EQ(r.points[3][0], lonOf(4)) << "point 3 was deleted";
    EXPECT_EQ(r.RNG_N, mercOf(2)) << "bounds computed without the deleted point";
    EXPECT_EQ(saved[2].STARTYR, 300);
    EXPECT_EQ(readFileBytes("temp/b1.dat"), readFileBytes("borders.dat"));
}
