// Checking a borders file record by record.
#include "editor/border_check.h"

#include "core/limits.h"
#include "map/border_table.h"

namespace {

// Record classes by STARTYR, in the order they must stand in the file.
int recordClass(int startYear)
{
    if (startYear <= kLandMaxYear)
        return 0;
    if (startYear <= kOutlineMaxYear)
        return 1;
    if (startYear <= kRiverMaxYear)
        return 2;
    if (startYear <= kNationMaxYear)
        return 3;
    return 4;
}

const char* const kClassNames[] = {"land outline", "outline", "river", "nation", "end mark"};

// The sentinels an editor save writes after the end mark.
constexpr int kSentinelsWritten = 2;

} // namespace

int checkBorderBytes(std::span<const std::uint8_t> bytes, std::FILE* out)
{
    int faults = 0;
    auto fault = [&](int slot) {
        ++faults;
        std::fprintf(out, "record %d: ", slot);
    };
    const int whole = static_cast<int>(bytes.size() / kBorderRecordBytes);
    if (bytes.size() % kBorderRecordBytes != 0) {
        fault(whole);
        std::fprintf(out, "partial record of %zu bytes at the end\n",
                     bytes.size() % kBorderRecordBytes);
    }
    if (whole > kBorderFileSlots) {
        fault(kBorderFileSlots);
        std::fprintf(out, "the file holds %d records; the atlas reads %d\n", whole,
                     kBorderFileSlots);
    }

    int endMark = -1;
    int previousClass = 0;
    int previousYear = 0;
    for (int slot = 0; slot < whole && slot < kBorderFileSlots; ++slot) {
        BorderRecord r;
        decodeBorderRecord(bytes.data() + static_cast<std::size_t>(slot) * kBorderRecordBytes, r);
        if (endMark >= 0) {
            if (slot - endMark > kSentinelsWritten || r.STARTYR < kEndMarkYear) {
                fault(slot);
                std::fprintf(out, "after the end mark of record %d, STARTYR %d\n", endMark,
                             r.STARTYR);
            }
            continue;
        }
        const int cls = recordClass(r.STARTYR);
        if (cls < previousClass) {
            fault(slot);
            std::fprintf(out, "%s (STARTYR %d) after a %s\n", kClassNames[cls], r.STARTYR,
                         kClassNames[previousClass]);
        } else if (cls == 3 && previousClass == 3 && r.STARTYR < previousYear) {
            fault(slot);
            std::fprintf(out, "nation STARTYR %d below %d of the record before\n", r.STARTYR,
                         previousYear);
        }
        if (cls >= previousClass) {
            previousClass = cls;
            previousYear = r.STARTYR;
        }
        if (r.RECORD != slot) {
            fault(slot);
            std::fprintf(out, "RECORD %d\n", r.RECORD);
        }
        if (r.ENTRIES < 0 || r.ENTRIES > kBorderPoints) {
            fault(slot);
            std::fprintf(out, "ENTRIES %d outside 0..%d\n", r.ENTRIES, kBorderPoints);
        }
        BorderRecord bounded = r;
        computeBounds(bounded);
        if (bounded.RNG_W != r.RNG_W || bounded.RNG_N != r.RNG_N || bounded.RNG_E != r.RNG_E ||
            bounded.RNG_S != r.RNG_S) {
            fault(slot);
            std::fprintf(out, "bounds W %d N %d E %d S %d; the points give W %d N %d E %d S %d\n",
                         r.RNG_W, r.RNG_N, r.RNG_E, r.RNG_S, bounded.RNG_W, bounded.RNG_N,
                         bounded.RNG_E, bounded.RNG_S);
        }
        if (cls == 4)
            endMark = slot;
    }
    // The loader stops looking for the end mark at this slot and puts its
    // own there, over whatever record stands in it.
    if (endMark < 0 || endMark >= kBorderScanLimit) {
        fault(endMark < 0 ? whole : endMark);
        std::fprintf(out, "no end mark (STARTYR %d or more) before record %d\n", kEndMarkYear,
                     kBorderScanLimit);
    }
    return faults;
}
