// The animations and histories menu: the reader's index of what the atlas
// can show. Its upper part lists the region animations, its lower part the
// whole-map history and the national groups, all from the NationGroupTable
// in its fixed order: four columns of 19 lines, row i in column i / 19 on
// line i % 19. The first six lines of each column (the animation part) stand
// half a column to the right of the lines below them.
#pragma once

#include "core/nation_groups.h"

struct AppState;
struct DrawSurface;

// Modes of groupMenu besides 1 (draw) and 3 (draw, then take the click).
inline constexpr int kMenuWithoutStatus = 378; // draw without the status prompt (the search)

// Lines of a column, and the lines of the animation part at its top.
inline constexpr int kMenuLines = 19;
inline constexpr int kMenuAnimationLines = 6;

// Draws the menu over the map area of surface: the two heading boxes, every
// entry (in white when its highlight word is set), and without the history
// texts (fullContent 0) the shading over the national groups with its note.
// Mode 1 and 3 also show status 203. Mode 3 then takes the click at
// (mouseX, mouseY): the entry under it is redrawn in white, animationId set
// to its id and the command that shows it set (24 a region's map, or 20 to
// choose a year first when none was chosen; 22 a history's periods; 24 for
// any entry while screenMode is 20). A shaded national group sets
// animationId only; a blank line, or a click above the first line or left
// of the first column, nothing. The controller runs the command afterwards.
void groupMenu(AppState& app, NationGroupTable& groups, int mode, DrawSurface* surface);

// The row index of the entry a click at (x, y) lands on, or -1 above the
// first line or left of the first column. Lines below a column's last one
// count on into the next column; an index past the table is its last row.
int groupMenuRow(const AppState& app, int x, int y);
