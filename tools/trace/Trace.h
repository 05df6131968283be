// Trace.h -- what the parts of quillora-trace share: the virtual clock, the frame under way, the shots.
#pragma once
#include <cstdint>
#include <string>

extern uint32_t TraceTick;   // what TickCount() reads
extern int TraceFrame;       // the frame the sound lines belong to; 0 during start-up
extern std::string PendingShotFile;  // the next presentation writes the back buffer there, then clears it
extern bool ShotFailed;              // a shot could not be written
