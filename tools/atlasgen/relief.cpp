// The relief raster from ETOPO5: one byte per 1/12-degree cell, 0 for sea and
// for land without relief, otherwise a level that rises with the height.
//
// The map draws a brown dot where a cell's level differs from its west
// neighbour's by 4 or more, and nothing where it does not. Levels therefore
// step by 5 for every 250 m of height, so that slopes show as dots, and land
// whose surroundings are flat (plains, even high plateaus) gets level 0, so
// that height alone never speckles it. Ruggedness is judged over a window
// of 5 x 5 cells (about 40 km).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include <gdal_priv.h>

#include "tools/atlasgen/atlasgen.h"

namespace {

// Height range (m) within the window above which land counts as rugged.
constexpr float kRuggedRange = 800.0f;
// Half size of the ruggedness window, in cells.
constexpr int kRuggedRadius = 2;
// Level of rugged land at sea level, and the step per height band.
constexpr int kBaseLevel = 100;
constexpr int kLevelStep = 5;
constexpr float kBandHeight = 250.0f;
constexpr int kTopLevel = 232;
// A rugged cell keeps its level only with at least this many rugged cells
// among its eight neighbours; lone cells would show as speckles.
constexpr int kMinRuggedNeighbours = 4;

}  // namespace

bool buildTerrain(const Sources& sources, std::vector<std::uint8_t>& raster)
{
    std::string name = "NETCDF:\"" + sources.etopoPath + "\":ROSE";
    std::unique_ptr<GDALDataset> dataset(
        GDALDataset::Open(name.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    if (!dataset) {
        std::fprintf(stderr, "atlasgen: cannot open %s\n", sources.etopoPath.c_str());
        return false;
    }
    double transform[6];
    if (dataset->GetGeoTransform(transform) != CE_None) {
        std::fprintf(stderr, "atlasgen: %s has no grid geometry\n", sources.etopoPath.c_str());
        return false;
    }
    const int width = dataset->GetRasterXSize();
    const int height = dataset->GetRasterYSize();
    std::vector<float> grid(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    if (dataset->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, width, height, grid.data(), width,
                                            height, GDT_Float32, 0, 0) != CE_None)
        return false;

    // Heights of the atlas cells plus a margin for the ruggedness window.
    constexpr int margin = kRuggedRadius;
    const int rows = kTerrainRows + 2 * margin;
    const int columns = kTerrainColumns + 2 * margin;
    std::vector<float> heights(static_cast<std::size_t>(rows * columns));
    for (int r = 0; r < rows; ++r) {
        double lat = 50.0 - (r - margin) / 12.0;
        long py = std::lround((lat - transform[3]) / transform[5] - 0.5);
        py = std::clamp<long>(py, 0, height - 1);
        for (int c = 0; c < columns; ++c) {
            double lon = -10.0 + (c - margin) / 12.0;
            if (lon < transform[0])
                lon += 360.0;
            long px = std::lround((lon - transform[0]) / transform[1] - 0.5);
            px = ((px % width) + width) % width;
            float h = grid[static_cast<std::size_t>(py) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(px)];
            heights[static_cast<std::size_t>(r * columns + c)] = h;
        }
    }
    auto heightAt = [&](int r, int c) {
        return heights[static_cast<std::size_t>((r + margin) * columns + (c + margin))];
    };

    std::vector<std::uint8_t> rugged(static_cast<std::size_t>(kTerrainRows * kTerrainColumns));
    for (int r = 0; r < kTerrainRows; ++r) {
        for (int c = 0; c < kTerrainColumns; ++c) {
            if (heightAt(r, c) <= 0.0f)
                continue;
            float low = heightAt(r, c), high = low;
            for (int dr = -kRuggedRadius; dr <= kRuggedRadius; ++dr)
                for (int dc = -kRuggedRadius; dc <= kRuggedRadius; ++dc) {
                    float h = std::max(0.0f, heightAt(r + dr, c + dc));
                    low = std::min(low, h);
                    high = std::max(high, h);
                }
            rugged[static_cast<std::size_t>(r * kTerrainColumns + c)] = high - low >= kRuggedRange;
        }
    }

    raster.assign(static_cast<std::size_t>(kTerrainRows * kTerrainColumns), 0);
    for (int r = 0; r < kTerrainRows; ++r) {
        for (int c = 0; c < kTerrainColumns; ++c) {
            std::size_t index = static_cast<std::size_t>(r * kTerrainColumns + c);
            if (!rugged[index])
                continue;
            int neighbours = 0;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    int rr = r + dr, cc = c + dc;
                    if ((dr != 0 || dc != 0) && rr >= 0 && rr < kTerrainRows && cc >= 0 &&
                        cc < kTerrainColumns)
                        neighbours += rugged[static_cast<std::size_t>(rr * kTerrainColumns + cc)];
                }
            if (neighbours < kMinRuggedNeighbours)
                continue;
            int band = static_cast<int>(std::floor(heightAt(r, c) / kBandHeight));
            raster[index] = static_cast<std::uint8_t>(
                std::min(kTopLevel, kBaseLevel + kLevelStep * std::max(1, band)));
        }
    }
    return true;
}

void maskTerrainToLand(std::vector<std::uint8_t>& raster, const std::vector<GenRecord>& records)
{
    std::vector<std::uint8_t> land(raster.size(), 0);
    std::vector<double> crossings;
    for (const GenRecord& record : records) {
        if (record.startYear > kLandYear)
            break;
        const std::size_t count = record.x.size();
        for (int r = 0; r < kTerrainRows; ++r) {
            double lat = 50.0 - r / 12.0;
            crossings.clear();
            for (std::size_t i = 0; i < count; ++i) {
                std::size_t j = (i + 1) % count;
                double latA = decodeLat(record.y[i]), latB = decodeLat(record.y[j]);
                if ((latA <= lat) == (latB <= lat))
                    continue;
                double lonA = record.x[i] / 100.0, lonB = record.x[j] / 100.0;
                crossings.push_back(lonA + (lat - latA) * (lonB - lonA) / (latB - latA));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
                int from = std::max(0, static_cast<int>(std::ceil((crossings[k] + 10.0) * 12.0)));
                int to = std::min(kTerrainColumns - 1,
                                  static_cast<int>(std::floor((crossings[k + 1] + 10.0) * 12.0)));
                for (int c = from; c <= to; ++c)
                    land[static_cast<std::size_t>(r * kTerrainColumns + c)] = 1;
            }
        }
    }
    for (std::size_t i = 0; i < raster.size(); ++i)
        if (!land[i])
            raster[i] = 0;
}
