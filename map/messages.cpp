// Error messages: the log that tests read; the drawing comes with the display.
#include "map/messages.h"

#include <array>

#include "platform/clock.h"
#include "shell/app_state.h"
#include "shell/bounded_text.h"

namespace {

struct MessageLog {
    std::array<std::array<char, kMessageBytes>, kMessageLogEntries> texts;
    int count; // messages logged since the last clear (may exceed the array)
};

MessageLog messageLog;

} // namespace

void showMessage(AppState& app, const char* text)
{
    (void)app;
    auto& slot = messageLog.texts[messageLog.count % kMessageLogEntries];
    (void)copyText(slot, text); // a cut log entry still names the failure
    ++messageLog.count;
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

void clearMessages()
{
    messageLog.count = 0;
}
