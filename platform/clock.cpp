// Real and virtual millisecond clock.
#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace {

struct ClockState {
    bool isVirtual;
    std::uint32_t virtualNow;
};

ClockState clockState = {false, 0};

} // namespace

std::uint32_t currentMilliseconds()
{
    if (clockState.isVirtual)
        return clockState.virtualNow;
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void sleepMilliseconds(int ms)
{
    if (ms <= 0)
        return;
    if (clockState.isVirtual) {
        advanceVirtualClock(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void useVirtualClock(std::uint32_t startMs)
{
    clockState.isVirtual = true;
    clockState.virtualNow = startMs;
}

void advanceVirtualClock(int ms)
{
    if (ms > 0)
        clockState.virtualNow += static_cast<std::uint32_t>(ms);
}

bool virtualClockActive()
{
    return clockState.isVirtual;
}
