// The print job of the atlas, with its pages written as page-NN.pdf.
#include "tools/atlas_print.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "content/history_loader.h"
#include "core/app_state.h"
#include "core/history_table.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/messages.h"
#include "map/terrain.h"
#include "platform/display.h"
#include "platform/print_service.h"
#include "print/print_job.h"
#include "tools/atlas_export.h"

namespace {

int printUsage()
{
    std::fprintf(stderr, "usage: veltmaren-atlas print --from Y --to Y --out DIR [--size full|half]"
                         " [--paper letter|a4] [--era bc|bce]\n");
    return 2;
}

bool year(const char* text, int& value)
{
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < -3000 || v > 1000)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int commandPrint(AppState& app, int argc, char** argv)
{
    int from = 0, to = 0;
    bool haveFrom = false, haveTo = false;
    const char* out = nullptr;
    app.printSize = 2;
    app.paperSize = 3;
    app.eraLabels = 1;
    for (int i = 2; i + 1 < argc; i += 2) {
        const char* option = argv[i];
        const char* value = argv[i + 1];
        if (std::strcmp(option, "--from") == 0 && year(value, from))
            haveFrom = true;
        else if (std::strcmp(option, "--to") == 0 && year(value, to))
            haveTo = true;
        else if (std::strcmp(option, "--out") == 0)
            out = value;
        else if (std::strcmp(option, "--size") == 0 && std::strcmp(value, "full") == 0)
            app.printSize = 2;
        else if (std::strcmp(option, "--size") == 0 && std::strcmp(value, "half") == 0)
            app.printSize = 1;
        else if (std::strcmp(option, "--paper") == 0 && std::strcmp(value, "letter") == 0)
            app.paperSize = 3;
        else if (std::strcmp(option, "--paper") == 0 && std::strcmp(value, "a4") == 0)
            app.paperSize = 4;
        else if (std::strcmp(option, "--era") == 0 && std::strcmp(value, "bc") == 0)
            app.eraLabels = 0;
        else if (std::strcmp(option, "--era") == 0 && std::strcmp(value, "bce") == 0)
            app.eraLabels = 1;
        else
            return printUsage();
    }
    if (argc % 2 != 0 || !haveFrom || !haveTo || out == nullptr)
        return printUsage();
    mkdir(out, 0755); // the pages' folder, if it is not there yet
    if (!openHeadlessAtlas(app)) {
        std::fprintf(stderr, "print: no display surfaces\n");
        return 1;
    }
    history(app, historyTable, periodIndex, lineStore, "GLOBAL", backBuffer);
    int printed = 0;
    if (app.lastPeriod >= 0 && periodIndex[0].record >= 0) {
        // The rivers of the screen map leave the first nation record where
        // the first page starts painting, as at the atlas's first print.
        app.firstNationRecord = firstRecordAbove(borderTable, 0, kRiverMaxYear);
        setPrintFolder(out);
        app.printRangeStart = from;
        app.printRangeEnd = to;
        printTimeline(app, borderTable, historyTable, periodIndex, lineStore, terrainMap,
                      labelTable, backBuffer);
        printed = printedPageCount();
    }
    for (int i = 0; i < messageCount(); ++i)
        std::fprintf(stderr, "%s\n", messageAt(i));
    releaseDisplay();
    std::printf("%d pages\n", printed);
    return printed > 0 || from == to ? 0 : 1;
}
