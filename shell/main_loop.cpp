// Start-up, and the input entry and frame function of the main loop.
#include "shell/main_loop.h"

#include "core/app_state.h"
#include "map/border_table.h"
#include "map/messages.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "shell/controller.h"
#include "shell/display_loop.h"
#include "shell/frame_driver.h"
#include "shell/input.h"
#include "shell/startup.h"

bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend)
{
    if (!createMainWindow(backend, "Veltmaren"))
        return false;
    showSystemPointer(true);
    (void)setWindowIcon("icons\\veltmaren-128.png"); // without it the desktop's default

    const bool displayReady = setupDisplay(800, 600);
    setDefaults(app);
    setFontSizes(app);
    if (!displayReady) {
        releaseDisplay();
        return false;
    }
    setMessagePresenter(flipScreen); // keeps the drawn pointer over messages
    frameTimer.start();
    lastTick = 0;
    surfacesRestored = 0; // a fresh display has nothing to redraw
    buildButtonTable(app, buttons);
    setup(app, borderTable, terrainMap);
    setScreen(app, buttons, kTitleScreen);
    return true;
}

bool atlasInput(AppState& app, const InputEvent& event)
{
    if (event.kind == EventKind::key)
        return handleInput(app, buttonTable, kEventKey, event.key, 0, 0);
    if (event.kind == EventKind::click)
        return handleInput(app, buttonTable, kEventClick, 0, event.x, event.y);
    return false;
}

void atlasFrame(AppState& app)
{
    frameStep(app, buttonTable, historyHeadingText);
    // The step interval alone paces the animation.
    sleepMilliseconds(1);
}
