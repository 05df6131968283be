// GameOption.cpp -- the --game option's two values and the one the command line chose.
#include <cstring>
#include "platform/GameOption.h"

static StartGame Chosen = StartGameNone;

bool ParseStartGame(const char* text, StartGame* game)
{
    if (text == nullptr) return false;
    if (std::strcmp(text, "names") == 0) {
        *game = StartGameNames;
        return true;
    }
    if (std::strcmp(text, "sounds") == 0) {
        *game = StartGameSounds;
        return true;
    }
    return false;
}

const char* StartGameUsage()
{
    return "--game takes names (find the letter by its name) or sounds (by its sound)";
}

void SetStartGame(StartGame game)
{
    Chosen = game;
}

StartGame StartGameChosen()
{
    return Chosen;
}
