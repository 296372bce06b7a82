// Checks of the atlas's shipped geography, data/borders.dat and
// data/terrain.dat, and of their regeneration from the public sources.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/limits.h"
#include "map/border_table.h"
#include "map/projection.h"
#include "tests/test_support.h"

namespace {

std::string dataPath(const char* name)
{
    return std::string(VELTMAREN_SOURCE_DIR) + "/data/" + name;
}

// The shipped borders file, decoded record by record.
std::vector<BorderRecord> shippedRecords()
{
    std::vector<std::uint8_t> bytes = readFileBytes(dataPath("borders.dat"));
    std::vector<BorderRecord> records(bytes.size() / kBorderRecordBytes);
    for (std::size_t i = 0; i < records.size(); ++i)
        decodeBorderRecord(bytes.data() + i * kBorderRecordBytes, records[i]);
    return records;
}

// Even-odd test of a stored point against one record's polygon.
bool insideRecord(const BorderRecord& record, int x, int y)
{
    bool inside = false;
    int count = pointCount(record);
    for (int i = 0, j = count - 1; i < count; j = i++) {
        long xi = record.points[i][0], yi = record.points[i][1];
        long xj = record.points[j][0], yj = record.points[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / double(yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// A place by latitude and longitude in degrees.
struct Place {
    const char* name;
    double lat;
    double lon;
};

bool onLand(const std::vector<BorderRecord>& records, const Place& place)
{
    int x = static_cast<int>(place.lon * 100.0);
    int y = mercator(static_cast<int>(place.lat * 100.0));
    for (const BorderRecord& record : records) {
        if (record.STARTYR > kLandMaxYear)
            break;
        if (insideRecord(record, x, y))
            return true;
    }
    return false;
}

TEST(AtlasData, RecordsStandInClassOrderWithinTheLimits)
{
    std::vector<BorderRecord> records = shippedRecords();
    ASSERT_GT(records.size(), 100u);
    // The end mark must stand early enough for the loader's three sentinels.
    ASSERT_LE(static_cast<int>(records.size()), kBorderScanLimit);
    EXPECT_EQ(records.back().STARTYR, kEndMarkYear);

    int classOf = 0, land = 0, rivers = 0, nations = 0;
    int previousYear = -32768;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const BorderRecord& record = records[i];
        int year = record.STARTYR;
        int recordClass = year <= kLandMaxYear ? 0 : year <= kOutlineMaxYear ? 1
                          : year <= kRiverMaxYear ? 2 : year <= kNationMaxYear ? 3 : 4;
        ASSERT_GE(recordClass, classOf) << "record " << i << " out of class order";
        ASSERT_LT(recordClass, 4) << "end mark before the last record, at " << i;
        classOf = recordClass;
        ASSERT_GE(record.ENTRIES, 2) << "record " << i;
        ASSERT_LE(record.ENTRIES, kBorderPoints) << "record " << i;
        BorderRecord bounds = record;
        computeBounds(bounds);
        EXPECT_EQ(bounds.RNG_W, record.RNG_W) << "record " << i;
        EXPECT_EQ(bounds.RNG_N, record.RNG_N) << "record " << i;
        EXPECT_EQ(bounds.RNG_E, record.RNG_E) << "record " << i;
        EXPECT_EQ(bounds.RNG_S, record.RNG_S) << "record " << i;
        if (recordClass <= 1) {
            // The coast count of the printed map lies within the points.
            EXPECT_GE(record.COLOR, 0) << "record " << i;
            EXPECT_LE(record.COLOR, record.ENTRIES) << "record " << i;
            land += recordClass == 0;
        } else if (recordClass == 2) {
            ++rivers;
        } else {
            ++nations;
            EXPECT_GE(year, previousYear) << "nation record " << i << " out of year order";
            previousYear = year;
            EXPECT_GE(year, -3000);
            EXPECT_LE(year, 1000);
            EXPECT_GE(record.COLOR, 0);
            EXPECT_LE(record.COLOR, 215);
            EXPECT_TRUE(record.HATCH == 10 || (record.HATCH >= 0 && record.HATCH <= 5));
        }
    }
    EXPECT_GT(land, 20);
    EXPECT_GT(rivers, 27);
    EXPECT_GT(nations, 300);
}

// The printed map draws the first COLOR points of a land record as coast.
// A piece cut out of a continent must end its coast where a straight cut
// begins, and a whole island must close its coast on its first point.
TEST(AtlasData, LandPiecesStartWithTheirCoast)
{
    std::vector<BorderRecord> records = shippedRecords();
    int islands = 0, pieces = 0;
    for (std::size_t i = 0; i < records.size() && records[i].STARTYR <= kLandMaxYear; ++i) {
        const BorderRecord& record = records[i];
        int count = record.ENTRIES, coast = record.COLOR;
        const std::int16_t* first = record.points[0];
        const std::int16_t* last = record.points[count - 1];
        bool closingIsCut = last[0] == first[0] || last[1] == first[1];
        if (coast == count) {
            // An island repeats its first point; a piece with one cut
            // closes along it.
            islands += first[0] == last[0] && first[1] == last[1];
            EXPECT_TRUE(closingIsCut) << "record " << i << " leaves coast undrawn";
        } else if (coast > 0) {
            ++pieces;
            const std::int16_t* end = record.points[coast - 1];
            const std::int16_t* next = record.points[coast];
            EXPECT_TRUE(end[0] == next[0] || end[1] == next[1])
                << "record " << i << ": the coast does not end at a cut";
            EXPECT_TRUE(closingIsCut) << "record " << i << ": the ring does not close along a cut";
        }
    }
    EXPECT_GT(islands, 10);
    EXPECT_GT(pieces, 10);
}

TEST(AtlasData, LandCoversCitiesAndLeavesSeasOpen)
{
    std::vector<BorderRecord> records = shippedRecords();
    ASSERT_FALSE(records.empty());
    const Place cities[] = {
        {"Rome", 41.90, 12.50},       {"Athens", 37.98, 23.73},    {"Memphis", 29.85, 31.25},
        {"Babylon", 32.54, 44.42},    {"Jerusalem", 31.78, 35.23}, {"Persepolis", 29.93, 52.89},
        {"Samarkand", 39.65, 66.96},  {"Pataliputra", 25.60, 85.10}, {"Luoyang", 34.62, 112.45},
        {"Meroe", 16.94, 33.75},      {"Paris", 48.86, 2.35},      {"Cordoba", 37.88, -4.78},
        {"Axum", 14.13, 38.72},       {"Anuradhapura", 8.31, 80.40}, {"Nara", 34.68, 135.80},
        {"Angkor", 13.41, 103.87},    {"Mecca", 21.42, 39.83},     {"Kyiv", 50.45, 30.52},
    };
    for (const Place& city : cities)
        EXPECT_TRUE(onLand(records, city)) << city.name << " should be on land";
    const Place seas[] = {
        {"Caspian Sea", 42.0, 50.5},     {"Black Sea", 43.0, 34.0},
        {"Ionian Sea", 36.0, 18.0},      {"Aegean Sea", 38.5, 25.0},
        {"Red Sea", 20.0, 38.5},         {"Persian Gulf", 27.0, 51.0},
        {"Arabian Sea", 15.0, 65.0},     {"Bay of Bengal", 15.0, 88.0},
        {"Lake Victoria", -1.0, 33.0},   {"Lake Baikal", 53.5, 108.0},
        {"Sea of Japan", 40.0, 135.0},   {"South China Sea", 15.0, 113.0},
        {"Gulf of Guinea", 2.0, 3.0},    {"Lake Tanganyika", -6.0, 29.6},
        {"Aral Sea", 45.0, 59.8},        {"Sea of Azov", 46.0, 36.5},
    };
    for (const Place& sea : seas)
        EXPECT_FALSE(onLand(records, sea)) << sea.name << " should be sea";
}

// The national group of the territory that the painter's rule shows at a
// place in a year: the last nation record up to that year that covers it
// (0 for neutral land).
int groupShownAt(const std::vector<BorderRecord>& records, const Place& place, int year)
{
    int x = static_cast<int>(place.lon * 100.0);
    int y = mercator(static_cast<int>(place.lat * 100.0));
    int group = -1;
    for (const BorderRecord& record : records) {
        if (record.STARTYR <= kRiverMaxYear)
            continue;
        if (record.STARTYR > year)
            break;
        if (insideRecord(record, x, y))
            group = record.NATGRP;
    }
    return group;
}

TEST(AtlasData, GreatStatesHoldTheirCitiesAndCoasts)
{
    std::vector<BorderRecord> records = shippedRecords();
    ASSERT_FALSE(records.empty());
    struct Case {
        Place place;
        int year;
        int group;  // national group id of the histories menu
    };
    const Case cases[] = {
        {{"Memphis", 29.85, 31.25}, -1500, 11},      {{"Thebes", 25.70, 32.64}, -1500, 11},
        {{"Anyang", 36.10, 114.35}, -1500, 114},     {{"Persepolis", 29.93, 52.89}, -500, 120},
        {{"Sardis", 38.48, 28.04}, -500, 120},       {{"Babylon", 32.54, 44.42}, -323, 26},
        {{"Alexandria", 31.20, 29.92}, -300, 11},    {{"Carthage", 36.85, 10.32}, -300, 44},
        {{"Rome", 41.90, 12.50}, 1, 43},             {{"Luoyang", 34.62, 112.45}, 1, 114},
        {{"Carthage", 36.85, 10.32}, 117, 43},       {{"Alexandria", 31.20, 29.92}, 117, 43},
        {{"Constantinople", 41.01, 28.98}, 400, 75}, {{"Constantinople", 41.01, 28.98}, 800, 75},
        {{"Baghdad", 33.31, 44.36}, 800, 13},        {{"Chang'an", 34.27, 108.90}, 800, 114},
        {{"Kaifeng", 34.80, 114.30}, 1000, 114},     {{"Cairo", 30.04, 31.24}, 1000, 13},
    };
    for (const Case& test : cases)
        EXPECT_EQ(groupShownAt(records, test.place, test.year), test.group)
            << test.place.name << " in " << test.year;
}

TEST(AtlasData, ReliefMarksMountainsAndLeavesPlainsAndSeaFlat)
{
    std::vector<std::uint8_t> terrain = readFileBytes(dataPath("terrain.dat"));
    ASSERT_EQ(terrain.size(), static_cast<std::size_t>(kTerrainRows) * kTerrainColumns);
    // Relief cells near a place: any non-zero level within a few cells.
    auto reliefNear = [&](double lat, double lon) {
        int row = static_cast<int>((50.0 - lat) * 12.0);
        int column = static_cast<int>((lon + 10.0) * 12.0);
        int found = 0;
        for (int r = row - 3; r <= row + 3; ++r)
            for (int c = column - 3; c <= column + 3; ++c)
                found += terrain[static_cast<std::size_t>(r * kTerrainColumns + c)] != 0;
        return found;
    };
    const Place mountains[] = {
        {"Alps", 46.5, 9.5},        {"Caucasus", 42.8, 44.0},   {"Zagros", 33.0, 48.5},
        {"Hindu Kush", 35.5, 70.0}, {"Himalaya", 28.0, 86.5},   {"Tian Shan", 42.0, 80.0},
        {"Atlas", 31.5, -6.0},      {"Ethiopia", 12.0, 38.5},
    };
    for (const Place& range : mountains)
        EXPECT_GT(reliefNear(range.lat, range.lon), 10) << range.name;
    const Place flat[] = {
        {"Hungarian plain", 47.0, 20.5}, {"Ganges plain", 26.0, 82.0},
        {"Mesopotamia", 32.0, 45.5},     {"North China plain", 36.0, 116.0},
        {"Mediterranean", 35.0, 18.0},   {"Indian Ocean", -10.0, 75.0},
    };
    for (const Place& place : flat)
        EXPECT_EQ(reliefNear(place.lat, place.lon), 0) << place.name;
}

// Regenerates both files from the sources and compares them with the
// shipped ones byte for byte.
TEST(AtlasData, RegenerationGivesTheShippedFiles)
{
#if !defined(VELTMAREN_ATLASGEN)
    GTEST_SKIP() << "atlasgen is not built (no GDAL)";
#elif defined(VELTMAREN_SKIP_REGENERATION)
    GTEST_SKIP() << "regeneration is checked by the plain build";
#else
    // The sources lie beside the repository (or beside the folder of work
    // trees); VELTMAREN_SHARED_DATA names another place.
    const char* override = std::getenv("VELTMAREN_SHARED_DATA");
    std::string sources = override ? override : std::string(VELTMAREN_SOURCE_DIR) + "/../shared/data";
    if (!override && !std::filesystem::exists(sources))
        sources = std::string(VELTMAREN_SOURCE_DIR) + "/../../shared/data";
    const std::string etopo = "/usr/share/ferret-vis/data/etopo5.cdf";
    if (!std::filesystem::exists(sources + "/historical-basemaps/world_bc3000.geojson") ||
        !std::filesystem::exists(sources + "/naturalearth/ne_50m_land.geojson") ||
        !std::filesystem::exists(etopo))
        GTEST_SKIP() << "the source data is not here";
    ScratchFolder scratch;
    std::string command = std::string(VELTMAREN_ATLASGEN) + " --data '" + sources + "' --etopo '" +
                          etopo + "' --out . > atlasgen.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "atlasgen failed";
    EXPECT_TRUE(readFileBytes("borders.dat") == readFileBytes(dataPath("borders.dat")))
        << "borders.dat differs from a fresh build";
    EXPECT_TRUE(readFileBytes("terrain.dat") == readFileBytes(dataPath("terrain.dat")))
        << "terrain.dat differs from a fresh build";
#endif
}

}  // namespace
