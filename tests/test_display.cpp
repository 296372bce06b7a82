// The headless display, the frame timer's intervals and the drawn pointer.
#include <gtest/gtest.h>

#include "core/app_state.h"
#include "map/draw.h"
#include "map/palette.h"
#include "map/renderer.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/display_loop.h"
#include "tests/map_fixture.h"

namespace {

// A timer whose elapsed time the test sets.
class SteppedTimer : public FrameTimer {
public:
    std::int32_t now = 0;
    std::int32_t elapsed() const override { return now; }
};

TEST(FrameTimer, IntervalsPassOncePerInterval)
{
    SteppedTimer timer;
    std::int32_t tick = 0;
    timer.now = 399;
    EXPECT_FALSE(intervalElapsed(timer, tick, 400));
    EXPECT_EQ(tick, 0);
    timer.now = 450;
    EXPECT_TRUE(intervalElapsed(timer, tick, 400));
    EXPECT_EQ(tick, 450); // the time of the answer, not a multiple of 400
    EXPECT_FALSE(intervalElapsed(timer, tick, 400));
    timer.now = 849;
    EXPECT_FALSE(intervalElapsed(timer, tick, 400));
    timer.now = 850;
    EXPECT_TRUE(intervalElapsed(timer, tick, 400));
    // The title pictures share the tick with a longer interval.
    timer.now = 4349;
    EXPECT_FALSE(intervalElapsed(timer, tick, 3500));
    EXPECT_TRUE(intervalElapsed(timer, tick, 400));
    EXPECT_FALSE(intervalElapsed(timer, tick, 3500));

    // The real timer counts on across the 32-bit wrap of the clock.
    useVirtualClock(0xFFFFFF00u);
    FrameTimer real;
    real.start();
    advanceVirtualClock(512);
    EXPECT_EQ(real.elapsed(), 512);
}

TEST(Pointer, DrawsTheCrossAndLeavesNoTrail)
{
    AppState app{};
    setDefaults(app);
    Bitmap s(100, 100), before(100, 100);
    paintRect(0, 0, 100, 100, 116, 10, s);
    paintRect(40, 40, 80, 80, 0, 3, s); // a pattern under the pointer
    copyRect(before, s, 0, 0, 100, 100, false);

    drawPointer(app, 50, 50, s);
    EXPECT_EQ(app.cursorSaved, 1);
    EXPECT_EQ(app.cursorX, 50);
    for (int d = 4; d <= 9; ++d) {
        std::uint16_t arm = d <= 6 ? px(210) : px(215);
        EXPECT_EQ(readPixel(s, 50 + d, 50), arm);
        EXPECT_EQ(readPixel(s, 50, 50 + d), arm);
        EXPECT_EQ(readPixel(s, 50 - d, 50), arm);
        EXPECT_EQ(readPixel(s, 50, 50 - d), arm);
    }
    EXPECT_LE(differingPixels(s, before), 24); // the arms only: the centre stays free

    // Moving puts back what the pointer covered, also near the edges.
    drawPointer(app, 2, 97, s);
    drawPointer(app, 70, 45, s);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            bool onPointer = (y == 45 && std::abs(x - 70) >= 4 && std::abs(x - 70) <= 9) ||
                             (x == 70 && std::abs(y - 45) >= 4 && std::abs(y - 45) <= 9);
            if (!onPointer) {
                ASSERT_EQ(readPixel(s, x, y), readPixel(before, x, y)) << x << "," << y;
            }
        }

    // No drawing context: nothing happens.
    setSurfaceLost(s, true);
    drawPointer(app, 20, 20, s);
    EXPECT_EQ(app.cursorX, 70);
}

TEST(HeadlessDisplay, SurfacesKeyFlipLossAndEvents)
{
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    ASSERT_NE(overlayLayer, nullptr);
    EXPECT_EQ(colorKey(overlayLayer), 0xF81F);
    EXPECT_EQ(surfaceWidth(mapLayer), 800);
    EXPECT_EQ(surfaceHeight(backBuffer), 600);

    // matchColor probes pixel (0, 0) and puts it back.
    paintRect(0, 0, 4, 4, 12, 10, primarySurface);
    EXPECT_EQ(matchColor(makeRgb(0, 0, 153), primarySurface), 0x0013);
    EXPECT_EQ(matchColor(makeRgb(254, 0, 254), primarySurface), 0xF81F);
    EXPECT_EQ(readPixel(primarySurface, 0, 0), px(12));
    EXPECT_EQ(matchColor(0xFFFFFFFFu, primarySurface), px(12)); // invalid: only read
    EXPECT_EQ(matchColor(makeRgb(1, 2, 3), nullptr), -1);

    // A flip shows the back buffer; the old front becomes the back.
    DrawSurface* front = primarySurface;
    DrawSurface* back = backBuffer;
    EXPECT_EQ(flip(), 1);
    EXPECT_EQ(primarySurface, back);
    EXPECT_EQ(backBuffer, front);

    // A lost display: no drawing, the flip restores instead of showing.
    surfacesRestored = 0;
    setSurfaceLost(mapLayer, true);
    EXPECT_TRUE(displayLost());
    EXPECT_EQ(paintRect(0, 0, 10, 10, 1, 10, mapLayer), -1);
    EXPECT_EQ(flip(), 1);
    EXPECT_EQ(primarySurface, back); // not flipped
    EXPECT_EQ(surfacesRestored, 1);
    EXPECT_FALSE(displayLost());
    EXPECT_EQ(paintRect(0, 0, 10, 10, 1, 10, mapLayer), 0);

    // Posted events come back in order, a full queue dropping the newest;
    // headless nothing else arrives, and waiting then ends in quit.
    InputEvent event{};
    EXPECT_FALSE(pollEvent(event));
    for (int i = 0; i < 100; ++i)
        postEvent({EventKind::key, i, 0, 0, false});
    int taken = 0;
    while (pollEvent(event))
        EXPECT_EQ(event.key, taken++);
    EXPECT_EQ(taken, 64);
    waitEvent(event);
    EXPECT_EQ(event.kind, EventKind::quit);

    releaseDisplay();
    EXPECT_EQ(primarySurface, nullptr);
    EXPECT_EQ(overlayLayer, nullptr);
    EXPECT_EQ(flip(), 0);
}

TEST(HeadlessDisplay, FlipScreenRedrawsTheDrawnPointer)
{
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    AppState app{};
    setDefaults(app);
    app.mapTop = 58;
    app.softwareCursor = 1;
    drawPointer(app, 300, 300, primarySurface);
    clearMapLayer(app, 170, backBuffer);
    EXPECT_EQ(flipScreen(app), 1);
    EXPECT_EQ(readPixel(primarySurface, 305, 300), px(210)); // drawn afresh
    EXPECT_EQ(readPixel(primarySurface, 303, 300), px(170));

    // A flip that only restores a lost display leaves the pointer as it is:
    // moving it afterwards leaves no trail.
    setSurfaceLost(backBuffer, true);
    EXPECT_EQ(flipScreen(app), 1);
    drawPointer(app, 100, 200, primarySurface);
    EXPECT_EQ(readPixel(primarySurface, 305, 300), px(170));
    releaseDisplay();
}

// What the main loop did: frames run, keys taken, frames before the first
// key. The third frame presses Escape.
struct LoopLog {
    int frames, keys, framesAtFirstKey;
} loopLog;

TEST(MainLoop, FramesOnlyWhileActiveAndEscapeEnds)
{
    AppState app{};
    setDefaults(app);

    // Events come before frames; an inactive program runs no frame and
    // waits, which headless ends the loop.
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    InputEntry countingInput = [](AppState&, const InputEvent& event) {
        if (loopLog.keys++ == 0)
            loopLog.framesAtFirstKey = loopLog.frames;
        return event.key == 27;
    };
    FrameFunction countingFrame = [](AppState&) {
        if (++loopLog.frames == 3)
            postEvent({EventKind::key, 27, 0, 0, false});
    };
    loopLog = {};
    appActive = 1;
    postEvent({EventKind::key, 'q', 0, 0, false});
    postEvent({EventKind::activate, 0, 0, 0, false});
    EXPECT_EQ(runMainLoop(app, countingInput, countingFrame), 0);
    EXPECT_EQ(loopLog.keys, 1);
    EXPECT_EQ(loopLog.framesAtFirstKey, 0);
    EXPECT_EQ(loopLog.frames, 0);
    EXPECT_EQ(primarySurface, nullptr); // the quit released the display

    // Active again: frames run until input asks to end; the display is
    // released and the loop returns 0.
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    loopLog = {};
    postEvent({EventKind::activate, 0, 0, 0, true});
    EXPECT_EQ(runMainLoop(app, countingInput, countingFrame), 0);
    EXPECT_EQ(loopLog.frames, 3);
    EXPECT_EQ(loopLog.keys, 1);
    EXPECT_EQ(appActive, 1);
    EXPECT_EQ(primarySurface, nullptr);
}

} // namespace
