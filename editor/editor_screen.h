// Drawing the three editor screens: the map of the view with its degree
// grid, the picked and the work record, the button bar and the panel of
// each screen.
#pragma once

#include "editor/edit_list.h"
#include "map/border_table.h"
#include "shell/buttons.h"

struct AppState;
struct DrawSurface;

// The editor screens (values of screenMode).
inline constexpr int kEditMapRecordScreen = 21;
inline constexpr int kEditSaveLabelsScreen = 22;
inline constexpr int kEditPointsScreen = 23;

// Button rows the editor names.
inline constexpr int kButtonMapRecord = 41;
inline constexpr int kButtonSaveLabels = 42;
inline constexpr int kButtonEditPoints = 43;

// Lines of whole degrees over the map area: longitudes west to east,
// latitudes north to south; tens in ColorIndex 212, fives in 213, the rest
// in 214.
void degreeGrid(const AppState& app, DrawSurface* surface);

// The record list of the Map/Record screen at editListPage, with the
// filter row, the page choices and the selected row in ColorIndex 210.
void listPanel(AppState& app, const EditList& list, DrawSurface* surface);

// The header fields of the work record (ColorIndex 210) beside those of
// table slot editRecordIndex (175), in the blank space of the field
// buttons of the Save/Labels screen.
void fieldValuesPanel(AppState& app, const BorderTable& table, DrawSurface* surface);

// Draws the editor screen of screenMode into surface: map, grid, records,
// buttons and the screen's own panel (the Map/Record screen rebuilds the
// list first). The caller presents it.
void drawEditorScreen(AppState& app, const BorderTable& table, const ButtonTable& buttons,
                      EditList& list, DrawSurface* surface);
