// Icon and animation exports of the maintainer tool.
#include "tools/atlas_export.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app_state.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/display.h"
#include "platform/picture_export.h"
#include "shell/animation_export.h"
#include "shell/buttons.h"

namespace {

// The icon shows the Mediterranean of 117 CE, the Roman Empire at its
// widest, in the Europe view: a square of the map area under the band.
inline constexpr int kIconView = 0;
inline constexpr int kIconYear = 117;
inline constexpr int kIconLeft = 140;

bool wholeNumber(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

int exportUsage()
{
    std::fprintf(stderr,
                 "usage: veltmaren-atlas icon --size N --out FILE.png\n"
                 "       veltmaren-atlas animate --view ID --from Y --to Y [--step N]"
                 " [--delay MS] [--labels] --out FILE.gif\n");
    return 2;
}

} // namespace

bool openHeadlessAtlas(AppState& app)
{
    if (!createMainWindow(DisplayBackend::headless, "Veltmaren") || !setupDisplay(800, 600))
        return false;
    setFontSizes(app);
    buildButtonTable(app, buttonTable);
    loadBorders(app, borderTable);
    (void)loadTerrain(app, terrainMap);
    for (int i = 0; i < messageCount(); ++i)
        std::fprintf(stderr, "%s\n", messageAt(i));
    return true;
}

int commandIcon(AppState& app, int argc, char** argv)
{
    long size = 0;
    const char* out = nullptr;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--size") == 0 && wholeNumber(argv[i + 1], size))
            continue;
        if (std::strcmp(argv[i], "--out") == 0) {
            out = argv[i + 1];
            continue;
        }
        return exportUsage();
    }
    if (argc % 2 != 0 || out == nullptr || size < 16 || size > 1024)
        return exportUsage();
    if (!openHeadlessAtlas(app)) {
        std::fprintf(stderr, "icon: no display surfaces\n");
        return 1;
    }
    app.animationId = kIconView;
    app.year = kIconYear;
    rebuildBaseMap(app, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
    paintNations(app, borderTable, app.year, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    const int side = app.screenHeight - app.mapTop;
    bool written = saveIconPng(backBuffer, kIconLeft, app.mapTop, side, static_cast<int>(size), out);
    releaseDisplay();
    if (!written) {
        std::fprintf(stderr, "icon: can't write %s\n", out);
        return 1;
    }
    return 0;
}

int commandAnimate(AppState& app, int argc, char** argv)
{
    AnimationExport options = {-1, 100000, 100000, 10, 400, false, nullptr};
    for (int i = 2; i < argc; ++i) {
        long value = 0;
        if (std::strcmp(argv[i], "--labels") == 0) {
            options.labels = true;
            continue;
        }
        if (i + 1 >= argc)
            return exportUsage();
        const char* option = argv[i];
        const char* text = argv[++i];
        if (std::strcmp(option, "--out") == 0) {
            options.out = text;
            continue;
        }
        if (!wholeNumber(text, value) || value < -100000 || value > 100000)
            return exportUsage();
        int number = static_cast<int>(value);
        if (std::strcmp(option, "--view") == 0)
            options.view = number;
        else if (std::strcmp(option, "--from") == 0)
            options.fromYear = number;
        else if (std::strcmp(option, "--to") == 0)
            options.toYear = number;
        else if (std::strcmp(option, "--step") == 0)
            options.step = number;
        else if (std::strcmp(option, "--delay") == 0)
            options.delayMs = number;
        else
            return exportUsage();
    }
    if (options.out == nullptr || options.view < 0 || options.fromYear < -3000 ||
        options.toYear > 1000 || options.fromYear > options.toYear || options.step < 1 ||
        options.delayMs < 0)
        return exportUsage();
    if (!openHeadlessAtlas(app)) {
        std::fprintf(stderr, "animate: no display surfaces\n");
        return 1;
    }
    int frames = exportAnimation(app, options);
    releaseDisplay();
    if (frames < 0) {
        std::fprintf(stderr, "animate: can't write %s\n", options.out);
        return 1;
    }
    std::printf("%d frames\n", frames);
    return 0;
}
