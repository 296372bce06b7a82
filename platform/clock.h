// The millisecond clock and the pause that the atlas's messages use.
//
// Normally the real monotonic clock. The replay mode and the tests switch it
// to a virtual clock that only moves when told to, so that the program's
// fixed pauses (message flashes, printing pauses) advance time instead of
// blocking.
#pragma once

#include <cstdint>

// Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
std::uint32_t currentMilliseconds();

// Pauses for ms milliseconds (on the virtual clock: advances it instead).
void sleepMilliseconds(int ms);

// Switches to the virtual clock, starting at startMs. Used by replay and tests.
void useVirtualClock(std::uint32_t startMs);

// Advances the virtual clock (no effect on the real one).
void advanceVirtualClock(int ms);

// True while the virtual clock is in use.
bool virtualClockActive();
