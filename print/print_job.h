// The print job: pages of the map timeline, one document of one page for
// every period of the loaded whole-map history that the chosen range
// overlaps, on the default printer.
//
// A page carries the map of the period's year drawn for paper, the title
// block with the year and its era label, two footer lines with the maker's
// notice, and the period's text.
#pragma once

#include "core/history_table.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/terrain.h"
#include "platform/print_service.h"

struct AppState;
struct DrawSurface;

// The maker's notice at the foot of every page.
inline constexpr const char* kFooterLine1 = "Veltmaren, a historical atlas of Africa, Asia and Europe";
inline constexpr const char* kFooterLine2 = "Free software under the GNU GPL, version 3 or later";

// Paper of paperSize (4 A4, else Letter).
PaperSize paperOf(const AppState& app);

// Computes the page frame (printLeft .. printBottom, printMapWidth,
// printMapHeight) and the paper text heights printFont12 .. printFont70 from
// what the printer reports, for printSize (1 half page, else full page) and
// paperSize; A4 pages are scaled as the map timeline's layout asks.
void computePageFrame(AppState& app, const PrinterCaps& caps);

// One text in frame coordinates (turned on the full page): align 8 centres
// it on u, 7 puts its right end there, else it starts there; weight 1 bold.
// Returns the v of the next line, v + trunc(1.1 x height).
int printText(DrawContext* page, const AppState& app, const char* text, int u, int v, int height,
              int align, int colorIndex, int weight);

// The era label of the title block and where it starts along the year box
// [a, b]: " AD"/" BC" (eraLabels 0) or " CE" at 0.61 of the box, "BCE" at
// 0.63 (it has no blank before it). Year 0 counts as 1.
struct EraLabel {
    const char* text;
    int u;
};
EraLabel titleEraLabel(const AppState& app, int year, int a, int b);

// The title block for year (0 prints as 1; BC/AD or BCE/CE by eraLabels)
// above the two footer lines, at the frame's lower left.
void printTitleBlock(DrawContext* page, const AppState& app, int year);

// Prints the page of PeriodIndex entry listIndex for printYear: status 207
// while it is composed, 209 when the printer took it, 212 and printStatus 1
// when no printer could be had (returns -1), 211 when the document could not
// be finished (returns 0). Returns 1 when the page went to the printer.
// Status lines are drawn on screen.
int printMapPage(AppState& app, const BorderTable& borders, const HistoryTable& table,
                 const PeriodIndex& index, const LineStore& lines, const TerrainMap& terrain,
                 LabelTable& labels, const char* groupName, DrawSurface* screen);

// The job of the Print command: draws the list of the 52 periods on screen
// with the chosen ones in white, then prints every period that the range
// printRangeStart .. printRangeEnd overlaps (one year: the period that holds
// it strictly inside). In the range case printRangeStart moves to each
// printed period's map year.
void printTimeline(AppState& app, const BorderTable& borders, const HistoryTable& table,
                   const PeriodIndex& index, const LineStore& lines, const TerrainMap& terrain,
                   LabelTable& labels, DrawSurface* screen);

// The period list shared with the timeline print screen: entry i's text box
// (column i / 13, row 2 + i % 13) in screen pixels.
struct ListBox {
    int left, top, right, bottom;
};
ListBox periodListBox(const AppState& app, int entry);
