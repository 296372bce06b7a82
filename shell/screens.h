// The screens and map passes of other subsystems, as the controller, the
// input routing and the frame driver call them.
//
// Each of these belongs to its own subsystem (map labels, timelines, the
// animations menu, the information and period screens, histories, printing,
// the border editor). They are reached through this one seam so that the
// shell needs no knowledge of their tables; screens.cpp forwards each call
// to the subsystem that draws it. A screen that is not part of the atlas
// yet draws nothing and changes nothing here, and the shell around it
// (screen changes, buttons, status, flips) works all the same.
#pragma once

struct AppState;
struct DrawSurface;

namespace screens {

// Rebuilds the base map of the view of animationId over the program's border
// and terrain tables, giving the map the loaded history's window.
void rebuildMap(AppState& app);

// Map labels: mode 850 draws the labels of year and the place markers of
// selectedRecord, 851 those of the entry before it, -3001 lays them out.
void mapLabels(AppState& app, int mode, DrawSurface* surface);

// The label hit test of a click on the map: on a hit sets labelHit to the
// group id, loads that group's history and sets command 26.
void labelClick(AppState& app);

// Draw-and-click screens: mode 1 draws, 3 also takes the last click.
void groupMenu(AppState& app, int mode, DrawSurface* surface);
void yearPanel(AppState& app, int mode, DrawSurface* surface);
void periodChooser(AppState& app, int mode, DrawSurface* surface);
void infoScreen(AppState& app, int mode, DrawSurface* surface);
void printOptions(AppState& app, int mode, DrawSurface* surface);

// Histories: load by history name ("GLOBAL", "InfoFull") or by the id of a
// national group's menu entry. A history that cannot be had loads nothing.
void loadHistory(AppState& app, const char* name);
void loadGroupHistory(AppState& app, int groupId);

// One entry of the loaded history's period list, or false when there is
// none (no history loaded, an empty place in the list).
struct PeriodEntry {
    int record;    // HistoryTable record of the entry
    int firstLine; // first text line of the record
    int lineCount; // text lines of the record
    int startYear;
    int endYear;
    int kind;      // 40 a period, 41..59 a topic with a picture
};
bool periodEntry(const AppState& app, int index, PeriodEntry& entry);
bool historyRecord(const AppState& app, int record, PeriodEntry& entry);

// Shows entry listIndex on the map (mode 1 a period, 4 a topic); the
// nation's history page (mode 1 or 2); the heading (mode 376 alone) into
// the 40-byte heading text; the ten-line text strip (mode 1).
void showHistoryEntry(AppState& app, int mode);
void historyPage(AppState& app, int mode, DrawSurface* surface);
void historyHeading(AppState& app, int mode, char* headingText, DrawSurface* surface);
void historyTextStrip(AppState& app, int mode, DrawSurface* surface);

// The information text: entry listIndex of the loaded "InfoFull" on its
// own page (not on the map: the map year and the player stay as they are).
void infoTextPage(AppState& app, DrawSurface* surface);

// The nation search takes every key on the animations menu.
void nationSearchKey(AppState& app, int key);

// Printing: the print job for history name; it sets printStatus.
void printJob(AppState& app, const char* name);

// The border editor: its command control, its map clicks, its number entry
// and its two file writers.
void controlEdit(AppState& app);
void editorMapClick(AppState& app);
void editorKey(AppState& app, int key);
void exportHeaders(AppState& app);
void convertBorders(AppState& app);

} // namespace screens
