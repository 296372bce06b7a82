// Loading, scanning, bounding and writing the border records.
#include "map/border_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/app_state.h"
#include "map/messages.h"
#include "platform/clock.h"
#include "platform/files.h"

BorderTable borderTable;

namespace {

inline constexpr int kWordsPerRecord = kBorderRecordBytes / 2;

// The record as an array of words, in file order. BorderRecord is a packed
// run of int16 fields, so word n is at byte 2n on every host.
std::int16_t* recordWords(BorderRecord& record)
{
    return reinterpret_cast<std::int16_t*>(&record);
}

const std::int16_t* recordWords(const BorderRecord& record)
{
    return reinterpret_cast<const std::int16_t*>(&record);
}

} // namespace

int pointCount(const BorderRecord& record)
{
    return std::clamp<int>(record.ENTRIES, 0, kBorderPoints);
}

void decodeBorderRecord(const std::uint8_t* bytes, BorderRecord& record)
{
    std::int16_t* words = recordWords(record);
    for (int n = 0; n < kWordsPerRecord; ++n) {
        auto low = static_cast<std::uint16_t>(bytes[2 * n]);
        auto high = static_cast<std::uint16_t>(bytes[2 * n + 1]);
        words[n] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
}

void encodeBorderRecord(const BorderRecord& record, std::uint8_t* bytes)
{
    const std::int16_t* words = recordWords(record);
    for (int n = 0; n < kWordsPerRecord; ++n) {
        auto word = static_cast<std::uint16_t>(words[n]);
        bytes[2 * n] = static_cast<std::uint8_t>(word & 0xFF);
        bytes[2 * n + 1] = static_cast<std::uint8_t>(word >> 8);
    }
}

int loadBorderBytes(BorderTable& table, std::span<const std::uint8_t> bytes)
{
    std::size_t limit = static_cast<std::size_t>(kBorderFileSlots) * kBorderRecordBytes;
    std::size_t length = std::min(bytes.size(), limit);
    std::size_t whole = length / kBorderRecordBytes;
    for (std::size_t slot = 0; slot < whole; ++slot)
        decodeBorderRecord(bytes.data() + slot * kBorderRecordBytes, table[slot]);

    // A short read fills the last record only as far as the file goes, as a
    // single read into the table would; the rest of that slot is untouched.
    std::size_t tail = length % kBorderRecordBytes;
    if (tail != 0) {
        std::uint8_t partial[kBorderRecordBytes];
        encodeBorderRecord(table[whole], partial);
        memcpy(partial, bytes.data() + whole * kBorderRecordBytes, tail);
        decodeBorderRecord(partial, table[whole]);
    }

    int end = 0;
    while (table[end].STARTYR < kEndMarkYear && end < kBorderScanLimit) {
        table[end].RECORD = static_cast<std::int16_t>(end);
        ++end;
    }
    for (int k = 1; k <= 3; ++k) {
        table[end + k].STARTYR = static_cast<std::int16_t>(kEndMarkYear + 1000 * (k - 1));
        table[end + k].NATION = 1;
    }
    return end + 3;
}

void loadBorders(AppState& app, BorderTable& table)
{
    std::FILE* file = openFile("borders.dat", "rb");
    if (file == nullptr) {
        showMessage(app, "Can't open borders.dat; setup()");
        sleepMilliseconds(1000);
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kBorderFileSlots) * kBorderRecordBytes);
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    app.recordCount = loadBorderBytes(table, std::span(bytes.data(), got));
}

int firstRecordAbove(const BorderTable& table, int from, int threshold)
{
    int slot = std::max(from, 0);
    while (slot < kBorderPaintLimit && table[slot].STARTYR <= threshold)
        ++slot;
    return std::min(slot, kBorderPaintLimit);
}

void computeBounds(BorderRecord& record)
{
    record.RNG_W = 17900;
    record.RNG_E = -17900;
    record.RNG_N = -31318;
    record.RNG_S = 31318;
    int count = pointCount(record);
    for (int p = 0; p < count; ++p) {
        std::int16_t x = record.points[p][0];
        std::int16_t y = record.points[p][1];
        if (x != 0) {
            record.RNG_W = std::min(record.RNG_W, x);
            record.RNG_E = std::max(record.RNG_E, x);
        }
        if (y != 0) {
            record.RNG_N = std::max(record.RNG_N, y);
            record.RNG_S = std::min(record.RNG_S, y);
        }
    }
}

int writeBorders(const char* path, const BorderTable& table, int count)
{
    std::FILE* file = openFile(path, "wb");
    if (file == nullptr)
        return -1;
    count = std::clamp(count, 0, kBorderSlots);
    std::uint8_t bytes[kBorderRecordBytes];
    for (int slot = 0; slot < count; ++slot) {
        encodeBorderRecord(table[slot], bytes);
        std::fwrite(bytes, 1, sizeof bytes, file);
    }
    std::fflush(file);
    std::fclose(file);
    return count;
}
