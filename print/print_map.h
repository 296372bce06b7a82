// The map of one year drawn for paper: the paper counterparts of the screen
// renderer and the map labels, straight onto a printed page's drawing
// context in one pass.
//
// Everything is placed in frame coordinates: u along the map's horizontal
// (0 .. printMapWidth, west to east) and v along its vertical
// (0 .. printMapHeight, north to south). The half-page map stands upright at
// the top of the page; the full-page map lies turned a quarter turn, its
// north at the page's left edge and its west at the bottom. The page frame
// (printLeft .. printBottom, printMapWidth, printMapHeight, printSize) must
// have been computed by the print job first.
#pragma once

#include "core/history_table.h"
#include "map/border_table.h"
#include "map/label_table.h"
#include "map/terrain.h"
#include "platform/surface.h"

struct AppState;

// The print views: north and south latitude and centre longitude by map
// view id, framed for paper.
struct PrintView {
    int northLat;
    int southLat;
    int centerX;
};
inline constexpr int kPrintViewCount = 10;
extern const PrintView printViewTable[kPrintViewCount];

// The page position of frame position (u, v), not clamped.
PixelPoint framePoint(const AppState& app, int u, int v);

// The page position of a stored border point (longitude x, Mercator y) in
// the print view, clamped onto the frame: a polygon that reaches beyond the
// frame is squeezed onto its edge.
PixelPoint paperPoint(const AppState& app, int x, int mercY);

// Selects the print view of animationId (any id outside 0..9 takes the whole
// map, 9) and computes its scales into the print view fields.
void selectPrintView(AppState& app);

// A rectangle given in frame coordinates: 1-pixel outline in penColor,
// filled solid in brushColor (ColorIndex values).
void paperRect(DrawContext* page, const AppState& app, int ua, int va, int ub, int vb,
               int penColor, int brushColor);

// The passes in the order a page draws them. nations paints the records
// from start while their STARTYR <= year, the neutral land colour 170 in
// white; rivers sets firstNationRecord to the first record after them.
void paperSea(DrawContext* page, const AppState& app);
void paperLand(DrawContext* page, const AppState& app, const BorderTable& borders);
void paperNations(DrawContext* page, const AppState& app, const BorderTable& borders, int year,
                  int start);
void paperTerrain(DrawContext* page, const AppState& app, const TerrainMap& terrain);
void paperRivers(DrawContext* page, AppState& app, const BorderTable& borders);
void paperCoasts(DrawContext* page, const AppState& app, const BorderTable& borders);

// The names valid in printYear, with dots and a white halo; a name stays at
// least 50 years after its first year. Overwrites the rows' screen positions
// with frame positions (the next screen layout writes them again).
void paperLabels(DrawContext* page, const AppState& app, LabelTable& labels);

// The text of period entry listIndex (clamped) in two columns in a white
// panel at the foot of the map, era marks rewritten when eraLabels is 0.
// Sets selectedRecord and firstShownLine.
void paperPeriodText(DrawContext* page, AppState& app, const HistoryTable& table,
                     const PeriodIndex& index, const LineStore& lines);

// White masks over the margins around the frame, then its black outline.
void paperFrame(DrawContext* page, const AppState& app);
