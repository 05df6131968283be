// ClockWeb.cpp -- the browser's clock: the page's millisecond clock, and a wait that hands the browser its turn.
// The program's loop waits where a desktop program would sleep; in the page that wait returns control to the
// browser (Emscripten's ASYNCIFY unwinds and resumes the loop), which draws the page and delivers its events.
#include <emscripten.h>
#include <cmath>
#include "platform/Clock.h"

uint32_t TickCount()
{
    // Milliseconds since the page began, wrapped at 2^32 like the desktop's count.
    return static_cast<uint32_t>(static_cast<uint64_t>(std::floor(emscripten_get_now())));
}

void SleepMilliseconds(uint32_t milliseconds)
{
    emscripten_sleep(milliseconds);
}
