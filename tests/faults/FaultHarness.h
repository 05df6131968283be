// FaultHarness.h -- what the fault harness's clock and presentation share.
#pragma once
#include <cstdint>

extern uint32_t HarnessTick;  // what TickCount() reads; sleeping moves it on
