// Status prompts that depend on state, and the interface text table.
#include <gtest/gtest.h>

#include "core/app_state.h"
#include "map/status_line.h"
#include "platform/surface.h"

TEST(StatusLine, RowsThatDependOnState)
{
    AppState app{};
    setDefaults(app);

    StatusLines running = statusLines(app, 202);
    EXPECT_STREQ(running.lower, "Use  <  for instant replay.");
    app.animationId = 11; // a group history plays: the box stays blank
    running = statusLines(app, 202);
    EXPECT_STREQ(running.upper, "");
    EXPECT_STREQ(running.lower, "");
    app.animationId = 10;
    EXPECT_STREQ(statusLines(app, 202).upper, "Select 1 2 5 or 10 to change animation speed.");

    EXPECT_STREQ(statusLines(app, 218).lower, "Use negative numbers for years BC.");
    app.eraLabels = 1;
    EXPECT_STREQ(statusLines(app, 218).lower, "Use negative numbers for years BCE.");
    EXPECT_STREQ(statusLines(app, 218).upper, "Type year (-3000 to 1000), then ENTER.");

    EXPECT_STREQ(statusLines(app, 209).upper, "Sending to printer.  May take a few seconds.");
    app.command = 42;
    EXPECT_STREQ(statusLines(app, 209).upper, "");
    EXPECT_STREQ(statusLines(app, 209).lower, "Sending to printer.");

    // One-line prompts and codes without a row.
    EXPECT_STREQ(statusLines(app, 219).upper, "");
    EXPECT_STREQ(statusLines(app, 205).lower, "");
    EXPECT_STREQ(statusLines(app, 217).lower, "");
    for (int code : {199, 208, 210, 213, 214, 216, 220, 0, -1}) {
        EXPECT_STREQ(statusLines(app, code).upper, "") << code;
        EXPECT_STREQ(statusLines(app, code).lower, "") << code;
    }
}

TEST(StatusLine, LanguageTableIds)
{
    EXPECT_STREQ(languageText("MAINOO12"), "4000 year map animation");
    EXPECT_EQ(languageText("MAIN0012"), nullptr) << "spelt with zeros it is not there";
    EXPECT_STREQ(languageText("MAINOO13"),
                 "History of Africa, Asia, and Europe from the earliest countries to the year 1000");
    EXPECT_STREQ(languageText("MAIN0011"), "Veltmaren");
    EXPECT_NE(languageText("MAIN0014"), nullptr);
    // Column 1 copies column 0 in the first six rows and is empty after.
    for (int i = 0; i < kLanguageRows; ++i) {
        if (i < 6)
            EXPECT_STREQ(languageTable[i].column1, languageTable[i].column0) << i;
        else
            EXPECT_STREQ(languageTable[i].column1, "") << i;
    }
}

TEST(StatusLine, LanguageListClicks)
{
    AppState app{};
    setDefaults(app);
    app.mapTop = 58; // rows of the list: 58, 82, 106, ... 24 apart
    DrawSurface* page = createSurface(800, 600);
    ASSERT_NE(page, nullptr);
    struct Click {
        int x, y;
        int listIndex, command, textLevel, eraLabels;
    };
    const Click clicks[] = {
        {100, 70, 3, 32, 111, 0},  {600, 70, 0, 32, 111, 0},   {383, 130, 2, 32, 111, 0},
        {384, 130, 1, 32, 111, 0}, {100, 106, -1, 0, 111, 0},  {100, 380, -1, 0, 101, 0},
        {100, 380, -1, 0, 111, 0}, {100, 400, -1, 0, 111, 1},  {100, 394, -1, 0, 111, 1},
        {100, 430, -1, 0, 111, 1}, {100, 358, -1, 0, 111, 1},
    };
    for (const Click& c : clicks) {
        app.command = 0;
        app.mouseX = c.x;
        app.mouseY = c.y;
        languageScreen(app, page, 3);
        EXPECT_EQ(app.listIndex, c.listIndex) << c.x << "," << c.y;
        EXPECT_EQ(app.command, c.command) << c.x << "," << c.y;
        EXPECT_EQ(app.textLevel, c.textLevel) << c.x << "," << c.y;
        EXPECT_EQ(app.eraLabels, c.eraLabels) << c.x << "," << c.y;
    }
    // Drawing alone changes nothing, and the list stands on its background.
    app.mouseX = 100;
    app.mouseY = 70;
    app.listIndex = 7;
    languageScreen(app, page, 1);
    EXPECT_EQ(app.listIndex, 7);
    EXPECT_EQ(readPixel(page, 5, 590), rgbTo565(makeRgb(153, 204, 153)));
    destroySurface(page);
}
