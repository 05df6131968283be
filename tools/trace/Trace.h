// Trace.h -- what the parts of quillora-trace (and quillora-tour) share: the virtual clock, the frame under way,
// the shots.
#pragma once
#include <cstdint>
#include <string>
#include "platform/Window.h"

extern uint32_t TraceTick;   // what TickCount() reads
extern int TraceFrame;       // the frame the sound lines belong to; 0 during start-up
extern std::string PendingShotFile;  // the next presentation writes the back buffer there, then clears it
extern bool ShotFailed;              // a shot could not be written

// After a frame has been drawn and updated: its line with the world state, and the milliseconds it took
// when they are given.
void PrintFrameLine(const double* milliseconds);

// What each replay supplies to its messages (ReplayMessages.cpp): the end of frame TraceFrame once it has been
// drawn and updated, and the start of the next one (the clock, the messages due, or the end of the run).
void FinishReplayFrame();
void PrepareReplayFrame();
// A message the loop is to handle before the next frame. First and Second: as in the window's messages.
void QueueReplayMessage(MessageKind kind, uint32_t first, uint32_t second);
// Wall-clock milliseconds since the frame under way began.
double ReplayFrameMilliseconds();
