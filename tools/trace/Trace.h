// Trace.h -- what the parts of quillora-trace (and quillora-tour) share: the virtual clock, the frame under way,
// the shots.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include "platform/Window.h"

extern uint32_t TraceTick;   // what TickCount() reads
extern int TraceFrame;       // the frame the sound lines belong to; 0 during start-up
extern std::string PendingShotFile;  // the next presentation writes the back buffer there, then clears it
extern std::string ShotFailure;      // why the last shot could not be written; empty when it was

// After a frame has been drawn and updated: its line with the world state, and the milliseconds it took
// when they are given.
void PrintFrameLine(const double* milliseconds);

// What each replay's script supplies to the replay's messages (ReplayMessages.cpp), which call it and are never
// called back: the end of frame TraceFrame once it has been drawn and updated, with the wall-clock milliseconds
// it took; and the start of the next one: the clock at its tick, and the messages the loop is to handle before
// it, added to due (or the end of the run).
void FinishReplayFrame(double milliseconds);
void PrepareReplayFrame(std::deque<WindowMessage>* due);
