// The map renderer: the map of one year in one view, drawn on the two
// off-screen layers and composed into the back buffer.
//
// overlayLayer holds the base map of the view: sea, land in the transparent
// key colour, terrain relief and rivers. mapLayer holds the nations: the
// colour of land no nation holds, with every nation record up to the year
// painted over it in file order. composeMap copies mapLayer and then the
// keyed overlayLayer, so nations never need to follow coastlines: the sea of
// the overlay covers whatever spills over it.
//
// To show year Y in a new view: rebuildBaseMap, paintNations from
// firstNationRecord, composeMap, then labels and the screen's overlays. To
// step an animation forward: paintNations from nextRecord. To go back in
// time: paintNations from firstNationRecord, which clears first.
//
// The passes that draw return 0, or -1 when the layer's drawing context could
// not be had (then nothing was drawn and the indices are as each pass says).
#pragma once

#include "map/border_table.h"
#include "map/projection.h"
#include "map/terrain.h"

struct AppState;
struct DrawSurface;

// Rebuilds everything that depends on the view only: selects the view of
// animationId (historyWindow: the loaded history's window, or null), lays
// out the labels for it, clears the map layer, then draws sea, land, terrain
// and rivers on the overlay. Sets firstNationRecord.
void rebuildBaseMap(AppState& app, const BorderTable& borders, const TerrainMap& terrain,
                    const MapWindow* historyWindow, DrawSurface* overlay, DrawSurface* map);

// The label layout for the view just selected. Called by rebuildBaseMap
// between selecting the view and drawing; the map labels provide it.
void layoutLabelsForView(AppState& app);

// Paints the nation records from startIndex while their STARTYR <= year and
// sets nextRecord to the first record not painted. A start at
// firstNationRecord clears the layer first. Without a drawing context
// nextRecord stays at startIndex so that the next frame repaints from there.
int paintNations(AppState& app, const BorderTable& borders, int year, int startIndex,
                 DrawSurface* map);

// Fills the map area with the sea: flat RGB(0, 0, 153) on a 16-bit display,
// else a gradient from bright blue at the top to darker at the foot.
int paintSea(const AppState& app, DrawSurface* overlay);

// Fills every land outline in the land colour (the key colour, black while
// the editor is active). Sets nextRecord to the first record after the land
// outlines, or 0 without a drawing context.
int paintLand(AppState& app, const BorderTable& borders, DrawSurface* overlay);

// Draws the relief raster inside the view as brown dots where the relief
// level steps by 4 or more, and land-coloured dots where it is flat, with
// more dots per cell in narrower views.
int paintTerrain(const AppState& app, const TerrainMap& terrain, DrawSurface* overlay);

// Draws every river as a blue polyline and sets firstNationRecord and
// nextRecord to the first record after the rivers (both 0 without a drawing
// context).
int paintRivers(AppState& app, const BorderTable& borders, DrawSurface* overlay);

// Fills the map area (0, mapTop)..(screenWidth, screenHeight) solid in the
// colour: 170 for land that no nation holds, 215 when a screen clears.
int clearMapLayer(const AppState& app, int colorIndex, DrawSurface* layer);

// Copies the map area of base into destination, then the map area of overlay
// with its key colour left out. The menu band above mapTop is not touched.
void composeMap(const AppState& app, DrawSurface* destination, DrawSurface* overlay,
                DrawSurface* base);

// The border editor's view of one record: its outline (colour 12 for the
// work record, 175 otherwise), 3 x 3 marks on its points (the first two
// green, the last two dark red, the rest white) and rings around the
// selected points (anchorPoint of the work record; copyFromPoint and
// copyToPoint of others).
int drawEditedRecord(const AppState& app, const BorderTable& borders, int recordIndex,
                     DrawSurface* surface);
