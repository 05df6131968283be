// FrameLine.cpp -- the line a replay prints after each frame: the frame, the clock and the world state.
#include <cstdio>
#include "world/World.h"
#include "Trace.h"

void PrintFrameLine(const double* milliseconds)
{
    std::printf("{\"frame\":%d,\"tick\":%u,\"scene\":%d,\"passes\":%d,\"x\":%.9g,\"z\":%.9g,\"heading\":%.9g",
                TraceFrame, TraceTick, CurrentScene, SceneEndCount, static_cast<double>(FigureX),
                static_cast<double>(FigureZ), static_cast<double>(FigureHeading));
    if (milliseconds != nullptr) std::printf(",\"ms\":%.3f", *milliseconds);
    std::printf("}\n");
}
