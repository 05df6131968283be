// ClockSdl.cpp -- the real clock: SDL's millisecond ticks.
#include <SDL.h>
#include "platform/Clock.h"

uint32_t TickCount()
{
    return SDL_GetTicks();
}

void SleepMilliseconds(uint32_t milliseconds)
{
    SDL_Delay(milliseconds);
}
