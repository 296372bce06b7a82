// The label passes: layout at the edges of the view, and the click test.
#include <gtest/gtest.h>

#include "content/nation_groups.h"
#include "map/labels.h"
#include "map/projection.h"
#include "shell/app_state.h"

namespace {

// The whole map on the 800 x 600 screen under a 58-pixel menu band.
AppState wholeMap()
{
    AppState app{};
    setDefaults(app);
    app.mapTop = 58;
    app.animationId = kDefaultMapView;
    selectView(app, nullptr);
    return app;
}

LabelRow label(int first, int end, int lon, int lat, int group)
{
    LabelRow row{};
    row.firstYear = static_cast<std::int16_t>(first);
    row.endYear = static_cast<std::int16_t>(end);
    row.detailLevel = 1;
    row.textPlace = 1;
    row.lon = static_cast<std::int16_t>(lon);
    row.lat = static_cast<std::int16_t>(lat);
    row.group = group;
    return row;
}

int runPass(AppState& app, LabelTable& labels, int mode)
{
    return mapLabels(app, historyTable, periodIndex, lineStore, nationGroupStart, labels, mode,
                     nullptr);
}

} // namespace

TEST(LabelLayout, WindowEdgesAndScreenPlaces)
{
    AppState app = wholeMap();
    // The whole map's limits in tenths: west -51, east 1419, south -248,
    // north 596 (2% margins, then fontSize4 = 24 added to each). The south
    // limit is -2724 / 10 = -272 truncated toward zero, not -273.
    LabelTable labels{};
    labels[0] = label(0, 10, -51, 0, 11);
    labels[1] = label(0, 10, -52, 0, 11);
    labels[2] = label(0, 10, 1419, 0, 11);
    labels[3] = label(0, 10, 1420, 0, 11);
    labels[4] = label(0, 10, 660, -248, 11);
    labels[5] = label(0, 10, 660, -249, 11);
    labels[6] = label(0, 10, 660, 596, 11);
    labels[7] = label(0, 10, 660, 597, 11);
    labels[8] = label(0, 10, 660, 0, 11);
    labels[9] = label(0, 10, 660, 0, 11);
    labels[9].screenX = 123;
    app.labelCount = 9;
    EXPECT_EQ(runPass(app, labels, kLabelLayout), 0);
    const bool inside[] = {true, false, true, false, true, false, true, false, true};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(labels[i].screenX != kLabelOutside, inside[i]) << "row " << i;
    // Longitude 66.0 E: (6600 + 1060) x 5221 / 100000 = 399.9, truncated.
    EXPECT_EQ(labels[8].screenX, 399);
    // The equator: 600 - trunc(5292 x 2991 / 100000) = 442, and the text's
    // top stands half a row (12) above it.
    EXPECT_EQ(labels[8].screenY, 430);
    // Rows from labelCount on are left alone.
    EXPECT_EQ(labels[9].screenX, 123);

    // A close view: Europe is 82 degrees wide, the same place of a label
    // lies elsewhere on the screen, and a label east of the window is out.
    app.animationId = 0;
    selectView(app, nullptr);
    labels[0] = label(0, 10, 260, 440, 11);
    labels[1] = label(0, 10, 900, 440, 11);
    app.labelCount = 2;
    runPass(app, labels, kLabelLayout);
    ScreenPoint point = projectPoint(app, 2600, mercator(4400));
    EXPECT_EQ(labels[0].screenX, point.x);
    EXPECT_EQ(labels[0].screenY, point.y - app.fontSize4 / 2);
    EXPECT_EQ(labels[1].screenX, kLabelOutside);
}

TEST(LabelHitTest, ClickBoxYearsAndFirstRowWins)
{
    AppState app = wholeMap();
    LabelTable labels{};
    labels[0] = label(-100, 100, -200, 0, 11); // outside the view, never hit
    labels[1] = label(-100, 100, 660, 0, 11);  // Egypt's history
    labels[2] = label(-100, 100, 660, 0, 70);  // behind it, never reached
    app.labelCount = 3;
    runPass(app, labels, kLabelLayout);
    const int x = labels[1].screenX, y = labels[1].screenY;
    const int hitWidth = 800 / 25, row = app.fontSize4;

    struct Click {
        int dx, dy, year;
        bool hit;
    };
    const Click clicks[] = {
        {0, 0, 0, true},
        {hitWidth - 1, 0, 0, true},     {hitWidth, 0, 0, false},
        {-(hitWidth - 1), 0, 0, true},  {-hitWidth, 0, 0, false},
        {0, row - 1, 0, true},          {0, row, 0, false},
        {0, -(row - 1), 0, true},       {0, -row, 0, false},
        {0, 0, -100, true},             {0, 0, -101, false},
        // The end year: no longer drawn, still clickable.
        {0, 0, 100, true},              {0, 0, 101, false},
    };
    for (const Click& click : clicks) {
        app.mouseX = x + click.dx;
        app.mouseY = y + click.dy;
        app.year = click.year;
        app.labelHit = kNoLabelHit;
        app.previousLabelHit = 5;
        int hitRow = runPass(app, labels, kLabelHitTest);
        SCOPED_TRACE(::testing::Message() << click.dx << "," << click.dy << " in " << click.year);
        if (click.hit) {
            EXPECT_EQ(hitRow, 1);
            EXPECT_EQ(app.labelHit, 11);
            EXPECT_EQ(app.previousLabelHit, kNoLabelHit);
        } else {
            EXPECT_EQ(hitRow, -1);
            EXPECT_EQ(app.labelHit, kNoLabelHit);
            EXPECT_EQ(app.previousLabelHit, 5);
        }
    }

    // The first name under the click decides even when its group has no
    // history: the click is then a miss, not a hit on the row behind.
    labels[1].group = 200;
    app.mouseX = x;
    app.mouseY = y;
    app.year = 0;
    app.labelHit = kNoLabelHit;
    EXPECT_EQ(runPass(app, labels, kLabelHitTest), -1);
    EXPECT_EQ(app.labelHit, kNoLabelHit);

    // A real name: Egypt in 1000 BC on the whole map opens Egypt's history.
    LabelTable atlas = labelTable;
    app.labelCount = kLabelRows - 1;
    runPass(app, atlas, kLabelLayout);
    app.mouseX = atlas[0].screenX;
    app.mouseY = atlas[0].screenY;
    app.year = -1000;
    app.labelHit = kNoLabelHit;
    EXPECT_EQ(runPass(app, atlas, kLabelHitTest), 0);
    EXPECT_EQ(app.labelHit, 11);
}
