// The atlas program: start-up, the window's events, and the main loop.
//
// Start-up creates the full-screen window and the display surfaces, gives
// the state its start values, starts the frame timer, loads the data and
// enters the main loop. The loop takes the window's events; while none waits
// and the program is the active application it runs one frame, otherwise it
// sleeps until the next event.
#include "map/border_table.h"
#include "map/renderer.h"
#include "map/terrain.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "shell/app_state.h"
#include "shell/display_loop.h"
#include "shell/startup.h"

namespace {

AppState appState;

// ---------------------------------------------------------------------------
// Stand-ins until the input routing and the frame driver are merged: the
// map of one year in the whole-map view, and Escape to quit. Replaced by
// handleInput, buildButtonTable and frameStep.

inline constexpr int kStandInMenuBandHeight = 58; // what the button table gives at 800 x 600
inline constexpr int kStandInView = 9;
inline constexpr int kStandInYear = 1;

void standInButtonTable(AppState& app)
{
    app.mapTop = kStandInMenuBandHeight;
}

// True when the input asks the program to end.
bool standInHandleInput(AppState& app, const InputEvent& event)
{
    (void)app;
    return event.kind == EventKind::key && event.key == 27;
}

void standInFrameStep(AppState& app)
{
    if (displayLost())
        restoreSurfaces();
    if (app.year != -3001 && surfacesRestored == 0) {
        sleepMilliseconds(1); // nothing changes on this screen
        return;
    }
    surfacesRestored = 0;
    app.animationId = kStandInView;
    app.year = kStandInYear;
    rebuildBaseMap(app, borderTable, terrainMap, overlayLayer, mapLayer);
    paintNations(app, borderTable, app.year, app.firstNationRecord, mapLayer);
    composeMap(app, backBuffer, overlayLayer, mapLayer);
    flipScreen(app);
}

// ---------------------------------------------------------------------------

// What destroying the window does: release the display and ask the loop to
// end with exit code 0.
void destroyWindow(AppState& app)
{
    if (app.softwareCursor == 1)
        showSystemPointer(true);
    releaseDisplay();
    postEvent({EventKind::quit, 0, 0, 0, false});
}

// One window event, as the window procedure handles it.
void windowEvent(AppState& app, const InputEvent& event)
{
    switch (event.kind) {
    case EventKind::activate:
        appActive = event.active ? 1 : 0;
        break;
    case EventKind::key:
    case EventKind::click:
        if (standInHandleInput(app, event))
            destroyWindow(app);
        break;
    case EventKind::mouseMove:
        if (app.softwareCursor == 1 && primarySurface != nullptr) {
            drawPointer(app, event.x, event.y, primarySurface);
        }
        break;
    case EventKind::none:
    case EventKind::quit:
        break;
    }
}

// Runs until the quit event; returns its exit code.
int mainLoop(AppState& app)
{
    for (;;) {
        InputEvent event{};
        bool waiting = pollEvent(event);
        if (!waiting && appActive == 0) {
            waitEvent(event);
            waiting = event.kind != EventKind::none;
        }
        if (waiting) {
            if (event.kind == EventKind::quit) {
                // The close box ends the program like Escape does.
                if (primarySurface != nullptr)
                    releaseDisplay();
                return 0;
            }
            windowEvent(app, event);
            continue;
        }
        standInFrameStep(app);
    }
}

} // namespace

int main()
{
    if (!createMainWindow(DisplayBackend::window, "Veltmaren"))
        return 0;
    showSystemPointer(true);
    bool displayReady = setupDisplay(800, 600);
    setDefaults(appState);
    setFontSizes(appState);
    if (!displayReady) {
        releaseDisplay();
        return 0;
    }
    frameTimer.start();
    standInButtonTable(appState);
    setup(appState, borderTable, terrainMap);
    return mainLoop(appState);
}
