// SoundOutput.h -- what the sound command interpreter needs from a player.
// The program plays through SDL_mixer; quillora-trace plays virtually.
#pragma once

// Loads a recording; 0 when the file is missing or unreadable.
int SoundOutputLoad(const char* fileName);
// Plays from the start, on the recording's own channel.
void SoundOutputStart(int recording);
void SoundOutputPause(int recording);
void SoundOutputResume(int recording);
// Stops, and forgets the position.
void SoundOutputHalt(int recording);
void SoundOutputFree(int recording);
// True while the recording plays (not while paused, not once it has ended).
bool SoundOutputIsPlaying(int recording);
// Nothing plays and nothing waits paused: the device may be let go, so that the desktop's sound server can
// suspend it, until the next recording is loaded or started.
void SoundOutputRest();
// Told of every command as it is sent (reply is null except for queries that got one).
void SoundOutputNoteCommand(const char* command, const char* reply);
