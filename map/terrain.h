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

// Reads terrain.dat from the working directory into the raster. A missing
// file is reported with showMessage and leaves the raster as it was; a short
// file fills as many cells as it holds, a longer one only the raster's
// 1,404,000. Returns the number of bytes read. Called by setup at start-up.
int loadTerrain(AppState& app, TerrainMap& terrain);
