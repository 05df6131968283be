// FakeClock.cpp -- a clock the test sets; sleeping moves it on.
#include "platform/Clock.h"
#include "doubles/Doubles.h"

uint32_t FakeTick;
uint32_t FakeSleptMs;

uint32_t TickCount()
{
    return FakeTick;
}

void SleepMilliseconds(uint32_t milliseconds)
{
    FakeSleptMs += milliseconds;
    FakeTick += milliseconds;
}
