// Writers of the editor's output files.
#include "editor/editor_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/messages.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "shell/display_loop.h"

namespace {

constexpr int kMenuBackground = 121;
constexpr int kBandColor = 116;
constexpr int kCountColor = 204;
constexpr int kHeadingColor = 131;
constexpr int kSolid = 10;
constexpr int kSavePauseMs = 1500;
constexpr int kFailurePauseMs = 1000;

// The slots a save writes: the records, the end mark and two sentinels;
// never the work and undo records.
int tableSlots(const AppState& app)
{
    return std::clamp(app.recordCount, 0, kWorkRecordSlot);
}

// The map area cleared for a writer's heading in the band.
void creatingFile(AppState& app, const char* text, DrawSurface* surface)
{
    paintRect(0, app.mapTop, app.screenWidth, app.screenHeight, kMenuBackground, kSolid, surface);
    textOut(app, text, app.screenWidth / 2, 0, app.fontSize4, kAlignCenter, kHeadingColor,
            kTextPlain, surface);
}

// A count message that stays on show for both buffers.
void reportCount(AppState& app, int n, const char* text, DrawSurface* surface)
{
    showCountMessage(app, n, text, surface);
    flipScreen(app);
    showCountMessage(app, n, text, backBuffer != nullptr ? backBuffer : surface);
}

} // namespace

void showCountMessage(AppState& app, int n, const char* text, DrawSurface* surface)
{
    std::array<char, 96> line{};
    (void)appendNumber(line, n);
    (void)appendText(line, ": ");
    (void)appendText(line, text); // the program's own texts all fit
    logMessage(line.data());
    paintRect(app.headingLeft, 0, app.headingRight, app.fontSize4, kBandColor, kSolid, surface);
    textOut(app, line.data(), app.screenWidth / 2, 0, app.fontSize4, kAlignCenter, kCountColor,
            kTextHeavy, surface);
}

void edit_SaveFile(AppState& app, const BorderTable& table, DrawSurface* surface)
{
    const int count = tableSlots(app);
    ++app.backupNumber;
    std::array<char, 32> backup{};
    (void)copyText(backup, "temp\\b");
    (void)appendNumber(backup, app.backupNumber);
    (void)appendText(backup, ".dat");
    const int backedUp = writeBorders(backup.data(), table, count);
    if (backedUp < 0) {
        showMessage(app, "Can't open FilePath BackUp");
    } else {
        showCountMessage(app, backedUp, "Entries in BackUp File", surface);
        flipScreen(app);
        sleepMilliseconds(kSavePauseMs);
    }

    // The old borders.dat is not deleted first: the new one takes its
    // place in one rename, so that no crash can leave the atlas without
    // its borders. Where there is no old file to take the place of, the
    // maker is told as a failed delete would tell.
    if (!fileExists("borders.dat"))
        showMessage(app, "Could not delete 'borders.dat'; edit_SaveFile()");
    std::vector<unsigned char> bytes(static_cast<std::size_t>(count) * kBorderRecordBytes);
    for (int slot = 0; slot < count; ++slot)
        encodeBorderRecord(table[static_cast<std::size_t>(slot)],
                           bytes.data() + static_cast<std::size_t>(slot) * kBorderRecordBytes);
    if (!replaceFile("borders.dat", bytes)) {
        showMessage(app, "Can't open borders.dat");
        return;
    }
    showCountMessage(app, count, "Entries Saved", surface);
    flipScreen(app);
    sleepMilliseconds(kSavePauseMs);
}

void edit_ExportHeaders(AppState& app, const BorderTable& table, DrawSurface* surface)
{
    creatingFile(app, "Creating File: temp\\Headers.txt", surface);
    const int lines = writeHeaderList("temp\\Headers.txt", table, tableSlots(app));
    if (lines < 0) {
        showMessage(app, "Can't open Headers.txt");
        sleepMilliseconds(kFailurePauseMs);
        return;
    }
    reportCount(app, lines, "Entries Saved", surface);
}

void edit_ConvertFile(AppState& app, BorderTable& table, DrawSurface* surface)
{
    creatingFile(app, "Creating File: temp\\NewBorders.dat", surface);
    std::FILE* in = openFile("borders.dat", "rb");
    if (in == nullptr) {
        showMessage(app, "Can't open borders.dat file");
        sleepMilliseconds(kFailurePauseMs);
        return;
    }
    (void)deleteFile("temp\\NewBorders.dat");
    std::FILE* out = openFile("temp\\NewBorders.dat", "wb");
    if (out == nullptr) {
        showMessage(app, "Can't open NEWFILE.dat file");
        sleepMilliseconds(kFailurePauseMs);
        std::fclose(in);
        return;
    }
    int written = 0;
    std::uint8_t bytes[kBorderRecordBytes];
    while (std::fread(bytes, 1, sizeof bytes, in) == sizeof bytes) {
        // The table's bounds are recomputed with the first record read; the
        // rule gives the same bounds every later time.
        if (written == 0)
            for (int slot = 0; slot < tableSlots(app); ++slot)
                computeBounds(table[static_cast<std::size_t>(slot)]);
        BorderRecord record;
        decodeBorderRecord(bytes, record);
        computeBounds(record);
        encodeBorderRecord(record, bytes);
        std::fwrite(bytes, 1, sizeof bytes, out);
        ++written;
    }
    std::fflush(out);
    std::fclose(out);
    std::fclose(in);
    reportCount(app, written, "Entries Saved", surface);
}

int writeHeaderList(const char* programPath, const BorderTable& table, int count)
{
    (void)deleteFile(programPath); // a missing old list is no failure
    std::FILE* file = openFile(programPath, "w+");
    if (file == nullptr)
        return -1;
    static const char kColumns[] = "RECORD,STARTYR,ENDYR,NATION,COLOR,ENTRIES,HATCH,ACTION,NATGRP,RNG_W,RNG_E";
    static_assert(sizeof kColumns - 1 == 73);
    std::fwrite(kColumns, 1, sizeof kColumns - 1, file);

    count = std::clamp(count, 0, kBorderSlots);
    for (int slot = 0; slot < count; ++slot) {
        const BorderRecord& r = table[slot];
        const std::int16_t fields[] = {r.RECORD, r.STARTYR, r.ENDYR, r.NATION, r.COLOR, r.ENTRIES,
                                       r.HATCH, r.ACTION, r.NATGRP, r.RNG_W, r.RNG_E};
        std::array<char, 96> line{};
        bool fits = copyText(line, "\r");
        for (std::int16_t value : fields)
            fits = appendNumber(line, value) && appendText(line, ",") && fits;
        // Eleven 16-bit numbers always fit in the line.
        (void)fits;
        std::fwrite(line.data(), 1, strlen(line.data()), file);
    }
    std::fflush(file);
    std::fclose(file);
    return count;
}
