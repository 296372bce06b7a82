// veltmaren-atlas: the maintainers' command-line look into the atlas data.
//
// Run in a folder that holds borders.dat (and terrain.dat):
//   veltmaren-atlas info            record count and records per class
//   veltmaren-atlas headers         writes temp/Headers.txt as the editor does
//   veltmaren-atlas view ID         the projection fields of map view ID
//   veltmaren-atlas mercator LAT    Mercator ordinate of LAT (1/100 degree)
//   veltmaren-atlas latitude Y      latitude of the Mercator ordinate Y
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "map/projection.h"
#include "platform/clock.h"
#include "shell/app_state.h"

namespace {

AppState appState;

int usage()
{
    std::fprintf(stderr,
                 "usage: veltmaren-atlas info | headers | view ID | mercator LAT | latitude Y\n");
    return 2;
}

// Parses a whole decimal number; false on anything else.
bool parseNumber(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0';
}

// Loads borders.dat; a missing file is reported on stderr and is an error.
bool loadData()
{
    loadBorders(appState, borderTable);
    for (int i = 0; i < messageCount(); ++i)
        std::fprintf(stderr, "%s\n", messageAt(i));
    return messageCount() == 0;
}

int commandInfo()
{
    if (!loadData())
        return 1;
    int land = 0, outline = 0, river = 0, nation = 0;
    int end = 0;
    while (end < kBorderPaintLimit && borderTable[end].STARTYR < kEndMarkYear) {
        int year = borderTable[end].STARTYR;
        if (year <= kLandMaxYear) ++land;
        else if (year <= kOutlineMaxYear) ++outline;
        else if (year <= kRiverMaxYear) ++river;
        else ++nation;
        ++end;
    }
    std::printf("recordCount=%d\n", appState.recordCount);
    std::printf("firstNationRecord=%d\n", firstRecordAbove(borderTable, 0, kRiverMaxYear));
    std::printf("land=%d\noutline=%d\nriver=%d\nnation=%d\n", land, outline, river, nation);
    return 0;
}

int commandHeaders()
{
    if (!loadData())
        return 1;
    int lines = writeHeaderList("temp\\Headers.txt", borderTable, appState.recordCount);
    if (lines < 0) {
        std::fprintf(stderr, "Can't open Headers.txt\n");
        return 1;
    }
    std::printf("%d: Entries Saved\n", lines);
    return 0;
}

int commandView(const char* idText)
{
    long id = 0;
    if (!parseNumber(idText, id) || id < 0 || id >= kMapViewCount)
        return usage();
    appState.animationId = static_cast<int>(id);
    appState.mapTop = 58;
    selectView(appState, nullptr);
    const char* names[] = {"animationId", "viewCenterX", "viewNorthLat", "viewSouthLat",
                           "viewNorthY", "viewSouthY", "viewWest", "viewEast",
                           "viewScaleX", "viewScaleY", "viewUnitsPerPixel"};
    for (const char* name : names)
        for (const AppStateField& field : appStateFields())
            if (std::strcmp(field.name, name) == 0)
                std::printf("%s=%d\n", name, appState.*field.member);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The tool never waits on the program's message pauses.
    useVirtualClock(0);
    setDefaults(appState);
    if (argc < 2)
        return usage();
    const char* command = argv[1];
    if (std::strcmp(command, "info") == 0 && argc == 2)
        return commandInfo();
    if (std::strcmp(command, "headers") == 0 && argc == 2)
        return commandHeaders();
    if (std::strcmp(command, "view") == 0 && argc == 3)
        return commandView(argv[2]);
    long value = 0;
    if (std::strcmp(command, "mercator") == 0 && argc == 3 && parseNumber(argv[2], value)) {
        std::printf("%d\n", mercator(static_cast<int>(value)));
        return 0;
    }
    if (std::strcmp(command, "latitude") == 0 && argc == 3 && parseNumber(argv[2], value)) {
        std::printf("%d\n", latitudeOf(static_cast<int>(value)));
        return 0;
    }
    return usage();
}
