// Keys and clicks in any order through the program's own input routing, on
// the shipped data: every screen that a click in the menu band reaches, and
// every key branch there (year typing, the nation search, the editor's
// numbers, single-key actions). Each input starts again on the title screen.
//
// Two bytes make one event: an even first byte is the key of the second
// byte; an odd one a click, on the centre of button row (second byte % 76)
// when the first byte's second bit is clear, else at a point of the map.
#include <cstddef>
#include <cstdint>

#include "core/app_state.h"
#include "core/limits.h"
#include "fuzz/fuzz_support.h"
#include "platform/clock.h"
#include "shell/buttons.h"
#include "shell/frame_driver.h"
#include "shell/input.h"
#include "shell/screens.h"

namespace {

constexpr std::size_t kMostEvents = 24;
constexpr int kEscape = 27; // would end the program: the fuzzer keeps it running

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static AppState app;
    fuzzStartAtlas(app);
    for (std::size_t i = 0; i + 1 < size && i / 2 < kMostEvents; i += 2) {
        const int kind = data[i], value = data[i + 1];
        if ((kind & 1) == 0) {
            if (value != kEscape)
                (void)handleInput(app, buttonTable, kEventKey, value, 0, 0);
        } else if ((kind & 2) == 0) {
            const ButtonRow& row = buttonTable[value % kButtonRows];
            (void)handleInput(app, buttonTable, kEventClick, 0, (row.left + row.right) / 2,
                              (row.top + row.bottom) / 2);
        } else {
            (void)handleInput(app, buttonTable, kEventClick, 0, (kind >> 2) * 800 / 64,
                              app.mapTop + value * (600 - app.mapTop) / 256);
        }
        advanceVirtualClock(400);
        frameStep(app, buttonTable, historyHeadingText);
    }
    return 0;
}
