// The editor's files: the save with its numbered backups, a save broken off
// at any point (a failing write or a killed process) never costing the
// atlas its borders file, the header list, the conversion, and the check
// of a borders file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "editor/border_check.h"
#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "tests/test_support.h"

namespace {

BorderTable table;

// A file of `count` records: land, then nations from year 100 on, then the
// end mark; each record's points and bounds agree.
std::vector<std::uint8_t> bordersFile(int count, int nationOffset = 0)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * kBorderRecordBytes);
    for (int slot = 0; slot < count; ++slot) {
        BorderRecord r{};
        r.STARTYR = static_cast<std::int16_t>(slot == 0 ? -30000 : 100 + slot + nationOffset);
        if (slot == count - 1)
            r.STARTYR = 4000;
        else
            r.ENTRIES = 3;
        for (int p = 0; p < r.ENTRIES; ++p) {
            r.points[p][0] = static_cast<std::int16_t>(1000 + 10 * slot + p);
            r.points[p][1] = static_cast<std::int16_t>(-2000 + 7 * slot - p);
        }
        r.NATION = static_cast<std::int16_t>(slot % 5);
        r.RECORD = static_cast<std::int16_t>(slot);
        computeBounds(r);
        encodeBorderRecord(r, bytes.data() + static_cast<std::size_t>(slot) * kBorderRecordBytes);
    }
    return bytes;
}

struct EditorFiles : ::testing::Test {
    ScratchFolder folder;
    AppState app{};

    void SetUp() override
    {
        useVirtualClock(0);
        clearMessages();
        setFileFault(0, FileFault::none);
        setDefaults(app);
        app.screenWidth = 800;
        app.screenHeight = 600;
        setFontSizes(app);
    }
    void TearDown() override { setFileFault(0, FileFault::none); }

    // Loads bytes into the table as start-up would.
    void load(const std::vector<std::uint8_t>& bytes)
    {
        table = BorderTable{};
        app.recordCount = loadBorderBytes(table, bytes);
    }
    std::vector<std::string> messages()
    {
        std::vector<std::string> out;
        for (int i = 0; i < messageCount(); ++i)
            out.push_back(messageAt(i));
        return out;
    }
    // The bytes the table proper gives.
    std::vector<std::uint8_t> tableBytes()
    {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(app.recordCount) *
                                        kBorderRecordBytes);
        for (int slot = 0; slot < app.recordCount; ++slot)
            encodeBorderRecord(table[slot], bytes.data() + slot * kBorderRecordBytes);
        return bytes;
    }
};

TEST_F(EditorFiles, SavesWriteNumberedBackupsAndTheBordersFile)
{
    mkdir("temp", 0755);
    writeFileBytes("borders.dat", bordersFile(6));
    load(bordersFile(6));
    ASSERT_EQ(app.recordCount, 8); // the end mark at 5 and two sentinels
    table[3].COLOR = 99;
    for (int save = 1; save <= 3; ++save)
        edit_SaveFile(app, table, nullptr);
    const std::vector<std::uint8_t> expected = tableBytes();
    EXPECT_EQ(readFileBytes("borders.dat"), expected);
    for (const char* backup : {"temp/b1.dat", "temp/b2.dat", "temp/b3.dat"})
        EXPECT_EQ(readFileBytes(backup), expected) << backup;
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "8: Entries in BackUp File", "8: Entries Saved",
                              "8: Entries in BackUp File", "8: Entries Saved",
                              "8: Entries in BackUp File", "8: Entries Saved"}));
    EXPECT_FALSE(std::filesystem::exists("borders.dat.new"));
    // The file read back gives the same table.
    BorderTable reread{};
    EXPECT_EQ(loadBorderBytes(reread, readFileBytes("borders.dat")), 8);
    EXPECT_EQ(reread[3].COLOR, 99);

    // A new run of the program starts its backups at b1 again.
    app.backupNumber = 0;
    table[3].COLOR = 42;
    edit_SaveFile(app, table, nullptr);
    EXPECT_EQ(readFileBytes("temp/b1.dat")[3 * kBorderRecordBytes + 1014], 42);
    EXPECT_FALSE(std::filesystem::exists("temp/b4.dat"));
}

TEST_F(EditorFiles, WithoutTempFolderOrOldFileTheSaveStillWritesBorders)
{
    load(bordersFile(4));
    edit_SaveFile(app, table, nullptr);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "Can't open FilePath BackUp",
                              "Could not delete 'borders.dat'; edit_SaveFile()",
                              "6: Entries Saved"}));
    EXPECT_EQ(readFileBytes("borders.dat"), tableBytes());
    EXPECT_EQ(app.backupNumber, 1) << "counted whether or not the backup opened";

    clearMessages();
    edit_ExportHeaders(app, table, nullptr);
    edit_ConvertFile(app, table, nullptr);
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Can't open Headers.txt", "Can't open NEWFILE.dat file"}));
    EXPECT_FALSE(std::filesystem::exists("temp"));

    clearMessages();
    std::filesystem::remove("borders.dat");
    edit_ConvertFile(app, table, nullptr);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Can't open borders.dat file"}));
}

TEST_F(EditorFiles, AFailedWriteLeavesTheOldFileWhole)
{
    const std::vector<std::uint8_t> old = bordersFile(40);
    writeFileBytes("borders.dat", old);
    load(bordersFile(60, 7));
    edit_SaveFile(app, table, nullptr);
    const int steps = fileStepsTaken();
    ASSERT_GE(steps, 6) << "create, several writes, flush, close, rename, folder";
    ASSERT_EQ(readFileBytes("borders.dat"), tableBytes());

    // Every step but the last (the folder flush, after the rename) fails
    // the save; each leaves the file as it was.
    for (int step = 1; step < steps; ++step) {
        writeFileBytes("borders.dat", old);
        clearMessages();
        setFileFault(step, FileFault::fail);
        edit_SaveFile(app, table, nullptr);
        EXPECT_EQ(readFileBytes("borders.dat"), old) << "step " << step;
        EXPECT_EQ(messages().back(), "Can't open borders.dat") << "step " << step;
        EXPECT_FALSE(std::filesystem::exists("borders.dat.new")) << "step " << step;
    }
}

// Whether the file at path loads as one of the two tables, whole.
bool isOldOrNew(const std::vector<std::uint8_t>& file, const std::vector<std::uint8_t>& old,
                const std::vector<std::uint8_t>& fresh)
{
    return file == old || file == fresh;
}

TEST_F(EditorFiles, AKilledSaveLeavesABordersFileThatLoadsWhole)
{
    const std::vector<std::uint8_t> old = bordersFile(300);
    load(bordersFile(320, 5));
    const std::vector<std::uint8_t> fresh = tableBytes();
    writeFileBytes("borders.dat", old);
    edit_SaveFile(app, table, nullptr);
    const int steps = fileStepsTaken();

    // The writing process ends at each step in turn.
    for (int step = 1; step <= steps; ++step) {
        writeFileBytes("borders.dat", old);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setFileFault(step, FileFault::crash);
            edit_SaveFile(app, table, nullptr);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 86) << "the child ended at step " << step;
        const std::vector<std::uint8_t> file = readFileBytes("borders.dat");
        EXPECT_TRUE(isOldOrNew(file, old, fresh)) << "step " << step;
        // Once renamed, the new file stands.
        if (step == steps)
            EXPECT_EQ(file, fresh);
        BorderTable reread{};
        EXPECT_GE(loadBorderBytes(reread, file), 300) << "step " << step;
    }

    // And killed from outside at moments of its own choosing.
    for (int delayUs = 0; delayUs < 20000; delayUs += 1000) {
        writeFileBytes("borders.dat", old);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                edit_SaveFile(app, table, nullptr);
        }
        usleep(static_cast<useconds_t>(delayUs));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        EXPECT_TRUE(isOldOrNew(readFileBytes("borders.dat"), old, fresh)) << delayUs << " us";
    }
}

TEST_F(EditorFiles, HeaderListIsByteExact)
{
    mkdir("temp", 0755);
    load(bordersFile(2)); // a land record, the end mark, two sentinels
    app.recordCount = 3;
    table[1].STARTYR = -500;
    table[1].ENDYR = -301;
    table[1].NATION = 27;
    table[1].COLOR = 41;
    table[1].HATCH = 10;
    table[1].ACTION = 100;
    table[1].NATGRP = 3;
    table[1].RNG_W = 1250;
    table[1].RNG_E = 3600;
    table[1].RECORD = 12;
    table[1].ENTRIES = 85;
    writeFileBytes("temp/Headers.txt", std::vector<std::uint8_t>(5000, 'x'));
    edit_ExportHeaders(app, table, nullptr);
    const std::vector<std::uint8_t> bytes = readFileBytes("temp/Headers.txt");
    const std::string text(bytes.begin(), bytes.end());
    const std::string expected =
        "RECORD,STARTYR,ENDYR,NATION,COLOR,ENTRIES,HATCH,ACTION,NATGRP,RNG_W,RNG_E"
        "\r0,-30000,0,0,0,3,0,0,0,1000,1002,"
        "\r12,-500,-301,27,41,85,10,100,3,1250,3600,"
        "\r0,4000,0,1,0,0,0,0,0,0,0,";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(messages().back(), "3: Entries Saved");
}

TEST_F(EditorFiles, ConversionRebindsEveryWholeRecord)
{
    mkdir("temp", 0755);
    std::vector<std::uint8_t> file = bordersFile(5);
    // Bounds gone wrong in the file, and a partial record at its end.
    file[2 * kBorderRecordBytes + 996] = 0x55;
    file.insert(file.end(), 300, 0x11);
    writeFileBytes("borders.dat", file);
    load(bordersFile(5));
    table[1].RNG_E = 12345;
    table[1].points[1][0] = 0; // a zero coordinate is passed over
    const BorderRecord before = table[1];
    edit_ConvertFile(app, table, nullptr);

    EXPECT_EQ(messages().back(), "5: Entries Saved");
    const std::vector<std::uint8_t> converted = readFileBytes("temp/NewBorders.dat");
    EXPECT_EQ(converted, bordersFile(5));
    BorderRecord expected = before;
    computeBounds(expected);
    EXPECT_EQ(std::memcmp(&table[1], &expected, sizeof expected), 0);
    EXPECT_EQ(table[1].RNG_E, 1012);
    EXPECT_EQ(table[1].RNG_W, 1010);
}

TEST(BorderCheck, FindsEveryKindOfFault)
{
    const std::vector<std::uint8_t> good = bordersFile(8);
    auto faults = [](const std::vector<std::uint8_t>& bytes) {
        char* text = nullptr;
        std::size_t size = 0;
        std::FILE* out = open_memstream(&text, &size);
        const int n = checkBorderBytes(bytes, out);
        std::fclose(out);
        std::string printed = std::to_string(n) + " " + std::string(text, size);
        std::free(text);
        return printed;
    };
    EXPECT_EQ(faults(good), "0 ");
    // A record's field at byte offset `at` set to value.
    auto with = [&](int slot, int at, int value) {
        std::vector<std::uint8_t> bytes = good;
        bytes[slot * kBorderRecordBytes + at] = static_cast<std::uint8_t>(value);
        bytes[slot * kBorderRecordBytes + at + 1] = static_cast<std::uint8_t>(value >> 8);
        return bytes;
    };
    EXPECT_EQ(faults(with(3, 1006, -20000)), "1 record 3: outline (STARTYR -20000) after a nation\n");
    EXPECT_EQ(faults(with(3, 1006, 50)),
              "1 record 3: nation STARTYR 50 below 102 of the record before\n");
    EXPECT_EQ(faults(with(4, 1022, 9)), "1 record 4: RECORD 9\n");
    EXPECT_EQ(faults(with(2, 1004, 250)), "1 record 2: ENTRIES 250 outside 0..249\n");
    EXPECT_EQ(faults(with(5, 998, 0)).substr(0, 22), "1 record 5: bounds W 1");
    EXPECT_EQ(faults(with(7, 1006, 900)),
              "1 record 8: no end mark (STARTYR 4000 or more) before record 1096\n");

    // After the end mark only its two sentinels may follow.
    std::vector<std::uint8_t> longer = good;
    for (int k = 0; k < 2; ++k)
        longer.insert(longer.end(), good.end() - kBorderRecordBytes, good.end());
    longer.resize(longer.size() + kBorderRecordBytes, 0);
    EXPECT_EQ(faults(longer), "1 record 10: after the end mark of record 7, STARTYR 0\n");
    longer.resize(longer.size() - kBorderRecordBytes + 10);
    EXPECT_EQ(faults(longer), "1 record 10: partial record of 10 bytes at the end\n");
}

} // namespace

namespace {

// Runs veltmaren-atlas check in the working folder; the exit status.
int runCheck(std::string& output)
{
    const std::string command = std::string(VELTMAREN_BINARY_DIR) + "/veltmaren-atlas check 2>&1";
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

} // namespace

TEST(BorderCheck, TheShippedBordersPassAndADamagedCopyFails)
{
    ScratchFolder folder;
    std::vector<std::uint8_t> shipped =
        readFileBytes(std::string(VELTMAREN_SOURCE_DIR) + "/data/borders.dat");
    ASSERT_GT(shipped.size(), 100u * kBorderRecordBytes);
    writeFileBytes("borders.dat", shipped);
    std::string output;
    EXPECT_EQ(runCheck(output), 0) << output;

    std::vector<std::uint8_t> damaged = bordersFile(8);
    damaged[3 * kBorderRecordBytes + 1022] = 9; // RECORD 9 in slot 3
    writeFileBytes("borders.dat", damaged);
    EXPECT_EQ(runCheck(output), 1);
    EXPECT_NE(output.find("record 3: RECORD 9"), std::string::npos) << output;
}
