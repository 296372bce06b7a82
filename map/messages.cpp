// Error messages: drawn at the foot of the screen on both display buffers,
// and kept in a log that tests and replay scripts read.
#include "map/messages.h"

#include <array>

#include "core/app_state.h"
#include "core/bounded_text.h"
#include "map/draw.h"
#include "platform/clock.h"
#include "platform/display.h"

namespace {

struct MessageLog {
    std::array<std::array<char, kMessageBytes>, kMessageLogEntries> texts;
    int count; // messages logged since the last clear (may exceed the array)
};

MessageLog messageLog;

int plainFlip(AppState&)
{
    return flip();
}

MessagePresenter messagePresenter = plainFlip;

// Dark red, heavy, centred at the foot of the screen.
void drawMessage(AppState& app, const char* text, DrawSurface* surface)
{
    textOut(app, text, app.screenWidth / 2, app.screenHeight - app.fontSize8, app.fontSize4,
            kAlignCenter, 204, kTextHeavy, surface);
}

} // namespace

void logMessage(const char* text)
{
    auto& slot = messageLog.texts[messageLog.count % kMessageLogEntries];
    (void)copyText(slot, text); // a cut log entry still names the failure
    ++messageLog.count;
}

void showMessage(AppState& app, const char* text)
{
    logMessage(text);
    if (backBuffer != nullptr) {
        // On both buffers, so that it stands whichever is shown next.
        drawMessage(app, text, backBuffer);
        messagePresenter(app);
        drawMessage(app, text, backBuffer);
    }
    sleepMilliseconds(1200);
}

int messageCount()
{
    return messageLog.count < kMessageLogEntries ? messageLog.count : kMessageLogEntries;
}

const char* messageAt(int index)
{
    int kept = messageCount();
    if (index < 0 || index >= kept)
        return "";
    int first = messageLog.count - kept;
    return messageLog.texts[(first + index) % kMessageLogEntries].data();
}

void setMessagePresenter(MessagePresenter present)
{
    messagePresenter = present != nullptr ? present : plainFlip;
}

void clearMessages()
{
    messageLog.count = 0;
}
