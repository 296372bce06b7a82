// Scratch folder, headless display and start-up for the fuzz targets.
#include "fuzz/fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/app_state.h"
#include "map/border_table.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/buttons.h"
#include "shell/controller.h"
#include "shell/main_loop.h"

namespace {

bool started = false;
bool atlasStarted = false;

bool copyDataFile(const char* name)
{
    std::string from = std::string(VELTMAREN_SOURCE_DIR) + "/data/" + name;
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (in == nullptr)
        return false;
    std::FILE* out = std::fopen(name, "wb");
    char buffer[65536];
    std::size_t n;
    while (out != nullptr && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        std::fwrite(buffer, 1, n, out);
    std::fclose(in);
    return out != nullptr && std::fclose(out) == 0;
}

} // namespace

void fuzzStart(AppState& app)
{
    if (!started) {
        started = true;
        char folder[] = "/tmp/veltmaren-fuzz-XXXXXX";
        if (mkdtemp(folder) == nullptr || chdir(folder) != 0)
            std::abort();
        useVirtualClock(0); // the program's message pauses cost nothing
        if (!createMainWindow(DisplayBackend::headless, "Veltmaren") ||
            !setupDisplay(800, 600))
            std::abort();
    }
    setDefaults(app);
    setFontSizes(app);
    buildButtonTable(app, buttonTable);
}

void fuzzStartAtlas(AppState& app)
{
    fuzzStart(app);
    if (!atlasStarted) {
        atlasStarted = true;
        if (!copyDataFile("borders.dat") || !copyDataFile("terrain.dat"))
            std::abort();
        releaseDisplay();
        if (!startAtlas(app, buttonTable, DisplayBackend::headless))
            std::abort();
        return;
    }
    setScreen(app, buttonTable, kTitleScreen);
}

bool fuzzWriteFile(const char* path, const std::uint8_t* data, std::size_t size)
{
    if (const char* slash = std::strchr(path, '/')) {
        std::string folder(path, slash);
        mkdir(folder.c_str(), 0755);
    }
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr)
        return false;
    bool ok = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}
