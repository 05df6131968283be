// FramePacing.cpp -- how long the next frame must still wait: a frame begins 90 ms after the one before.
#include "app/App.h"

constexpr uint32_t FrameMilliseconds = 90;

uint32_t FrameWaitRemaining(const FramePacing& pacing, uint32_t now)
{
    if (!pacing.AnyFrameDrawn) return 0;
    const uint32_t elapsed = now - pacing.PreviousFrameTick;  // modulo 2^32: a wrap changes nothing
    return elapsed >= FrameMilliseconds ? 0 : FrameMilliseconds - elapsed;
}
