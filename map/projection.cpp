// Mercator arithmetic and the screen map's views.
#include "map/projection.h"

#include <cmath>

#include "core/app_state.h"

const std::array<MapView, kMapViewCount> mapViewTable = {{
    {"Europe", 6300, 2500, 2600},
    {"West Europe", 5700, 3300, 1430},
    {"East Europe", 5600, 3400, 3100},
    {"Africa", 3820, -2300, 2740},
    {"North Africa", 4150, -8, 1545},
    {"Middle East", 4800, 1200, 4310},
    {"Asia", 5510, -1100, 8390},
    {"West Asia", 4950, 384, 6575},
    {"East Asia", 4950, 320, 10215},
    {"Eurasia/Africa", 5900, -2900, 6600},
}};

namespace {

// Zoom Out may not push the window beyond the Mercator range of the data.
inline constexpr std::int32_t kMercatorLimit = 31318;

} // namespace

std::int32_t mercator(std::int32_t lat)
{
    if (lat == 0)
        return 0;
    double radians = (lat * 0.01 * 0.5 + 45.0) * 0.01745329267623711;
    return static_cast<std::int32_t>(std::log(std::tan(radians)) * 10000.0);
}

std::int32_t latitudeOf(std::int32_t mercY)
{
    double angle = std::atan(std::exp(mercY * 0.0001)) - 0.78540000727804;
    return static_cast<std::int32_t>(angle * 2 * 57.295645 * 100);
}

void selectView(AppState& app, const MapWindow* historyWindow)
{
    std::int32_t north;
    std::int32_t south;
    std::int32_t center;
    if (app.animationId <= 10 || historyWindow == nullptr) {
        // Region animation 10 and any id without a history of its own show
        // the whole map.
        int id = app.animationId;
        if (id < 0 || id >= kMapViewCount)
            id = kDefaultMapView;
        north = mapViewTable[id].northLat;
        south = mapViewTable[id].southLat;
        center = mapViewTable[id].centerX;
    } else {
        north = historyWindow->northLat;
        south = historyWindow->southLat;
        center = historyWindow->centerX;
    }
    if (app.animationId > 10 && app.animationId < 200 && historyWindow != nullptr)
        south -= (north - south) / 6; // room for the history text strip

    app.viewCenterX = center;
    app.viewNorthLat = north;
    app.viewSouthLat = south;
    app.viewNorthY = mercator(north);
    app.viewSouthY = mercator(south);
    computeScale(app);
}

void computeScale(AppState& app)
{
    double mapHeight = app.screenHeight - app.mapTop;
    double span = static_cast<double>(app.viewNorthY) - app.viewSouthY;
    if (mapHeight <= 0 || span <= 0)
        return; // a degenerate window keeps the last good scales
    app.viewScaleY = static_cast<std::int32_t>(mapHeight / span * 100000);
    double half = span / (1.7453 / (app.screenWidth / mapHeight)) * 0.5;
    double east = app.viewCenterX + half;
    double west = app.viewCenterX - half;
    app.viewEast = static_cast<std::int32_t>(east);
    app.viewWest = static_cast<std::int32_t>(west);
    double width = east - west;
    app.viewScaleX = static_cast<std::int32_t>(app.screenWidth / width * 100000);
    app.viewNorthLat = latitudeOf(app.viewNorthY);
    app.viewSouthLat = latitudeOf(app.viewSouthY);
    app.viewUnitsPerPixel = static_cast<std::int32_t>(width / app.screenWidth);
}

ScreenPoint projectPoint(const AppState& app, std::int32_t x, std::int32_t mercY)
{
    // Widened so that a point far outside a zoomed editor view cannot
    // overflow; wherever the 32-bit product fits, the result is the same.
    std::int32_t sx = static_cast<std::int32_t>(
        static_cast<std::int64_t>(x - app.viewWest) * app.viewScaleX / 100000);
    std::int32_t sy = app.screenHeight - static_cast<std::int32_t>(
        static_cast<std::int64_t>(mercY - app.viewSouthY) * app.viewScaleY / 100000);
    return {sx, sy};
}

bool stepView(AppState& app, int command)
{
    switch (command) {
    case 60: // Zoom In
        if (app.viewNorthY - app.viewSouthY <= 1000)
            return true; // the window would turn inside out
        app.viewSouthY += 500;
        app.viewNorthY -= 500;
        break;
    case 61: // Zoom Out
        if (app.viewSouthY - 500 < -kMercatorLimit || app.viewNorthY + 500 > kMercatorLimit)
            return true;
        app.viewSouthY -= 500;
        app.viewNorthY += 500;
        break;
    case 62: app.viewCenterX += 800; break; // Move Right
    case 63: // Move Up
        app.viewSouthY -= 800;
        app.viewNorthY -= 800;
        break;
    case 64: // Move Down
        app.viewSouthY += 800;
        app.viewNorthY += 800;
        break;
    case 65: app.viewCenterX -= 800; break; // Move Left
    default: return false;
    }
    computeScale(app);
    return true;
}

void centerView(AppState& app, std::int32_t westX, std::int32_t eastX)
{
    app.viewCenterX = westX + (eastX - westX) / 2;
    computeScale(app);
}
