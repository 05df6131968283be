// Sound.h -- the sound command interface: text commands on named aliases.
//   "open FILE alias A", "play A", "play A from 0", "stop A", "close A", "status A mode".
#pragma once

// Sends one command; what it achieves is never reported.
void SendSoundCommand(const char* command);
// Sends a query and writes its zero-terminated answer into reply (left as it was when the alias is not open).
void SendSoundQuery(const char* command, char* reply, int replyLength);
// True while the recording of an open alias plays.
bool AnySoundPlaying();
// Lets the sound device rest while nothing plays; the next recording wakes it.
void RestSoundOutput();
// Closes every alias, for tests and the end of a run.
void CloseAllSoundAliases();
