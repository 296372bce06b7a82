// The error message: drawn on both display buffers, then a pause.
#include <gtest/gtest.h>

#include "core/app_state.h"
#include "map/messages.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/surface.h"
#include "shell/display_loop.h"

namespace {

// Pixels of the message's dark red in the message row.
int redPixels(const DrawSurface* surface, const AppState& app)
{
    const std::uint16_t red = rgbTo565(makeRgb(153, 0, 0));
    int count = 0;
    for (int y = app.screenHeight - app.fontSize8; y < app.screenHeight; ++y)
        for (int x = 200; x < 600; ++x)
            count += readPixel(surface, x, y) == red;
    return count;
}

} // namespace

TEST(Messages, ShownOnBothBuffersThenPause)
{
    useVirtualClock(1000);
    ASSERT_TRUE(createMainWindow(DisplayBackend::headless, "Veltmaren"));
    ASSERT_TRUE(setupDisplay(800, 600));
    AppState app{};
    setDefaults(app);
    clearMessages();
    showMessage(app, "Can't open borders.dat; setup()");
    EXPECT_GT(redPixels(primarySurface, app), 100) << "on show at once";
    EXPECT_GT(redPixels(backBuffer, app), 100) << "and on the buffer shown next";
    EXPECT_EQ(currentMilliseconds(), 2200u) << "then a pause of 1200 ms";
    EXPECT_STREQ(messageAt(0), "Can't open borders.dat; setup()");

    // In the safe mouse mode the drawn pointer stays on the picture shown,
    // through the presenter the shell installs.
    setMessagePresenter(flipScreen);
    app.softwareCursor = 1;
    app.cursorX = 400;
    app.cursorY = 300;
    showMessage(app, "Can't open terrain.dat setup()");
    EXPECT_EQ(readPixel(primarySurface, 404, 300), 0xFFFF) << "the pointer's white arm";
    releaseDisplay();
    setMessagePresenter(nullptr);

    // Without a display (tools, loaders under test) only the log and the pause.
    showMessage(app, "Can't open terrain.dat setup()");
    EXPECT_EQ(messageCount(), 3);
    EXPECT_EQ(currentMilliseconds(), 4600u);
}
