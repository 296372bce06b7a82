// terrain.dat as start-up loads it, then the relief drawn in a view chosen by
// the last byte.
#include <cstddef>
#include <cstdint>

#include "core/app_state.h"
#include "fuzz/fuzz_support.h"
#include "map/border_table.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/display.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static AppState app;
    fuzzStart(app);
    if (!fuzzWriteFile("terrain.dat", data, size))
        return 0;
    (void)loadTerrain(app, terrainMap);
    app.animationId = size > 0 ? data[size - 1] % 10 : 9;
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
    return 0;
}
