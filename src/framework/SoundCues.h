// SoundCues.h -- the scenes' recordings under the alias "sound": starting one again, and the mode watch.
#pragma once

// Closes the alias "sound", sends openCommand (which opens a recording under it) and plays it.
void RestartCue(const char* openCommand);

// The mode-change watch: queries "status sound mode" into ModeReply, compares it with PreviousModeReply,
// remembers it, and says whether it changed. On a change, before the reply is remembered, a restart command
// (may be null) starts the recording again with RestartCue, and askAgain then queries the mode once more,
// so that the watch remembers "playing" rather than what made it restart.
bool WatchSoundMode(const char* restartOpenCommand = nullptr, bool askAgain = false);
