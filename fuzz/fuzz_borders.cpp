// borders.dat as start-up loads it, then the map of a view and a year drawn
// from what was loaded. The last two bytes choose the view and the year.
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
    if (!fuzzWriteFile("borders.dat", data, size))
        return 0;
    loadBorders(app, borderTable);
    app.animationId = size > 0 ? data[size - 1] % 10 : 9;
    app.year = size > 1 ? -3000 + data[size - 2] * 4000 / 255 : 0;
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
    paintNations(app, borderTable, app.year, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    return 0;
}
