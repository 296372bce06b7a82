// The Mercator map: the projection function, the fixed map views, and the
// mapping between stored points and screen pixels.
//
// Every map drawer (base map, nations, labels, terrain, printed map, editor)
// uses exactly this arithmetic so that all layers line up to the pixel. The
// constants are kept exactly as the atlas's data was made with; they are not
// the textbook values.
#pragma once

#include <array>
#include <cstdint>

struct AppState;

// One window of the screen map.
struct MapView {
    const char* name;       // as shown in the animations menu
    std::int32_t northLat;  // hundredths of a degree
    std::int32_t southLat;
    std::int32_t centerX;   // longitude of the centre, hundredths of a degree
};

inline constexpr int kMapViewCount = 10;
inline constexpr int kDefaultMapView = 9;
extern const std::array<MapView, kMapViewCount> mapViewTable;

// The window of a national group's history: the three numbers the first
// record of a history file holds, in hundredths of a degree. The caller that
// has a history loaded hands it to selectView; the map knows nothing else of
// histories.
struct MapWindow {
    std::int32_t northLat;
    std::int32_t southLat;
    std::int32_t centerX;
};

// A pixel position on a surface.
struct ScreenPoint {
    std::int32_t x;
    std::int32_t y;
};

// Mercator ordinate x 10000 of a latitude in hundredths of a degree,
// truncated toward zero; 0 for 0.
std::int32_t mercator(std::int32_t lat);

// Latitude in hundredths of a degree of a Mercator ordinate (x 10000),
// truncated toward zero. The inverse of mercator up to truncation.
std::int32_t latitudeOf(std::int32_t mercY);

// Sets the view fields of app for animationId: the MapView row for 0..9 (an
// id of 10 or below without a row shows the whole map, view 9); above 10
// historyWindow, the window of the loaded history, extended downward by a
// sixth below 200 to leave room for the history text strip. historyWindow may
// be null when no history is loaded: view 9 is used then.
void selectView(AppState& app, const MapWindow* historyWindow);

// Derives viewWest, viewEast, the scales, the edge latitudes and
// viewUnitsPerPixel from viewCenterX, viewNorthY, viewSouthY, the screen size
// and mapTop. Called by selectView and by every editor view step. The view
// must have viewNorthY > viewSouthY and mapTop < screenHeight.
void computeScale(AppState& app);

// Screen pixel of a stored point (longitude x, Mercator y) in the current
// view, with 32-bit products and truncation toward zero. Nothing is clipped.
ScreenPoint projectPoint(const AppState& app, std::int32_t x, std::int32_t mercY);

// The editor's view steps (commands 60..65): zoom in and out, move right,
// up, down and left; each is followed by computeScale. Other commands leave
// the view alone. Returns true when the command was a view step.
bool stepView(AppState& app, int command);

// Centres the view on the longitudes westX..eastX (a record's bounds),
// keeping the Mercator bounds, and recomputes the scales.
void centerView(AppState& app, std::int32_t westX, std::int32_t eastX);
