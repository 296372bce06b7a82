// Animation export: the region animation's frames, painted forward in time
// the way the frame driver paints them, into a GIF with the atlas's palette.
#include "shell/animation_export.h"

#include "core/app_state.h"
#include "core/history_table.h"
#include "core/nation_groups.h"
#include "map/border_table.h"
#include "map/draw.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/palette.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/display.h"
#include "platform/picture_export.h"
#include "shell/buttons.h"

namespace {

// One frame: the nations painted on up to year, their names, and the band
// above the map with only the year box on it.
void drawFrame(AppState& app, bool labels, int year)
{
    app.year = year;
    paintNations(app, borderTable, year, app.nextRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    if (labels)
        mapLabels(app, historyTable, periodIndex, lineStore, nationGroupTable, labelTable,
                  kLabelDraw, backBuffer);
    paintRect(0, 0, app.screenWidth, app.mapTop, 116, 10, backBuffer);
    yearReadout(app, buttonTable, year, backBuffer);
}

} // namespace

int exportAnimation(AppState& app, const AnimationExport& options)
{
    if (options.view < 0 || options.view >= kMapViewCount || options.fromYear < -3000 ||
        options.toYear > 1000 || options.fromYear > options.toYear || options.step < 1 ||
        options.delayMs < 0 || options.out == nullptr || backBuffer == nullptr)
        return -1;
    GifFile* gif = openGif(options.out, app.screenWidth, app.screenHeight, palette);
    if (gif == nullptr)
        return -1;

    app.animationId = options.view;
    app.year = options.fromYear;
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
    app.nextRecord = app.firstNationRecord; // the first paint clears the layer
    int frames = 0;
    bool ok = true;
    for (long year = options.fromYear; ok; year += options.step) {
        if (year > options.toYear)
            year = options.toYear; // the last frame shows the last year
        drawFrame(app, options.labels, static_cast<int>(year));
        ok = addGifFrame(gif, backBuffer, options.delayMs);
        ++frames;
        if (year == options.toYear)
            break;
    }
    ok = closeGif(gif) && ok;
    return ok ? frames : -1;
}
