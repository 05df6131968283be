// GameOption.h -- the --game option, which the program and quillora-trace take alike: "Find the letter" from the
// start, asking by the letters' names or by their sounds. The platform only keeps what was asked for; the
// program starts the round.
#pragma once

enum StartGame { StartGameNone, StartGameNames, StartGameSounds };

// "names" or "sounds"; false, with *game left alone, for anything else.
bool ParseStartGame(const char* text, StartGame* game);
// What a wrong value gets, after the program's name: one line naming the two modes.
const char* StartGameUsage();
void SetStartGame(StartGame game);
// The mode the command line asked for; StartGameNone without --game.
StartGame StartGameChosen();
