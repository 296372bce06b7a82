// atlasgen: regenerates data/borders.dat and data/terrain.dat.
//
//   atlasgen --data DIR --etopo FILE --out DIR
//
// DIR holds historical-basemaps/ and naturalearth/; FILE is ETOPO5 as
// netCDF. `veltmaren-atlas render` shows the result as the atlas draws it.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gdal_priv.h>
#include <ogr_geometry.h>

#include "map/border_table.h"
#include "tools/atlasgen/atlasgen.h"

namespace {

BorderTable outputTable;

// Packs the records into the table, followed by the end mark. Returns the
// number of slots written, or -1 when they do not fit.
int packRecords(const std::vector<GenRecord>& records, BorderTable& table)
{
    const int count = static_cast<int>(records.size());
    if (count + 1 > kBorderScanLimit)
        return -1;
    for (int i = 0; i < count; ++i) {
        const GenRecord& source = records[static_cast<std::size_t>(i)];
        BorderRecord& record = table[static_cast<std::size_t>(i)];
        record = BorderRecord{};
        const int points = static_cast<int>(source.x.size());
        if (points > kBorderPoints)
            return -1;
        for (int p = 0; p < points; ++p) {
            record.points[p][0] = source.x[static_cast<std::size_t>(p)];
            record.points[p][1] = source.y[static_cast<std::size_t>(p)];
        }
        record.ENTRIES = static_cast<std::int16_t>(points);
        record.STARTYR = static_cast<std::int16_t>(source.startYear);
        record.ENDYR = static_cast<std::int16_t>(source.endYear);
        record.ACTION = static_cast<std::int16_t>(source.action);
        record.HATCH = static_cast<std::int16_t>(source.hatch);
        record.COLOR = static_cast<std::int16_t>(source.color);
        record.NATION = static_cast<std::int16_t>(source.nation);
        record.NATGRP = static_cast<std::int16_t>(source.group);
        record.RECORD = static_cast<std::int16_t>(i);
        computeBounds(record);
    }
    BorderRecord& end = table[static_cast<std::size_t>(count)];
    end = BorderRecord{};
    end.STARTYR = kEndMarkYear;
    end.NATION = 1;
    end.RECORD = static_cast<std::int16_t>(count);
    computeBounds(end);
    return count + 1;
}

bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

int usage()
{
    std::fprintf(stderr, "usage: atlasgen --data DIR --etopo FILE --out DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    Sources sources;
    std::string outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--data") == 0)
            sources.dataDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--etopo") == 0)
            sources.etopoPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--out") == 0)
            outDir = argv[i + 1];
        else
            return usage();
    }
    if (sources.dataDir.empty() || sources.etopoPath.empty() || outDir.empty() || argc % 2 == 0)
        return usage();
    GDALAllRegister();
    // The sources hold a few self-intersecting rings, which are repaired;
    // GEOS's notes about them are not errors.
    CPLSetErrorHandler(CPLQuietErrorHandler);
    CPLSetConfigOption("OGR_GEOJSON_MAX_OBJ_SIZE", "0");
    if (!OGRGeometryFactory::haveGEOS()) {
        std::fprintf(stderr, "atlasgen: GDAL was built without GEOS\n");
        return 1;
    }

    BuildReport report;
    std::vector<GenRecord> records;
    OGRGeometry* land = nullptr;
    if (!buildLand(sources, records, land, report))
        return 1;
    std::unique_ptr<OGRGeometry> landOwner(land);
    if (!buildRivers(sources, records, report))
        return 1;
    const int slots = kBorderScanLimit - 1 - static_cast<int>(records.size());
    if (!buildTerritories(sources, *land, slots, records, report))
        return 1;
    std::vector<std::uint8_t> terrain;
    if (!buildTerrain(sources, terrain))
        return 1;
    maskTerrainToLand(terrain, records);

    const int count = packRecords(records, outputTable);
    if (count < 0) {
        std::fprintf(stderr, "atlasgen: %zu records do not fit the borders file\n",
                     records.size());
        return 1;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * kBorderRecordBytes);
    for (int i = 0; i < count; ++i)
        encodeBorderRecord(outputTable[static_cast<std::size_t>(i)],
                           bytes.data() + static_cast<std::size_t>(i) * kBorderRecordBytes);
    if (!writeBytes(outDir + "/borders.dat", bytes) ||
        !writeBytes(outDir + "/terrain.dat", terrain)) {
        std::fprintf(stderr, "atlasgen: cannot write into %s\n", outDir.c_str());
        return 1;
    }

    for (const std::string& line : report.lines)
        std::printf("%s\n", line.c_str());
    std::printf("records: land %d, coast %d, rivers %d, territories %d, neutral fills %d, "
                "end mark 1: %d slots\n",
                report.landRecords, report.coastRecords, report.riverRecords,
                report.nationRecords, report.neutralRecords, count);
    std::printf("land points: %ld in the sources, %ld kept\n", report.sourcePoints,
                report.keptPoints);
    std::printf("territory points: %ld in the sources, %ld kept\n",
                report.territorySourcePoints, report.territoryKeptPoints);

    return 0;
}
