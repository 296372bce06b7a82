// The Mercator arithmetic and the map views.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/app_state.h"
#include "map/projection.h"
#include "tests/test_support.h"

namespace {

TEST(Projection, MercatorValuesAndTruncation)
{
    EXPECT_EQ(mercator(0), 0);
    EXPECT_EQ(mercator(5900), 12825);
    EXPECT_EQ(mercator(-2900), -5292);
    EXPECT_EQ(mercator(2900), 5292);
    EXPECT_NEAR(mercator(8500), 31313, 3);
    // Truncation toward zero, not down: a hundredth of a degree south is -1.
    EXPECT_EQ(mercator(1), 1);
    EXPECT_EQ(mercator(-1), -1);
    for (int lat = -8000; lat <= 8000; lat += 37)
        EXPECT_LE(std::abs(latitudeOf(mercator(lat)) - lat), 1) << lat;
    EXPECT_EQ(latitudeOf(0), 0);
}

TEST(Projection, WholeMapViewFields)
{
    AppState app = viewState(9);
    EXPECT_EQ(app.viewNorthY, 12825);
    EXPECT_EQ(app.viewSouthY, -5292);
    EXPECT_EQ(app.viewScaleY, 2991);
    EXPECT_EQ(app.viewWest, -1060);
    EXPECT_EQ(app.viewEast, 14260);
    EXPECT_EQ(app.viewScaleX, 5221);
    EXPECT_EQ(app.viewCenterX, 6600);
    EXPECT_EQ(app.viewUnitsPerPixel, 19);
    EXPECT_NEAR(app.viewNorthLat, 5900, 1);
    EXPECT_NEAR(app.viewSouthLat, -2900, 1);

    ScreenPoint corner = projectPoint(app, app.viewWest, app.viewSouthY);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 600);
    ScreenPoint top = projectPoint(app, app.viewEast, app.viewNorthY);
    EXPECT_NEAR(top.x, 800, 1);
    EXPECT_NEAR(top.y, 58, 1);
}

TEST(Projection, EveryViewIsCentredAndFillsTheMapArea)
{
    for (int id = 0; id < kMapViewCount; ++id) {
        AppState app = viewState(id);
        const MapView& view = mapViewTable[id];
        EXPECT_EQ(app.viewNorthY, mercator(view.northLat)) << id;
        EXPECT_EQ(app.viewSouthY, mercator(view.southLat)) << id;
        EXPECT_LE(std::abs((app.viewCenterX - app.viewWest) - (app.viewEast - app.viewCenterX)), 1) << id;
        EXPECT_EQ(projectPoint(app, app.viewWest, 0).x, 0) << id;
        EXPECT_EQ(projectPoint(app, 0, app.viewSouthY).y, 600) << id;
        EXPECT_NEAR(projectPoint(app, 0, app.viewNorthY).y, 58, 1) << id;
        // Equal scales on both axes at the equator (1.7453 Mercator units a
        // hundredth of a longitude degree).
        EXPECT_NEAR(app.viewScaleX / 1.7453, app.viewScaleY, app.viewScaleY * 0.002) << id;
    }
    // An id without a row of its own shows the whole map.
    EXPECT_EQ(viewState(10).viewCenterX, 6600);
}

TEST(Projection, HistoryWindowLeavesRoomForTheStrip)
{
    MapWindow record0 = {4000, 2800, 3500};
    AppState app{};
    setDefaults(app);
    app.mapTop = 58;
    app.animationId = 13;
    selectView(app, &record0);
    EXPECT_EQ(app.viewSouthY, mercator(2600));
    EXPECT_EQ(app.viewNorthY, mercator(4000));
    EXPECT_EQ(app.viewCenterX, 3500);

    // The sample entry (201) shows its window as stored.
    app.animationId = 201;
    selectView(app, &record0);
    EXPECT_EQ(app.viewSouthY, mercator(2800));
}

TEST(Projection, EditorViewSteps)
{
    AppState app = viewState(9);
    int scaleY = app.viewScaleY;
    ASSERT_TRUE(stepView(app, 60));
    EXPECT_EQ(app.viewNorthY, 12325);
    EXPECT_EQ(app.viewSouthY, -4792);
    EXPECT_GT(app.viewScaleY, scaleY);
    ASSERT_TRUE(stepView(app, 65));
    EXPECT_EQ(app.viewCenterX, 5800);
    ASSERT_TRUE(stepView(app, 63));
    EXPECT_EQ(app.viewNorthY, 11525);
    EXPECT_FALSE(stepView(app, 59));

    // Zooming out stops inside the Mercator range; zooming in never turns
    // the window inside out.
    for (int i = 0; i < 200; ++i)
        stepView(app, 61);
    EXPECT_LE(app.viewNorthY, 31318);
    EXPECT_GE(app.viewSouthY, -31318);
    for (int i = 0; i < 400; ++i)
        stepView(app, 60);
    EXPECT_GT(app.viewNorthY, app.viewSouthY);

    centerView(app, 1000, 2001);
    EXPECT_EQ(app.viewCenterX, 1500);
}

} // namespace
