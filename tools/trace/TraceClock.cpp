// TraceClock.cpp -- the virtual clock: it reads whatever the trace has set, and waiting takes no time.
#include "platform/Clock.h"
#include "Trace.h"

uint32_t TraceTick;

uint32_t TickCount()
{
    return TraceTick;
}

void SleepMilliseconds(uint32_t)
{
}
