// The print job and the page's title block.
#include "print/print_job.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "content/pictures.h"
#include "core/limits.h"
#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "map/palette.h"
#include "map/status_line.h"
#include "print/print_map.h"

namespace {

bool fullPage(const AppState& app)
{
    return app.printSize != 1;
}

Rgb color(int colorIndex)
{
    return paletteColor(colorIndex);
}

bool overlapsRange(const HistoryRecord& period, int start, int end)
{
    return (period.startYear < start && start < period.endYear) ||
           (period.startYear < end && end < period.endYear) ||
           (start <= period.startYear && end >= period.endYear);
}

const HistoryRecord* periodOf(const HistoryTable& table, const PeriodIndex& index, int entry)
{
    int record = index[static_cast<std::size_t>(entry)].record;
    if (record < 0 || record >= kHistoryRecords)
        return nullptr;
    return &table[static_cast<std::size_t>(record)];
}

} // namespace

PaperSize paperOf(const AppState& app)
{
    return app.paperSize == 4 ? PaperSize::a4 : PaperSize::letter;
}

void computePageFrame(AppState& app, const PrinterCaps& caps)
{
    int w = caps.physicalWidth;
    int h = caps.physicalHeight;
    if (app.paperSize == 4) {
        w = static_cast<int>(w * 0.97294);
        h = static_cast<int>(h * 1.06273);
    }
    if (fullPage(app)) {
        int m = static_cast<int>(0.5 * caps.dpi);
        app.printMapHeight = w - 2 * m;
        app.printMapWidth = static_cast<int>(app.printMapHeight * 1.3333333333333333);
        app.printLeft = m - caps.offsetX;
        app.printTop = (h - app.printMapWidth) / 2 - caps.offsetY;
        app.printRight = app.printLeft + app.printMapHeight + 1;
        app.printBottom = app.printTop + app.printMapWidth + 1;
        if (app.printBottom >= caps.verticalResolution) {
            int overshoot = app.printBottom - caps.verticalResolution;
            app.printTop -= overshoot;
            app.printBottom -= overshoot;
        }
    } else {
        int m = static_cast<int>(0.75 * caps.dpi);
        app.printMapWidth = w - 2 * m;
        app.printMapHeight = static_cast<int>(app.printMapWidth * 0.75);
        app.printLeft = m - caps.offsetX;
        app.printTop = m - caps.offsetY;
        app.printRight = app.printLeft + app.printMapWidth + 1;
        app.printBottom = app.printTop + app.printMapHeight + 1;
    }
    const double mapHeight = app.printMapHeight;
    app.printFont12 = static_cast<int>(0.012 * mapHeight);
    app.printFont22 = static_cast<int>(0.022 * mapHeight);
    app.printFont26 = static_cast<int>(0.026 * mapHeight);
    app.printFont30 = static_cast<int>(0.03 * mapHeight);
    app.printFont34 = static_cast<int>(0.034 * mapHeight);
    app.printFont40 = static_cast<int>(0.04 * mapHeight);
    app.printFont44 = static_cast<int>(0.044 * mapHeight);
    app.printFont70 = static_cast<int>(0.07 * mapHeight);
}

int printText(DrawContext* page, const AppState& app, const char* text, int u, int v, int height,
              int align, int colorIndex, int weight)
{
    TextAlign how = align == 8 ? TextAlign::center : (align == 7 ? TextAlign::right : TextAlign::left);
    Font font{height, weight == 1 ? 700 : 400, fullPage(app) ? 900 : 0};
    PixelPoint at = framePoint(app, u, v);
    drawText(page, text, at.x, at.y, font, how, color(colorIndex));
    return v + static_cast<int>(1.1 * height);
}

void printTitleBlock(DrawContext* page, const AppState& app, int year)
{
    const int f = app.printFont12, t = app.printFont70, e = app.printFont44;
    int w = measureText(page, kFooterLine1, Font{f, 400, fullPage(app) ? 900 : 0}).x;
    if (app.printSize == 2)
        w = static_cast<int>(w * 1.04);
    const int a = static_cast<int>(0.01 * app.printMapWidth);
    const int b = w + static_cast<int>(0.01 * app.printMapWidth);
    const int y0 = app.printMapHeight - static_cast<int>(2.6 * f);

    paperRect(page, app, a, y0, b, app.printMapHeight - static_cast<int>(0.6 * f), 210, 210);
    printText(page, app, kFooterLine1, a, y0 + static_cast<int>(0.1 * f), f, 9, 75, 0);
    printText(page, app, kFooterLine2, a, y0 + static_cast<int>(1.1 * f), f, 9, 75, 0);

    const int yT = y0 - 1 - t;
    paperRect(page, app, a, yT, b, y0 - 1, 215, 210);
    if (year == 0)
        year = 1;
    char digits[16] = "";
    (void)appendNumber(digits, std::abs(year));
    const int numberEnd = a + static_cast<int>(0.61 * (b - a));
    printText(page, app, digits, numberEnd, yT, t, 7, 215, 1);

    const EraLabel label = titleEraLabel(app, year, a, b);
    printText(page, app, label.text, label.u, yT + static_cast<int>(0.3 * app.fontSize8), e, 9, 215,
              1);
}

EraLabel titleEraLabel(const AppState& app, int year, int a, int b)
{
    const int after = a + static_cast<int>(0.61 * (b - a));
    if (app.eraLabels == 0)
        return {year >= 0 ? " AD" : " BC", after};
    if (year >= 0)
        return {" CE", after};
    return {"BCE", a + static_cast<int>(0.63 * (b - a))};
}

int printMapPage(AppState& app, const BorderTable& borders, const HistoryTable& table,
                 const PeriodIndex& index, const LineStore& lines, const TerrainMap& terrain,
                 LabelTable& labels, const char* groupName, DrawSurface* screen)
{
    app.printStatus = 0;
    PrintPage* printed = beginPrintPage("Veltmaren Map", paperOf(app));
    if (printed == nullptr) {
        statusLine(app, 212, screen);
        app.printStatus = 1;
        return -1;
    }
    statusLine(app, 207, screen);
    computePageFrame(app, pageCaps(printed));
    DrawContext* page = pageContext(printed);

    selectPrintView(app);
    paperSea(page, app);
    paperLand(page, app, borders);
    paperNations(page, app, borders, app.printYear, app.firstNationRecord);
    paperTerrain(page, app, terrain);
    paperRivers(page, app, borders);
    paperCoasts(page, app, borders);
    paperLabels(page, app, labels);
    if (groupName != nullptr && std::string_view(groupName) == "GLOBAL") {
        app.printYear = app.printRangeStart;
        printTitleBlock(page, app, app.printYear);
        paperPeriodText(page, app, table, index, lines);
    }
    loadPicture(printPictureHolder, "images\\engstone.jpg");
    paperFrame(page, app);

    const bool sent = endPrintPage(printed);
    statusLine(app, sent ? 209 : 211, screen);
    return sent ? 1 : 0;
}

ListBox periodListBox(const AppState& app, int entry)
{
    const int h = app.fontSize4;
    const int x0 = static_cast<int>(0.04 * app.screenWidth);
    const int c = (static_cast<int>(0.92 * app.screenWidth) - x0) / 4;
    const int column = entry / 13;
    const int top = app.mapTop + (2 + entry % 13) * h;
    return {x0 + column * c + static_cast<int>(0.07 * app.screenWidth), top, x0 + (column + 1) * c,
            top + h};
}

void printTimeline(AppState& app, const BorderTable& borders, const HistoryTable& table,
                   const PeriodIndex& index, const LineStore& lines, const TerrainMap& terrain,
                   LabelTable& labels, DrawSurface* screen)
{
    paintRect(0, app.mapTop, app.screenWidth, app.screenHeight, 121, 10, screen);
    if (app.printRangeEnd < app.printRangeStart)
        std::swap(app.printRangeStart, app.printRangeEnd);
    app.selectedRecord = index[0].record;
    for (int i = 0; i < kTimelinePages; ++i) {
        const HistoryRecord* period = periodOf(table, index, i);
        if (period == nullptr)
            continue;
        ListBox box = periodListBox(app, i);
        int colorIndex = overlapsRange(*period, app.printRangeStart, app.printRangeEnd) ? 210 : 215;
        textInBox(app, period->label, box.left, box.top, box.right, box.bottom, app.fontSize4, 9,
                  colorIndex, 0, screen);
    }
    const bool oneYear = app.printRangeStart == app.printRangeEnd;
    for (int i = 0; i < kTimelinePages; ++i) {
        const HistoryRecord* period = periodOf(table, index, i);
        if (period == nullptr || !(period->endYear > app.printRangeStart &&
                                   period->startYear < app.printRangeEnd))
            continue;
        app.listIndex = i;
        if (!oneYear)
            app.printRangeStart = period->mapYear;
        app.printYear = period->mapYear;
        printMapPage(app, borders, table, index, lines, terrain, labels, "GLOBAL", screen);
    }
}
