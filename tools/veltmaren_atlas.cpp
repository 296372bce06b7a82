// veltmaren-atlas: the maintainers' command-line look into the atlas data.
//
// Run in a folder that holds borders.dat (and terrain.dat):
//   veltmaren-atlas info            record count and records per class
//   veltmaren-atlas headers         writes temp/Headers.txt as the editor does
//   veltmaren-atlas view ID         the projection fields of map view ID
//   veltmaren-atlas mercator LAT    Mercator ordinate of LAT (1/100 degree)
//   veltmaren-atlas latitude Y      latitude of the Mercator ordinate Y
//   veltmaren-atlas labels          the built-in map labels as CSV
//   veltmaren-atlas render --view ID --year Y --out FILE.png [--labels]
//                                   the map of year Y in view ID, as the
//                                   atlas composes it, written as a PNG;
//                                   with --labels the names drawn over it
//   veltmaren-atlas history CODE    checks text/CODE.txt as the atlas loads it
//                                   (--lines: with its wrapped lines)
//   veltmaren-atlas history --all   checks every history the atlas knows
//   veltmaren-atlas check           checks borders.dat as the editor and the
//                                   atlas need it; exit status 1 on a fault
//   veltmaren-atlas icon --size N --out FILE.png
//                                   the atlas's icon, drawn from its map
//   veltmaren-atlas animate --view ID --from Y --to Y [--step N] [--delay MS]
//                           [--labels] --out FILE.gif
//                                   the map through time as an animated GIF
// Outside a folder that holds borders.dat it reads the installed data.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <vector>

#include "core/app_state.h"
#include "editor/border_check.h"
#include "editor/editor_files.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/labels.h"
#include "map/messages.h"
#include "map/projection.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "shell/buttons.h"
#include "tools/atlas_export.h"
#include "tools/history_check.h"

namespace {

AppState appState;

int usage()
{
    std::fprintf(stderr,
                 "usage: veltmaren-atlas info | headers | view ID | mercator LAT | latitude Y\n"
                 "       veltmaren-atlas labels\n"
                 "       veltmaren-atlas render --view ID --year Y --out FILE.png [--labels]\n"
                 "       veltmaren-atlas icon --size N --out FILE.png\n"
                 "       veltmaren-atlas animate --view ID --from Y --to Y [--step N]"
                 " [--delay MS] [--labels] --out FILE.gif\n"
                 "       veltmaren-atlas history CODE [--lines] | --all\n"
                 "       veltmaren-atlas check\n");
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
    setFontSizes(appState);
    buildButtonTable(appState, buttonTable);
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

// Renders the map of a year in a view on the headless display, the way the
// program shows it, and writes backBuffer as a PNG.
int commandRender(int argc, char** argv)
{
    long view = -1;
    long year = 100000;
    const char* out = nullptr;
    bool names = false;
    // --labels may stand last, after the option pairs.
    if (argc > 2 && std::strcmp(argv[argc - 1], "--labels") == 0) {
        names = true;
        --argc;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--view") == 0 && parseNumber(argv[i + 1], view))
            continue;
        if (std::strcmp(argv[i], "--year") == 0 && parseNumber(argv[i + 1], year))
            continue;
        if (std::strcmp(argv[i], "--out") == 0) {
            out = argv[i + 1];
            continue;
        }
        return usage();
    }
    if ((argc - 2) % 2 != 0 || out == nullptr || view < 0 || view >= kMapViewCount ||
        year < -3000 || year > 1000)
        return usage();

    if (!openHeadlessAtlas(appState)) {
        std::fprintf(stderr, "render: no display surfaces\n");
        return 1;
    }

    appState.animationId = static_cast<int>(view);
    appState.year = static_cast<int>(year);
    rebuildBaseMap(appState, borderTable, terrainMap, nullptr, overlayLayer, mapLayer);
    paintNations(appState, borderTable, appState.year, appState.firstNationRecord, mapLayer);
    composeMap(appState, backBuffer, overlayLayer, mapLayer);
    if (names)
        mapLabels(appState, historyTable, periodIndex, lineStore, nationGroupTable, labelTable,
                  kLabelDraw, backBuffer);
    bool written = saveSurfacePng(backBuffer, out);
    releaseDisplay();
    if (!written) {
        std::fprintf(stderr, "render: can't write %s\n", out);
        return 1;
    }
    return 0;
}

// Checks borders.dat in the working folder; 1 when it is missing or faulty.
int commandCheck()
{
    std::FILE* file = openFile("borders.dat", "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "Can't open borders.dat\n");
        return 1;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    const int faults = checkBorderBytes(bytes, stdout);
    std::printf("borders.dat: %zu records, %d fault%s\n", bytes.size() / kBorderRecordBytes,
                faults, faults == 1 ? "" : "s");
    return faults > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The tool never waits on the program's message pauses.
    useVirtualClock(0);
    setDefaults(appState);
    (void)chooseDataFolder();
    if (argc < 2)
        return usage();
    const char* command = argv[1];
    if (std::strcmp(command, "info") == 0 && argc == 2)
        return commandInfo();
    if (std::strcmp(command, "headers") == 0 && argc == 2)
        return commandHeaders();
    if (std::strcmp(command, "check") == 0 && argc == 2)
        return commandCheck();
    if (std::strcmp(command, "labels") == 0 && argc == 2)
        return commandLabels();
    if (std::strcmp(command, "view") == 0 && argc == 3)
        return commandView(argv[2]);
    if (std::strcmp(command, "render") == 0)
        return commandRender(argc, argv);
    if (std::strcmp(command, "icon") == 0)
        return commandIcon(appState, argc, argv);
    if (std::strcmp(command, "animate") == 0)
        return commandAnimate(appState, argc, argv);
    if (std::strcmp(command, "history") == 0 && (argc == 3 || argc == 4)) {
        // Run in the data folder; exit status 1 when anything is wrong.
        const bool lines = argc == 4 && std::strcmp(argv[3], "--lines") == 0;
        if (argc == 4 && !lines)
            return usage();
        const int errors = std::strcmp(argv[2], "--all") == 0
                               ? checkAllHistories(stdout)
                               : checkHistoryFile(argv[2], lines ? 2 : 1, stdout);
        return errors > 0 ? 1 : 0;
    }
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
