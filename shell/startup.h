// Start-up: loading the atlas's data files before the first screen.
#pragma once

#include "map/border_table.h"
#include "map/terrain.h"

struct AppState;

// Loads borders.dat into the border table (numbered, with sentinels) and
// terrain.dat into the relief raster, and notes in fullContent whether the
// history texts are installed (text\egypt.txt opens). Missing files are
// reported by their messages and the program goes on with empty tables.
// Called once by start-up after the button table is built.
void setup(AppState& app, BorderTable& borders, TerrainMap& terrain);
