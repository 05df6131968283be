// Game.h -- "Find the letter": the program asks for a letter, the child finds it, the letter's scene is the
// reward. A round is a state of the menu (world/World.h), started by --game or Space and ended by Escape or
// after five letters; without one, the menu is the ordinary menu.
#pragma once
#include <cstdint>

constexpr uint32_t GameSettleMilliseconds = 1000;     // the menu's click is heard before a question
constexpr uint32_t GameUnansweredMilliseconds = 10000;  // a question unanswered this long is asked again
constexpr int GameMostRepeats = 2;                     // ... at most this many times; then the round waits
constexpr int GameMostWrongAnswers = 3;                // the third wrong answer shows the asked letter's scene
constexpr int GameGestureFrames = 8;                   // a nod or a shake of the head: two of them, 720 ms

bool RoundRunning();
// Starts a round of five different letters in mode (GameNames or GameSounds), from the program's random
// sequence; the first question comes once the menu has settled.
void StartRound(int32_t mode);
// Escape in the menu: ends a running round and returns to the ordinary menu. True when there was one to end,
// so that Escape's other uses wait for a round to be over.
bool EndRoundOnEscape();
// A click, a tap or a letter key on a cell during a round. Only a waiting question takes an answer: between
// questions (a cheer, a wrong letter's name, the closing cheer) it is dropped, never kept for later.
void AnswerLetter(int cell);
// The round's step in each menu frame, before the menu is drawn: questions, repeats, cheers, the scenes and
// the head's gestures.
void GameFrame();
