// FrameLine.cpp -- the line a replay prints after each frame: the frame, the clock and the world state.
#include <cstdio>
#include "world/World.h"
#include "Trace.h"

void PrintFrameLine(const double* milliseconds)
{
    std::printf("{\"frame\":%d,\"tick\":%u,\"scene\":%d,\"passes\":%d,\"x\":%.9g,\"z\":%.9g,\"heading\":%.9g",
                TraceFrame, TraceTick, CurrentScene, SceneEndCount, static_cast<double>(FigureX),
                static_cast<double>(FigureZ), static_cast<double>(FigureHeading));
    // A round of the game adds its state; without one the line is as it always was. "asked" is "-" once the
    // fifth letter's scene has handed back.
    if (GameModeNow != GameOff) {
        const char asked = GamePrompt < GameRoundLetters ? static_cast<char>('a' + GameLetters[GamePrompt]) : '-';
        std::printf(",\"game\":\"%s\",\"step\":%d,\"asked\":\"%c\",\"prompt\":%d,\"wrong\":%d,\"repeats\":%d,"
                    "\"pitch\":%.9g,\"yaw\":%.9g",
                    GameModeNow == GameSounds ? "sounds" : "names", GameStepNow, asked, GamePrompt, GameWrongAnswers,
                    GameRepeats, static_cast<double>(FigureHeadPitch), static_cast<double>(FigureHeadYaw));
    }
    if (milliseconds != nullptr) std::printf(",\"ms\":%.3f", *milliseconds);
    std::printf("}\n");
}
