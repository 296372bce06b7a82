// The atlas's error message at the foot of the screen, and the log of the
// messages shown, which tests and replay scripts read back.
#pragma once

#include <span>

#include "core/limits.h"

struct AppState;

// Shows text as the error message (dark red, heavy, centred at the foot of
// the screen on both display buffers), then pauses 1200 ms. Every failure of
// a file operation is reported through it; text must be zero-terminated and
// is cut to kMessageBytes-1 characters in the log.
void showMessage(AppState& app, const char* text);

// Adds text to the log without drawing it: for messages that draw
// themselves elsewhere (the editor's counts in the menu band).
void logMessage(const char* text);

// The messages shown so far, oldest first; at most kMessageLogEntries of the
// newest are kept.
int messageCount();
const char* messageAt(int index);

// Forgets the logged messages (tests start each case clean).
void clearMessages();

// How a message is presented between its two drawings: by default the
// display's plain flip; the shell sets the flip that also redraws its own
// mouse pointer, so that the pointer stays visible over a message.
using MessagePresenter = int (*)(AppState& app);
void setMessagePresenter(MessagePresenter present);
