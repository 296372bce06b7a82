// Loading the relief raster.
#include "map/terrain.h"

#include <cstdio>

#include "map/messages.h"
#include "platform/files.h"

TerrainMap terrainMap;

static_assert(sizeof(TerrainMap) == static_cast<std::size_t>(kTerrainRows) * kTerrainColumns);

int loadTerrain(AppState& app, TerrainMap& terrain)
{
    std::FILE* file = openFile("terrain.dat", "rb");
    if (file == nullptr) {
        showMessage(app, "Can't open terrain.dat setup()");
        return 0;
    }
    std::size_t got = std::fread(terrain.data(), 1, sizeof terrain, file);
    std::fclose(file);
    return static_cast<int>(got);
}
