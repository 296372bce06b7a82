// Start-up and the main loop.
#include "shell/main_loop.h"

#include "map/border_table.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "shell/app_state.h"
#include "shell/controller.h"
#include "shell/frame_driver.h"
#include "shell/input.h"
#include "shell/startup.h"

namespace {

// The last activation state the window reported.
bool appActive = false;

} // namespace

bool startAtlas(AppState& app, ButtonTable& buttons, DisplayBackend backend)
{
    if (!createMainWindow(backend, "Veltmaren"))
        return false;
    const bool displayReady = setupDisplay(800, 600);
    setDefaults(app);
    setFontSizes(app);
    if (!displayReady) {
        releaseDisplay();
        return false;
    }
    frameTimer.startTimer();
    lastTick = 0;
    buildButtonTable(app, buttons);
    setup(app, borderTable, terrainMap);
    setScreen(app, buttons, kTitleScreen);
    return true;
}

bool dispatchEvent(AppState& app, ButtonTable& buttons, const InputEvent& event)
{
    bool quit = false;
    switch (event.kind) {
    case EventKind::key:
        quit = handleInput(app, buttons, kEventKey, event.key, 0, 0);
        break;
    case EventKind::click:
        quit = handleInput(app, buttons, kEventClick, 0, event.x, event.y);
        break;
    case EventKind::activate:
        appActive = event.active;
        break;
    case EventKind::quit:
        quit = true;
        break;
    default:
        break;
    }
    if (quit)
        releaseDisplay();
    return quit;
}

int mainLoop(AppState& app, ButtonTable& buttons)
{
    for (;;) {
        InputEvent event{};
        if (pollEvent(event)) {
            if (dispatchEvent(app, buttons, event))
                return 0;
            continue;
        }
        if (appActive) {
            frameStep(app, buttons, historyHeadingText);
            // The step interval paces the animation; a short rest between
            // idle frames keeps the loop from spinning a core for nothing.
            sleepMilliseconds(1);
        } else {
            waitEvent(event);
            if (event.kind == EventKind::none)
                return 0; // the display has gone
            if (dispatchEvent(app, buttons, event))
                return 0;
        }
    }
}
