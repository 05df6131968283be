// Doubles.h -- stand-ins for the clock, the sound output and the presentation, for unit tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

extern uint32_t FakeTick;        // what TickCount() reads
extern uint32_t FakeSleptMs;     // total of all SleepMilliseconds calls; sleeping advances FakeTick
extern int PresentedFrames;      // frames shown
extern bool PresentedFramesStay;  // what PresentedFrameStays answers; false, like a trace, unless a test says

// Every sound command sent, in order, and every output call made ("start 1", "pause 1", ...).
extern std::vector<std::string> SentSoundCommands;
extern std::vector<std::string> SoundOutputCalls;
// Recordings end when the test says so: FinishFakeRecording marks one as played to its end.
void FinishFakeRecording(int recording);
// Forgets all recordings and calls; closes every alias first.
void ResetFakeSound();
