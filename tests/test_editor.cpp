// The border editor's commands on a small table, carried out through
// controlEdit and the editor map click as the buttons and clicks reach
// them: point picking and the point commands, copying runs, storing and
// deleting records, the record list and number entry.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "core/app_state.h"
#include "editor/edit_list.h"
#include "editor/editor_control.h"
#include "editor/editor_screen.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "map/projection.h"
#include "platform/clock.h"
#include "shell/buttons.h"
#include "tests/test_support.h"

namespace {

BorderTable table;

// STARTYR and NATION of the test table's records, in slot order: a land
// outline, a river, nations (one with STARTYR 0, two at 200), the end mark.
struct Row {
    int startYear;
    int nation;
};
constexpr Row kRows[] = {{-30000, 0}, {-5000, 0}, {-500, 7}, {0, 9},
                         {200, 7},    {200, 8},   {600, 7},  {4000, 1}};
constexpr int kEndMark = 7;

struct Editor : ::testing::Test {
    AppState app{};
    EditList list{};

    void SetUp() override
    {
        useVirtualClock(0);
        clearMessages();
        app = viewState(9);
        setFontSizes(app);
        buildButtonTable(app, buttonTable);
        table = BorderTable{};
        std::vector<std::uint8_t> bytes(sizeof kRows / sizeof kRows[0] * kBorderRecordBytes);
        for (std::size_t i = 0; i < sizeof kRows / sizeof kRows[0]; ++i) {
            BorderRecord r{};
            r.STARTYR = static_cast<std::int16_t>(kRows[i].startYear);
            r.NATION = static_cast<std::int16_t>(kRows[i].nation);
            r.ENDYR = static_cast<std::int16_t>(kRows[i].startYear + 99);
            // Every record has ten points on a row, 300 units apart.
            for (int p = 0; p < 10; ++p)
                place(r, p, p);
            r.ENTRIES = 10;
            encodeBorderRecord(r, bytes.data() + i * kBorderRecordBytes);
        }
        app.recordCount = loadBorderBytes(table, bytes);
        app.editorActive = 1;
        app.screenMode = kEditMapRecordScreen;
    }

    // Point p of record r at the p-th place of the row.
    static void place(BorderRecord& r, int p, int k)
    {
        r.points[p][0] = static_cast<std::int16_t>(3000 + 300 * k);
        r.points[p][1] = static_cast<std::int16_t>(mercator(3000));
    }

    BorderRecord& work() { return table[kWorkRecordSlot]; }

    // The maker's click on the map before a button: at point p of record r.
    void clickOn(const BorderRecord& r, int p)
    {
        const ScreenPoint s = projectPoint(app, r.points[p][0], r.points[p][1]);
        app.previousMouseX = s.x + 1;
        app.previousMouseY = s.y - 2;
    }
    // A click where new points are made, and one where no point ever is.
    void clickNowhere()
    {
        app.previousMouseX = 400;
        app.previousMouseY = 100;
    }
    void clickMiss()
    {
        app.previousMouseX = 795;
        app.previousMouseY = 595;
    }
    void run(int command)
    {
        app.command = command;
        controlEdit(app, table, buttonTable, list, nullptr);
    }
    void entry(int value, int command)
    {
        app.editEntryValue = value;
        run(command);
    }
    int xOf(int p) { return work().points[p][0]; }
    std::string lastMessage() { return messageCount() ? messageAt(messageCount() - 1) : ""; }
};

TEST_F(Editor, PointCommandsPickAndEditTheWorkRecord)
{
    app.editRecordIndex = 2;
    run(57); // SaveToWork
    ASSERT_EQ(work().RECORD, 2);

    // Two points on one pixel: Delete Point removes the higher, the pick of
    // InsertAfter finds the lower.
    place(work(), 5, 2);
    clickOn(work(), 2);
    run(77);
    EXPECT_EQ(work().ENTRIES, 9);
    EXPECT_EQ(xOf(2), 3600);
    EXPECT_EQ(xOf(5), 3000 + 300 * 6);
    EXPECT_EQ(work().points[9][0], 0) << "the freed slot is cleared";
    EXPECT_EQ(table[kUndoRecordSlot].ENTRIES, 10) << "the snapshot came first";

    // InsertAfter on point 3, then InsertPoint puts the click after it.
    clickOn(work(), 3);
    run(76);
    EXPECT_EQ(app.anchorPoint, 3);
    clickMiss();
    run(76);
    EXPECT_EQ(app.anchorPoint, 3) << "a pick that finds nothing keeps the anchor";
    clickNowhere();
    run(80);
    EXPECT_EQ(work().ENTRIES, 10);
    EXPECT_EQ(app.anchorPoint, -1);
    const std::int16_t madeX = work().points[4][0];
    EXPECT_NEAR(madeX, app.viewWest + (401.0 / 800) * (app.viewEast - app.viewWest), 1);
    // Without an anchor the new point goes first.
    run(80);
    EXPECT_EQ(work().points[0][0], madeX);
    EXPECT_EQ(xOf(1), 3000);

    // DelPtsBefore without anchor and without a hit: nothing; DelPtsAfter
    // in the same case: every point goes.
    clickMiss();
    run(79);
    EXPECT_EQ(work().ENTRIES, 11);
    BorderRecord before = work();
    clickOn(work(), 4);
    run(79); // points 4.. move to the front
    EXPECT_EQ(work().ENTRIES, 7);
    EXPECT_EQ(xOf(0), before.points[4][0]);
    EXPECT_EQ(xOf(6), before.points[10][0]);
    EXPECT_EQ(work().points[7][0], 0);
    clickOn(work(), 2);
    run(78); // keeps 0..2
    EXPECT_EQ(work().ENTRIES, 3);
    EXPECT_EQ(work().points[3][0], 0);
    clickMiss();
    run(78);
    EXPECT_EQ(work().ENTRIES, 0);

    // UndoWork brings back the record as the last snapshot kept it.
    run(54);
    EXPECT_EQ(work().ENTRIES, 3);
}

TEST_F(Editor, AFullRecordTakesNoMorePoints)
{
    work().ENTRIES = kBorderPoints;
    const std::int16_t after = work().RNG_W; // the first word past the points
    clickNowhere();
    run(75);
    run(80);
    EXPECT_EQ(work().ENTRIES, kBorderPoints);
    EXPECT_EQ(work().RNG_W, after);
    EXPECT_EQ(lastMessage(), "Record full: 249 points. Not added.");
}

TEST_F(Editor, CopyRunsFollowTheNeighbourEitherWayUpTo120Points)
{
    app.editRecordIndex = 4;
    const BorderRecord& source = table[4];
    clickOn(source, 7);
    run(81);
    EXPECT_EQ(app.copyFromPoint, 7);
    clickOn(source, 3);
    run(82);
    ASSERT_EQ(work().ENTRIES, 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(xOf(k), source.points[7 - k][0]);
    EXPECT_EQ(app.copyFromPoint, -1);
    EXPECT_EQ(app.copyToPoint, -1);

    // One end missing: nothing is appended.
    clickMiss();
    run(81);
    clickOn(source, 3);
    run(82);
    EXPECT_EQ(work().ENTRIES, 5);

    // Appending stops at 120 points.
    work().ENTRIES = 117;
    clickOn(source, 0);
    run(81);
    clickOn(source, 9);
    run(82);
    EXPECT_EQ(work().ENTRIES, 120);
    EXPECT_EQ(xOf(119), source.points[2][0]);
}

TEST_F(Editor, SaveReplaceStoresInTheSlotItCameFrom)
{
    app.editRecordIndex = 4;
    run(57);
    entry(250, 66); // StartYr
    run(67);
    EXPECT_EQ(lastMessage(), "Start Year Change. Use SaveReplace. Not saved.");
    EXPECT_EQ(table[4].STARTYR, 200);
    EXPECT_EQ(app.startYearChanged, 0);
    run(67);
    EXPECT_EQ(table[4].STARTYR, 250) << "stored in its slot, out of year order";
    EXPECT_EQ(table[4].RNG_W, 3000);
    EXPECT_EQ(table[4].RNG_E, 3000 + 300 * 9);
    EXPECT_EQ(work().ENTRIES, 0);
    EXPECT_EQ(work().RECORD, 0);
    run(54); // UndoWork brings the stored record back
    EXPECT_EQ(work().STARTYR, 250);
    EXPECT_EQ(work().RECORD, 4);

    // A record made from nothing has no slot to go back to.
    run(58);
    clickNowhere();
    run(75);
    run(67);
    EXPECT_EQ(lastMessage(), "RECNUMB==0; controlEdit()");
    EXPECT_EQ(work().ENTRIES, 1);

    // A RECORD typed past the table is refused, not written over memory.
    work().RECORD = 1500;
    run(67);
    EXPECT_EQ(lastMessage(), "RECORD outside the table. Not saved.");
}

TEST_F(Editor, SaveNewPlacesTheRecordByStartYear)
{
    const int count = app.recordCount;
    // STARTYR 0 and 4000: not placed, though the bounds are computed.
    clickNowhere();
    run(75);
    entry(0, 66);
    run(68);
    EXPECT_EQ(app.recordCount, count);
    EXPECT_EQ(app.startYearChanged, 0);
    EXPECT_EQ(work().ENTRIES, 1);
    EXPECT_EQ(work().RNG_W, work().points[0][0]);
    entry(4000, 66);
    run(68);
    EXPECT_EQ(app.recordCount, count);

    // Equal STARTYR: before the records of that year, past STARTYR 0.
    entry(200, 66);
    entry(42, 74);
    run(68);
    EXPECT_EQ(app.recordCount, count + 1);
    EXPECT_EQ(table[4].NATION, 42);
    EXPECT_EQ(table[5].STARTYR, 200);
    EXPECT_EQ(table[3].STARTYR, 0);
    EXPECT_EQ(table[kEndMark + 1].STARTYR, 4000);
    EXPECT_EQ(table[kEndMark + 2].STARTYR, 4000) << "the sentinels moved up with it";
    for (int slot = 0; slot < app.recordCount; ++slot)
        EXPECT_EQ(table[slot].RECORD, slot);
    EXPECT_EQ(work().ENTRIES, 0);

    // A year before every nation goes right after the rivers.
    clickNowhere();
    run(75);
    entry(-3000, 66);
    run(68);
    EXPECT_EQ(table[2].STARTYR, -3000);

}

TEST_F(Editor, SaveNewOnAFullTableChangesNothing)
{
    for (int slot = kEndMark; slot < kWorkRecordSlot; ++slot)
        table[slot].STARTYR = 900; // nations up to the work record
    // The end mark one slot past the last from which a save can still move
    // it and its sentinels up.
    table[1094].STARTYR = 4000;
    app.recordCount = 1097;
    clickNowhere();
    run(75);
    entry(100, 66);
    const BorderTable before = table;
    run(68);
    EXPECT_EQ(lastMessage(), "Border table full. Not saved.");
    EXPECT_EQ(app.recordCount, 1097);
    EXPECT_EQ(std::memcmp(&table[0], &before[0], sizeof(BorderRecord) * kWorkRecordSlot), 0);
    EXPECT_EQ(work().ENTRIES, 1);
}

TEST_F(Editor, DeleteRecRemovesTheSlotForGood)
{
    const int count = app.recordCount;
    app.editRecordIndex = 6;
    run(57); // the work record comes from slot 6
    app.editRecordIndex = 4;
    run(59);
    EXPECT_EQ(app.recordCount, count - 1);
    EXPECT_EQ(table[4].NATION, 8);
    EXPECT_EQ(table[5].RECORD, 5) << "the table is numbered again";
    // SaveReplace still writes to the slot the record came from, now the
    // end mark's.
    entry(777, 69);
    run(67);
    EXPECT_EQ(table[6].ENDYR, 777);
    EXPECT_EQ(table[5].ENDYR, 699);
    // The end mark and the sentinels are never deleted.
    table[6].STARTYR = 4000;
    app.editRecordIndex = 6;
    run(59);
    EXPECT_EQ(app.recordCount, count - 1);
}

TEST_F(Editor, TheListPanelFiltersPagesAndPicks)
{
    auto clickPanel = [&](int x, int row) {
        app.mouseX = x;
        app.mouseY = app.mapTop + row * app.fontSize1 + 2;
        app.command = 57; // the last button: not New Map
        editorMapClick(app, table, buttonTable, list, nullptr);
    };
    app.editEntryValue = 7;
    clickPanel(20, 1); // NATION= column
    EXPECT_EQ(app.editFilterValue, 7);
    EXPECT_EQ(app.editListByYear, 0);
    EXPECT_EQ(list[0].record, 2);
    EXPECT_EQ(list[1].record, 4);
    EXPECT_EQ(list[2].record, 6);
    EXPECT_EQ(list[2].fifth, 10) << "by nation the fifth value is ENTRIES";
    EXPECT_EQ(list[3].record, 0);

    clickPanel(120, 3); // the right page choice of row 3
    EXPECT_EQ(app.editListPage, 75);
    clickPanel(20, 2);
    EXPECT_EQ(app.editListPage, 0);

    const int center = app.viewCenterX;
    const int span = app.viewNorthY - app.viewSouthY;
    clickPanel(20, 6); // the empty row
    clickPanel(200, 8); // right of the panel
    EXPECT_EQ(app.editListIndex, 0);
    EXPECT_EQ(app.viewCenterX, center);

    table[6].RNG_W = 1000;
    table[6].RNG_E = 5001;
    clickPanel(20, 9);
    EXPECT_EQ(app.editListIndex, 2);
    EXPECT_EQ(app.editRecordIndex, 6);
    EXPECT_EQ(app.viewCenterX, 3000);
    EXPECT_EQ(app.viewNorthY - app.viewSouthY, span);

    app.editEntryValue = 200;
    clickPanel(100, 1); // YEAR= column
    EXPECT_EQ(app.editListByYear, 1);
    EXPECT_EQ(list[0].record, 4);
    EXPECT_EQ(list[0].fifth, 7) << "by year the fifth value is NATION";
    EXPECT_EQ(list[3].startYear, 4000);
    EXPECT_EQ(list[3].action, -100);
}

TEST_F(Editor, NumberEntryTakesEightCharactersAndEnter)
{
    std::array<char, 12> typed{};
    app.typedLength = 0;
    for (char c : std::string("-12345678"))
        numberEntryKey(app, c, typed, nullptr);
    EXPECT_STREQ(typed.data(), "-1234567") << "a ninth character is dropped";
    numberEntryKey(app, 13, typed, nullptr);
    EXPECT_EQ(app.editEntryValue, -1234567);
    EXPECT_EQ(app.typedLength, 0);
    numberEntryKey(app, 13, typed, nullptr);
    EXPECT_EQ(app.editEntryValue, -1234567) << "Enter with nothing typed does nothing";
    for (char c : std::string(" x9"))
        numberEntryKey(app, c, typed, nullptr);
    numberEntryKey(app, 13, typed, nullptr);
    EXPECT_EQ(app.editEntryValue, 0);
    // Header fields keep the low 16 bits.
    entry(70000, 70);
    EXPECT_EQ(work().COLOR, 70000 - 65536);
}

} // namespace
