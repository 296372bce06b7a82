// Print option screens on the proportional grid of the menu screens.
#include "print/print_screens.h"

#include "core/limits.h"
#include "core/app_state.h"
#include "map/draw.h"
#include "map/status_line.h"
#include "print/print_job.h"

namespace {

int rowTop(const AppState& app, int row)
{
    return app.mapTop + row * app.fontSize4;
}

int part(const AppState& app, double fraction)
{
    return static_cast<int>(fraction * app.screenWidth);
}

void settingsBlock(AppState& app, DrawSurface* surface)
{
    const int h = app.fontSize4;
    const int left = part(app, 0.04), right = part(app, 0.96);
    const int top = rowTop(app, 17), bottom = rowTop(app, 21) + h / 2;
    paintRect(left, top, right, bottom, 210, 10, surface);
    paintRect(left + 2, top + 2, right - 2, bottom - 2, 114, 10, surface);
    paintRect(left + 3, top + 3, right - 3, bottom - 3, 116, 10, surface);
    textOut(app,
            app.paperSize == 3 ? "Use these maps to print a timeline up to 48 feet long."
                               : "Use these maps to print a timeline up to 15 meters long.",
            part(app, 0.5), top + h / 2, h, kAlignCenter, 215, kTextPlain, surface);
    textOut(app, "Print Size:", part(app, 0.2), rowTop(app, 19), h, kAlignLeft, 215, kTextPlain,
            surface);
    textOut(app, "Paper Size:", part(app, 0.2), rowTop(app, 20), h, kAlignLeft, 215, kTextPlain,
            surface);
    const bool full = app.printSize == 2;
    textOut(app, "Full page map", part(app, 0.5), rowTop(app, 19), h, kAlignCenter,
            full ? 210 : 215, kTextPlain, surface);
    textOut(app, "Half page map", part(app, 0.72), rowTop(app, 19), h, kAlignCenter,
            full ? 215 : 210, kTextPlain, surface);
    const bool letter = app.paperSize == 3;
    textOut(app, "Letter paper", part(app, 0.5), rowTop(app, 20), h, kAlignCenter,
            letter ? 210 : 215, kTextPlain, surface);
    textOut(app, "A4 paper", part(app, 0.72), rowTop(app, 20), h, kAlignCenter,
            letter ? 215 : 210, kTextPlain, surface);
}

// A settings click does not print: the command that opened the screen runs
// again and draws it with the new settings.
void settingsClick(AppState& app)
{
    const int t = part(app, 0.61);
    if (rowTop(app, 19) < app.mouseY && app.mouseY < rowTop(app, 20)) {
        if (app.mouseX < t)
            app.printSize = 2;
        else if (app.mouseX > t)
            app.printSize = 1;
    } else if (rowTop(app, 20) < app.mouseY && app.mouseY < rowTop(app, 21)) {
        if (app.mouseX < t)
            app.paperSize = 3;
        else if (app.mouseX > t)
            app.paperSize = 4;
    }
}

} // namespace

void printSampleScreen(AppState& app, const HistoryTable&, const PeriodIndex&, int mode,
                       DrawSurface* surface)
{
    paintRect(0, app.mapTop, app.screenWidth, app.screenHeight, 121, 10, surface);
    const char* heading = "Click here to print sample map";
    textOut(app, heading, part(app, 0.5) - 1, rowTop(app, 3) + 1, app.fontSize6, kAlignCenter, 210,
            kTextPlain, surface);
    textOut(app, heading, part(app, 0.5), rowTop(app, 3), app.fontSize6, kAlignCenter, 215,
            kTextPlain, surface);
    static const char* const about[3] = {
        "The sample map is one of the pages from our map timeline.  The timeline maps",
        "cover 50 year periods, except the first few that span 250 years.  We offer a",
        "CD-ROM edition that also prints maps visible on the screen.",
    };
    for (int i = 0; i < 3; ++i)
        textOut(app, about[i], part(app, 0.05), rowTop(app, 6 + i), app.fontSize3, kAlignLeft, 215,
                kTextPlain, surface);
    settingsBlock(app, surface);
    if (mode != 3)
        return;
    if (rowTop(app, 3) < app.mouseY && app.mouseY < rowTop(app, 5)) {
        app.printRangeStart = 850;
        app.printRangeEnd = 900;
        app.command = 42;
    }
    settingsClick(app);
}

void printTimelineScreen(AppState& app, const HistoryTable& table, const PeriodIndex& index,
                         int mode, DrawSurface* surface)
{
    paintRect(0, app.mapTop, app.screenWidth, app.screenHeight, 121, 10, surface);
    statusLine(app, 215, surface);
    app.selectedRecord = index[1].record;
    for (int i = 0; i < kTimelinePages; ++i) {
        int record = index[static_cast<std::size_t>(i)].record;
        if (record < 0 || record >= kHistoryRecords)
            continue;
        const HistoryRecord& period = table[static_cast<std::size_t>(record)];
        bool holdsStart = period.startYear < app.printRangeStart && app.printRangeStart < period.endYear;
        ListBox box = periodListBox(app, i);
        textInBox(app, period.label, box.left, box.top, box.right, box.bottom, app.fontSize4, 9,
                  holdsStart ? 210 : 215, 0, surface);
    }
    settingsBlock(app, surface);
    if (mode != 3)
        return;
    if (rowTop(app, 2) < app.mouseY && app.mouseY < rowTop(app, 15)) {
        const int x0 = part(app, 0.04);
        const int c = (part(app, 0.92) - x0) / 4;
        int column = app.mouseX < x0 + c ? 0 : app.mouseX < x0 + 2 * c ? 1 : app.mouseX < x0 + 3 * c ? 2 : 3;
        int entry = column * 13 + (app.mouseY - rowTop(app, 2)) / app.fontSize4;
        if (entry >= 0 && entry < kTimelinePages) {
            int record = index[static_cast<std::size_t>(entry)].record;
            if (record >= 0 && record < kHistoryRecords) {
                app.listIndex = entry;
                app.selectedRecord = record;
                app.printRangeEnd = table[static_cast<std::size_t>(record)].mapYear;
            }
        }
        app.command = 42;
    }
    settingsClick(app);
}
