// FaultClock.cpp -- the fault harness's clock: it starts where QUILLORA_FAULT_START_TICK says (so a run can
// cross the tick-count wrap), and sleeping moves it on at once, so frames come as fast as they are drawn.
#include <cstdlib>
#include "FaultHarness.h"
#include "platform/Clock.h"

static uint32_t StartTick()
{
    const char* start = std::getenv("QUILLORA_FAULT_START_TICK");
    return start != nullptr ? static_cast<uint32_t>(std::strtoul(start, nullptr, 10)) : 10000;
}

uint32_t HarnessTick = StartTick();

uint32_t TickCount()
{
    return HarnessTick;
}

void SleepMilliseconds(uint32_t milliseconds)
{
    HarnessTick += milliseconds;
}
