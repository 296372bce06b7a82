// Loading, numbering, bounds and writing of the border records.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/app_state.h"
#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "shell/startup.h"
#include "tests/test_support.h"

namespace {

// A record in file form: only the header words given are set.
std::vector<std::uint8_t> fileRecord(int startYear, int color = 0)
{
    BorderRecord record{};
    record.STARTYR = static_cast<std::int16_t>(startYear);
    record.COLOR = static_cast<std::int16_t>(color);
    std::vector<std::uint8_t> bytes(kBorderRecordBytes);
    encodeBorderRecord(record, bytes.data());
    return bytes;
}

void append(std::vector<std::uint8_t>& file, const std::vector<std::uint8_t>& record)
{
    file.insert(file.end(), record.begin(), record.end());
}

class BorderTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useVirtualClock(0);
        clearMessages();
        setDefaults(app);
        table = BorderTable{};
    }
    AppState app{};
    BorderTable table{};
};

TEST_F(BorderTableTest, NumbersRecordsAndAppendsSentinels)
{
    // Empty file: every slot reads as STARTYR 0, so the scan runs to 1096.
    EXPECT_EQ(loadBorderBytes(table, {}), 1099);
    EXPECT_EQ(table[1095].RECORD, 1095);
    EXPECT_EQ(table[1096].RECORD, 0) << "the stopping slot is not numbered";
    EXPECT_EQ(table[1097].STARTYR, 4000);
    EXPECT_EQ(table[1098].STARTYR, 5000);
    EXPECT_EQ(table[1099].STARTYR, 6000);
    EXPECT_EQ(table[1099].NATION, 1);

    // End mark first: nothing numbered, sentinels at 1..3.
    table = BorderTable{};
    auto endFirst = fileRecord(4000);
    endFirst[1022] = 77; // RECORD word of the end mark stays as written
    EXPECT_EQ(loadBorderBytes(table, endFirst), 3);
    EXPECT_EQ(table[0].RECORD, 77);
    EXPECT_EQ(table[1].STARTYR, 4000);
    EXPECT_EQ(table[3].STARTYR, 6000);
    EXPECT_EQ(table[4].STARTYR, 0);

    // Three records and an end mark, as the editor saves them: reloading the
    // saved records 0..e+2 gives the same recordCount.
    table = BorderTable{};
    std::vector<std::uint8_t> file;
    append(file, fileRecord(-30000));
    append(file, fileRecord(-5000));
    append(file, fileRecord(-500));
    append(file, fileRecord(4000));
    EXPECT_EQ(loadBorderBytes(table, file), 6);
    EXPECT_EQ(table[2].RECORD, 2);
    ScratchFolder folder;
    ASSERT_EQ(writeBorders("borders.dat", table, 6), 6);
    BorderTable again{};
    app.recordCount = 0;
    loadBorders(app, again);
    EXPECT_EQ(app.recordCount, 6);
    EXPECT_EQ(again[2].STARTYR, -500);
}

TEST_F(BorderTableTest, ReadsAtMostTheFileSlots)
{
    // 1200 records without an end mark: only slots 0..1097 come from the file,
    // and the editor's work record keeps what it held.
    std::vector<std::uint8_t> file;
    for (int i = 0; i < 1200; ++i)
        append(file, fileRecord(100, i < 1098 ? 7 : 99));
    table[kWorkRecordSlot].COLOR = 55;
    table[kUndoRecordSlot].COLOR = 56;
    EXPECT_EQ(loadBorderBytes(table, file), 1099);
    EXPECT_EQ(table[1097].COLOR, 7);
    EXPECT_EQ(table[kWorkRecordSlot].COLOR, 55);
    EXPECT_EQ(table[kUndoRecordSlot].COLOR, 56);
    EXPECT_EQ(table[1097].STARTYR, 4000);

    // A file cut inside a record fills that record as far as it goes.
    table = BorderTable{};
    table[1].COLOR = 33;
    std::vector<std::uint8_t> cut;
    append(cut, fileRecord(-30000));
    append(cut, fileRecord(-40, 12));
    cut.resize(kBorderRecordBytes + 1008); // ends after STARTYR of record 1
    loadBorderBytes(table, cut);
    EXPECT_EQ(table[1].STARTYR, -40);
    EXPECT_EQ(table[1].COLOR, 33);
}

TEST_F(BorderTableTest, FileWordsAreLittleEndian)
{
    BorderRecord record{};
    record.points[0][0] = 1250;
    record.points[0][1] = -2;
    record.STARTYR = -500;
    record.RECORD = 0x1234;
    std::uint8_t bytes[kBorderRecordBytes];
    encodeBorderRecord(record, bytes);
    EXPECT_EQ(bytes[0], 0xE2);
    EXPECT_EQ(bytes[1], 0x04);
    EXPECT_EQ(bytes[2], 0xFE);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(bytes[1006], 0x0C);
    EXPECT_EQ(bytes[1007], 0xFE);
    EXPECT_EQ(bytes[1022], 0x34);
    EXPECT_EQ(bytes[1023], 0x12);

    // Any 1024 bytes survive decoding and encoding unchanged.
    std::mt19937 random(7);
    std::uint8_t original[kBorderRecordBytes];
    for (auto& b : original)
        b = static_cast<std::uint8_t>(random());
    BorderRecord decoded{};
    decodeBorderRecord(original, decoded);
    encodeBorderRecord(decoded, bytes);
    EXPECT_EQ(std::memcmp(original, bytes, sizeof bytes), 0);
}

TEST_F(BorderTableTest, BadFilesNeverOverrun)
{
    ScratchFolder folder;
    loadBorders(app, table);
    EXPECT_EQ(app.recordCount, 0);
    ASSERT_EQ(messageCount(), 1);
    EXPECT_STREQ(messageAt(0), "Can't open borders.dat; setup()");
    EXPECT_EQ(table[0].STARTYR, 0);

    // Random bytes of many lengths: the loader stays inside the table and
    // every scan stops by slot 1097.
    std::mt19937 random(11);
    for (std::size_t length : {1u, 1023u, 1025u, 5000u, 700000u, 1200000u}) {
        std::vector<std::uint8_t> bytes(length);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        writeFileBytes("borders.dat", bytes);
        table = BorderTable{};
        loadBorders(app, table);
        EXPECT_GE(app.recordCount, 3);
        EXPECT_LE(app.recordCount, 1099);
        EXPECT_LE(firstRecordAbove(table, 0, 32767), kBorderPaintLimit);
        for (int slot = 0; slot < app.recordCount; ++slot)
            computeBounds(table[slot]);
    }
}

TEST_F(BorderTableTest, BoundsSkipZeroAndClampEntries)
{
    BorderRecord record{};
    record.ENTRIES = 3;
    record.points[0][0] = 0;     // the Greenwich meridian
    record.points[0][1] = 4000;
    record.points[1][0] = -150;
    record.points[1][1] = 0;     // the equator
    record.points[2][0] = 3600;
    record.points[2][1] = -900;
    computeBounds(record);
    EXPECT_EQ(record.RNG_W, -150);
    EXPECT_EQ(record.RNG_E, 3600);
    EXPECT_EQ(record.RNG_N, 4000);
    EXPECT_EQ(record.RNG_S, -900);

    // Every x zero: west and east keep their start values.
    BorderRecord meridian{};
    meridian.ENTRIES = 2;
    meridian.points[0][1] = 100;
    meridian.points[1][1] = 200;
    computeBounds(meridian);
    EXPECT_EQ(meridian.RNG_W, 17900);
    EXPECT_EQ(meridian.RNG_E, -17900);
    EXPECT_EQ(meridian.RNG_N, 200);

    // No points, or a negative count: the start values.
    BorderRecord negative{};
    negative.ENTRIES = -4;
    computeBounds(negative);
    EXPECT_EQ(negative.RNG_W, 17900);
    EXPECT_EQ(negative.RNG_S, 31318);

    // More entries than the point area holds: only the 249 points count, the
    // header words after them are never taken for points.
    BorderRecord overfull{};
    overfull.ENTRIES = 400;
    overfull.points[248][0] = 500;
    overfull.points[248][1] = 600;
    overfull.STARTYR = -3000; // would be a point's x beyond the area
    overfull.COLOR = 9000;
    EXPECT_EQ(pointCount(overfull), kBorderPoints);
    computeBounds(overfull);
    EXPECT_EQ(overfull.RNG_W, 500);
    EXPECT_EQ(overfull.RNG_E, 500);
    EXPECT_EQ(overfull.RNG_N, 600);
}

TEST_F(BorderTableTest, ClassScansStopAtTheClassBoundaries)
{
    std::vector<std::uint8_t> file;
    for (int year : {-30000, -30000, -20000, -5000, -4000, -3000, -3000, 500, 4000})
        append(file, fileRecord(year));
    loadBorderBytes(table, file);
    EXPECT_EQ(firstRecordAbove(table, 0, kLandMaxYear), 2);
    EXPECT_EQ(firstRecordAbove(table, 0, kRiverMaxYear), 5);
    EXPECT_EQ(firstRecordAbove(table, 5, -3000), 7);
    EXPECT_EQ(firstRecordAbove(table, 5, 1000), 8) << "the end mark stops the run";

    // An empty table (no borders.dat): the runs stop at slot 1097.
    BorderTable empty{};
    EXPECT_EQ(firstRecordAbove(empty, 0, kRiverMaxYear), 0);
    EXPECT_EQ(firstRecordAbove(empty, 0, 1000), kBorderPaintLimit);
}

TEST_F(BorderTableTest, HeaderListIsByteExact)
{
    ScratchFolder folder;
    table[0].RECORD = 0;
    table[0].STARTYR = -30000;
    table[1].RECORD = 1;
    table[2].RECORD = 12;
    table[2].STARTYR = -500;
    table[2].ENDYR = -301;
    table[2].NATION = 27;
    table[2].COLOR = 41;
    table[2].ENTRIES = 85;
    table[2].HATCH = 10;
    table[2].ACTION = 100;
    table[2].NATGRP = 3;
    table[2].RNG_W = 1250;
    table[2].RNG_E = 3600;

    EXPECT_EQ(writeHeaderList("temp\\Headers.txt", table, 3), -1) << "no temp folder";
    ASSERT_EQ(system("mkdir temp"), 0);
    ASSERT_EQ(writeHeaderList("temp\\Headers.txt", table, 3), 3);
    auto bytes = readFileBytes("temp/Headers.txt");
    std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text,
              "RECORD,STARTYR,ENDYR,NATION,COLOR,ENTRIES,HATCH,ACTION,NATGRP,RNG_W,RNG_E"
              "\r0,-30000,0,0,0,0,0,0,0,0,0,"
              "\r1,0,0,0,0,0,0,0,0,0,0,"
              "\r12,-500,-301,27,41,85,10,100,3,1250,3600,");
}

TEST_F(BorderTableTest, SetupReportsMissingAndOddFiles)
{
    ScratchFolder folder;
    TerrainMap& terrain = terrainMap;
    terrain[0][0] = 0;
    setup(app, table, terrain);
    ASSERT_EQ(messageCount(), 2);
    EXPECT_STREQ(messageAt(0), "Can't open borders.dat; setup()");
    EXPECT_STREQ(messageAt(1), "Can't open terrain.dat setup()");
    EXPECT_EQ(app.fullContent, 0);
    EXPECT_EQ(currentMilliseconds(), 1200u + 1000u + 1200u) << "message pauses";

    // A short terrain.dat fills what it has; a long one no more than the raster.
    clearMessages();
    writeFileBytes("terrain.dat", std::vector<std::uint8_t>(1561, 9));
    EXPECT_EQ(loadTerrain(app, terrain), 1561);
    EXPECT_EQ(terrain[1][0], 9);
    writeFileBytes("terrain.dat", std::vector<std::uint8_t>(2000000, 5));
    EXPECT_EQ(loadTerrain(app, terrain), kTerrainRows * kTerrainColumns);
    EXPECT_EQ(terrain[899][1559], 5);
    EXPECT_EQ(messageCount(), 0);

    // The history texts are found whatever the case of their folder and name.
    ASSERT_EQ(system("mkdir Text && touch Text/EGYPT.TXT"), 0);
    setup(app, table, terrain);
    EXPECT_EQ(app.fullContent, 1);
}

} // namespace
