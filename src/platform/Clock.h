// Clock.h -- the millisecond tick count and the wait between frames.
#pragma once
#include <cstdint>

// Milliseconds since some fixed moment; wraps at 2^32, so take differences modulo 2^32.
uint32_t TickCount();
// Gives the processor away for about that many milliseconds.
void SleepMilliseconds(uint32_t milliseconds);
