// Start-up, the window procedure and the main loop.
#include "shell/main_loop.h"

#include "map/border_table.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "shell/app_state.h"
#include "shell/controller.h"
#include "shell/display_loop.h"
#include "shell/frame_driver.h"
#include "shell/input.h"
#include "shell/startup.h"

namespace {

// What destroying the window does: the drawn pointer gives way to the
// system's again and the display is released.
void destroyWindow(AppState& app)
{
    if (app.softwareCursor == 1)
        showSystemPointer(true);
    releaseDisplay();
}

} // namespace

bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend)
{
    if (!createMainWindow(backend, "Veltmaren"))
        return false;
    showSystemPointer(true);
    const bool displayReady = setupDisplay(800, 600);
    setDefaults(app);
    setFontSizes(app);
    if (!displayReady) {
        releaseDisplay();
        return false;
    }
    frameTimer.start();
    lastTick = 0;
    surfacesRestored = 0; // a fresh display has nothing to redraw
    buildButtonTable(app, buttons);
    setup(app, borderTable, terrainMap);
    setScreen(app, buttons, kTitleScreen);
    return true;
}

bool windowEvent(AppState& app, ButtonTable& buttons, const InputEvent& event)
{
    bool ended = false;
    switch (event.kind) {
    case EventKind::activate:
        appActive = event.active ? 1 : 0;
        break;
    case EventKind::key:
        ended = handleInput(app, buttons, kEventKey, event.key, 0, 0);
        break;
    case EventKind::click:
        ended = handleInput(app, buttons, kEventClick, 0, event.x, event.y);
        break;
    case EventKind::mouseMove:
        if (app.softwareCursor == 1 && primarySurface != nullptr)
            drawPointer(app, event.x, event.y, primarySurface);
        break;
    case EventKind::quit: // the window was closed from outside
        ended = true;
        break;
    case EventKind::none:
        break;
    }
    if (ended)
        destroyWindow(app);
    return ended;
}

int mainLoop(AppState& app, ButtonTable& buttons)
{
    for (;;) {
        InputEvent event{};
        bool waiting = pollEvent(event);
        if (!waiting && appActive == 0) {
            waitEvent(event);
            if (event.kind == EventKind::none)
                return 0; // nothing will ever arrive: the display is gone
            waiting = true;
        }
        if (waiting) {
            if (windowEvent(app, buttons, event))
                return 0;
            continue;
        }
        frameStep(app, buttons, historyHeadingText);
        // The step interval paces the animation; a short rest between idle
        // frames keeps the loop from spinning a core for nothing.
        sleepMilliseconds(1);
    }
}
