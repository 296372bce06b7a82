// The terrain relief raster, terrain.dat.
//
// 900 rows of 1560 bytes, north to south, each row west to east: cells of a
// twelfth of a degree from 50 N to 25 S and 10 W to 120 E. 0 is no relief;
// any other byte is a relief level, drawn as a shade whose red component is
// the value.
#pragma once

#include <array>
#include <cstdint>

#include "core/limits.h"

struct AppState;

using TerrainMap = std::array<std::array<std::uint8_t, kTerrainColumns>, kTerrainRows>;

extern TerrainMap terrainMap;

// The raster's north-west corner (1/100 degree) and its cells per degree.
inline constexpr int kTerrainNorthLat = 5000;
inline constexpr int kTerrainWestLon = -1000;
inline constexpr int kTerrainCellsPerDegree = 12;
// Relief steps of this many levels or more between west neighbours are
// drawn as relief; smaller ones are flat.
inline constexpr int kReliefStep = 4;

// Cell index of a distance in 1/100 degree from the raster's edge, divisions
// truncating toward zero.
constexpr int terrainCell(int v)
{
    return kTerrainCellsPerDegree * (v / 100) + ((v % 100) * kTerrainCellsPerDegree) / 100;
}

// Latitude (1/100 degree) of a raster row's north edge.
constexpr int terrainRowLatitude(int row)
{
    return (kTerrainNorthLat / 100 - row / kTerrainCellsPerDegree) * 100 -
           ((row % kTerrainCellsPerDegree) * 100) / kTerrainCellsPerDegree;
}

// Longitude (1/100 degree) of a raster column's west edge.
constexpr int terrainColumnLongitude(int column)
{
    return (column / kTerrainCellsPerDegree + kTerrainWestLon / 100) * 100 +
           ((column % kTerrainCellsPerDegree) * 100) / kTerrainCellsPerDegree;
}

// Reads terrain.dat from the working directory into the raster. A missing
// file is reported with showMessage and leaves the raster as it was; a short
// file fills as many cells as it holds, a longer one only the raster's
// 1,404,000. Returns the number of bytes read. Called by setup at start-up.
int loadTerrain(AppState& app, TerrainMap& terrain);
