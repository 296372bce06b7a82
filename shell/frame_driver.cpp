// The frame driver: display loss, the animation player, the title screen.
#include "shell/frame_driver.h"

#include "content/pictures.h"
#include "core/app_state.h"
#include "map/border_table.h"
#include "map/draw.h"
#include "map/renderer.h"
#include "map/status_line.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/controller.h"
#include "shell/screens.h"

char historyHeadingText[40];

namespace {

constexpr int kTitleBandColor = 215;

// One layer of a title line: x offset from the centre, y, ColorIndex.
struct TitleLayer {
    int dx, y, color;
};

void titleLine(AppState& app, const char* id, int height, const TitleLayer* layers, int count,
               DrawSurface* surface)
{
    const char* text = languageText(id);
    if (text == nullptr)
        return;
    const int centre = static_cast<int>(0.5 * app.screenWidth);
    for (int i = 0; i < count; ++i)
        textOut(app, text, centre + layers[i].dx, layers[i].y, height, 8, layers[i].color, 0,
                surface);
}

// The title band with the four title lines, the band, year 200 and the
// prompt, over the map already composed into backBuffer.
void titleDress(AppState& app, ButtonTable& buttons)
{
    const int b = app.fontSize3 + static_cast<int>(0.75 * app.screenHeight);
    paintRect(0, b, app.screenWidth, app.screenHeight, kTitleBandColor, 10, backBuffer);
    const int q = app.fontSize2 / 4;
    const int r = static_cast<int>(0.85 * app.fontSize8);
    const TitleLayer name[] = {{-6, b + q + 4, 213}, {-3, b + q + 2, 212}, {0, b + q, 131}};
    const TitleLayer tagline[] = {
        {-4, b + q + r + 2, 213}, {-2, b + q + r + 1, 212}, {0, b + q + r, 131}};
    const TitleLayer subject[] = {{-2, b + static_cast<int>(3.8 * app.fontSize3), 131}};
    const TitleLayer notice[] = {{0, b + static_cast<int>(4.8 * app.fontSize3), 131}};
    titleLine(app, "MAIN0011", app.fontSize8, name, 3, backBuffer);
    titleLine(app, "MAINOO12", app.fontSize6, tagline, 3, backBuffer);
    titleLine(app, "MAINOO13", app.fontSize3, subject, 1, backBuffer);
    titleLine(app, "MAIN0014", app.fontSize3, notice, 1, backBuffer);

    drawButtons(app, buttons, backBuffer);
    yearReadout(app, buttons, 200, backBuffer);
    statusLine(app, 200, backBuffer);
    flipScreen(app);
}

// The title screen, drawn once into each buffer: the map of 200 under the
// title band.
void drawTitle(AppState& app, ButtonTable& buttons)
{
    app.year = 200;
    screens::rebuildMap(app);
    paintNations(app, borderTable, 200, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    screens::mapLabels(app, 850, backBuffer);
    titleDress(app, buttons);

    paintNations(app, borderTable, 200, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    screens::mapLabels(app, 850, backBuffer);
    screens::mapLabels(app, 851, backBuffer);
    titleDress(app, buttons);
}

// The next picture of the title's slide show. A picture that is missing
// draws nothing and the title stays as it was.
void nextTitlePicture(AppState& app, ButtonTable& buttons)
{
    char path[32];
    if (picturePath(app.titlePicture, path)) {
        loadPicture(titlePictureHolder, path);
        (void)drawPictureBand(titlePictureHolder, app, app.mapTop,
                              app.screenHeight - 6 * app.fontSize3, backBuffer);
    }
    drawButtons(app, buttons, backBuffer);
    yearReadout(app, buttons, app.year, backBuffer);
    statusLine(app, 200, backBuffer);
    flipScreen(app);
    // The last name of the table is never shown here.
    ++app.titlePicture;
    if (app.titlePicture >= pictureTable.count - 1)
        app.titlePicture = 0;
}

// The End sign, Run and ">" over the band and the year 1000, drawn on the
// buffer on show.
void showAnimationEnd(AppState& app, ButtonTable& buttons)
{
    drawButton(app, buttons, kButtonEndSign, 215, primarySurface);
    drawButton(app, buttons, kButtonRun, 114, primarySurface);
    drawButton(app, buttons, kButtonStepForward, 114, primarySurface);
    yearReadout(app, buttons, 1000, primarySurface);
}

} // namespace

void animationStep(AppState& app, ButtonTable& buttons, char* headingText)
{
    // The map of the year reached so far; only records not yet painted.
    paintNations(app, borderTable, app.year, app.nextRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    screens::mapLabels(app, 850, backBuffer);
    drawButtons(app, buttons, backBuffer);
    statusLine(app, 202, backBuffer);

    const bool region = app.animationId <= 10;
    if (region) {
        if (app.yearStep == 0)
            app.yearStep = 2;
        // The next multiple of the step; the division truncates toward zero.
        app.year = (app.year / app.yearStep + 1) * app.yearStep;
    } else {
        const int step = app.historyYearStep != 0 ? app.historyYearStep : 1;
        app.year = (app.year / step + 1) * step;
        screens::PeriodEntry record{};
        if (screens::historyRecord(app, app.selectedRecord, record))
            app.historyEndYear = (record.endYear / step - 1) * step;
        screens::historyHeading(app, 1, headingText, backBuffer);
        screens::mapLabels(app, 850, backBuffer);
        screens::historyTextStrip(app, 1, backBuffer);
        drawButton(app, buttons, kButtonHeadingBox, 114, backBuffer);
        textOut(app, headingText,
                app.headingRight + static_cast<int>(0.068 * app.screenWidth), 0, app.fontSize3,
                8, 210, 0, backBuffer);
        if (app.year > app.historyEndYear) {
            app.playing = 0;
            app.year = app.historyEndYear;
        }
    }
    yearReadout(app, buttons, app.year, backBuffer);
    flipScreen(app);

    if (app.year > 1000) {
        app.year = 1000;
        app.playing = 0;
        if (region)
            setScreen(app, buttons, kRegionMap);
        // Drawn on the buffer on show, then again after the flip, so that
        // both buffers keep the end of the animation.
        showAnimationEnd(app, buttons);
        flipScreen(app);
        showAnimationEnd(app, buttons);
        presentFront();
    }
}

void frameStep(AppState& app, ButtonTable& buttons, char* headingText)
{
    if (displayLost())
        (void)restoreSurfaces();
    if (surfacesRestored == 1) {
        // Draw again the screen that was showing, through Back.
        surfacesRestored = 0;
        app.playing = 0;
        setScreen(app, buttons, kRedrawScreen);
        app.command = kCommandBack;
        if (app.editorActive == 1)
            screens::controlEdit(app);
        else
            controller(app, buttons);
    }
    if (app.playing == 1 && intervalElapsed(frameTimer, lastTick, kAnimationStepMs))
        animationStep(app, buttons, headingText);

    if (app.screenMode != kTitleScreen)
        return;
    app.playing = 0;
    if (app.year == -3001)
        drawTitle(app, buttons);
    if (intervalElapsed(frameTimer, lastTick, kTitlePictureMs))
        nextTitlePicture(app, buttons);
}
