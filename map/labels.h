// The names on the map: laying out the label table for a view, drawing the
// labels of a year with their dots and trails, recognising a click on a
// name, and the history place markers shown during a national group's
// animation.
//
// One operation with a mode serves the three passes over the table:
//   kLabelLayout (-3001)  screen positions for the current view (no surface);
//                         run when the base map is rebuilt and after a view
//                         change.
//   kLabelDraw (850)      the labels of `year` on the surface, then the place
//                         markers of history entry selectedRecord.
//   kLabelDrawPrevious (851) the same with the markers of the entry before
//                         selectedRecord (not below 0).
//   kLabelHitTest (3)     the name under the last click (mouseX, mouseY).
//
// This is the one map pass that draws history content: the place markers
// read the loaded history's records, and the hit test checks a label's group
// against the national-group table. Both tables are shared ones from core/,
// so the map still includes nothing of the content subsystem.
#pragma once

#include "core/history_table.h"
#include "core/nation_groups.h"
#include "map/label_table.h"

struct AppState;
struct DrawSurface;

inline constexpr int kLabelLayout = -3001;
inline constexpr int kLabelDraw = 850;
inline constexpr int kLabelDrawPrevious = 851;
inline constexpr int kLabelHitTest = 3;

// Modes of the history place marker.
inline constexpr int kMarkerTopic = 4; // a topic: marker, ring and leader line
inline constexpr int kMarkerPlace = 5; // one place named by a period

// labelHit before a hit test; a value still -199 afterwards means no name was hit.
inline constexpr int kNoLabelHit = -199;

// Runs one pass over the first app.labelCount rows of labels.
// - Layout: writes each row's screenX and screenY from the view fields of
//   app; a row outside the view gets screenX -9999. Returns 0.
// - Draw: draws on surface, which must be backBuffer after composeMap (or
//   any surface of the screen's size). Returns 0, or -1 when no drawing
//   context could be had (the place markers are still attempted).
// - Hit test: the caller has set labelHit to -199. On the first row under
//   the click whose group is in groups, previousLabelHit takes labelHit and
//   labelHit the group id; the caller then opens that group's history.
//   Returns the row hit, or -1.
// Rows keep the positions of the last layout; the draw pass and the hit test
// do not check the view. Any other mode does nothing and returns 0.
int mapLabels(AppState& app, const HistoryTable& history, const PeriodIndex& periods,
              const LineStore& lines, const NationGroupTable& groups, LabelTable& labels,
              int mode, DrawSurface* surface);

// Draws record of the loaded history as a place marker on surface: mode 5
// one place of a period (the record's own point), mode 4 the marker of a
// topic (the point of the record its beliefRef names, with a ring and a
// leader line toward its label). record must be below kHistoryRecords.
// Returns 0, or -1 when no drawing context could be had.
int historyPlaceMarker(AppState& app, const HistoryTable& history, int record, int mode,
                       DrawSurface* surface);
