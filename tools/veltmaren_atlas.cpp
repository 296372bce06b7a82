// veltmaren-atlas: the maintainers' command-line look into the atlas data.
//
// Run in a folder that holds borders.dat (and terrain.dat):
//   veltmaren-atlas info            record count and records per class
//   veltmaren-atlas headers         writes temp/Headers.txt as the editor does
//   veltmaren-atlas view ID         the projection fields of map view ID
//   veltmaren-atlas mercator LAT    Mercator ordinate of LAT (1/100 degree)
//   veltmaren-atlas latitude Y      latitude of the Mercator ordinate Y
//   veltmaren-atlas labels          the built-in map labels as CSV
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/messages.h"
#include "map/projection.h"
#include "platform/clock.h"
#include "shell/app_state.h"

namespace {

AppState appState;

int usage()
{
    std::fprintf(stderr,
                 "usage: veltmaren-atlas info | headers | view ID | mercator LAT | latitude Y | labels\n");
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

// Prints every row of the label table, end rows included, one CSV line each;
// the text is quoted when it holds a comma or a quote.
int commandLabels()
{
    std::printf("row,first year,end year,colour,level,text place,trail,longitude,latitude,"
                "group,text\n");
    for (int i = 0; i < kLabelRows; ++i) {
        const LabelRow& row = labelTable[i];
        std::printf("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,", i, row.firstYear, row.endYear,
                    row.markerColor, row.detailLevel, row.textPlace, row.trail, row.lon,
                    row.lat, row.group);
        bool quote = std::strpbrk(row.text, ",\"") != nullptr;
        if (!quote) {
            std::printf("%s\n", row.text);
            continue;
        }
        std::putchar('"');
        for (const char* c = row.text; *c != '\0'; ++c) {
            if (*c == '"')
                std::putchar('"');
            std::putchar(*c);
        }
        std::printf("\"\n");
    }
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
    if (std::strcmp(command, "labels") == 0 && argc == 2)
        return commandLabels();
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
