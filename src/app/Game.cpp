// Game.cpp -- the steps of a round of "Find the letter": ask, wait for an answer, cheer or name the wrong letter,
// show the letter's scene, ask the next; after the fifth, the closing cheer. Its recordings play under the alias
// "game", beside the menu's click ("sound") and the letters' names ("soundx"). A recording that is missing plays
// as nothing: every step that waits for one to end goes on at once.
#include <cmath>
#include <cstdio>
#include <string>
#include "app/App.h"
#include "app/Game.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "world/Random.h"
#include "world/World.h"

constexpr int CheerCount = 3;

bool RoundRunning()
{
    return GameModeNow != GameOff;
}

static void PlayGameRecording(const char* file)
{
    char open[48];
    std::snprintf(open, sizeof open, "open %s alias game", file);
    SendSoundCommand("close game");
    SendSoundCommand(open);
    SendSoundCommand("play game");
}

static bool GameRecordingPlaying()
{
    char reply[16] = "";
    SendSoundQuery("status game mode", reply, sizeof reply);
    return reply[0] == 'p';  // "playing"; a recording that never opened leaves the reply empty
}

static int AskedCell()
{
    return GameLetters[GamePrompt];
}

// The whole of a recording's file; empty when it cannot be read.
static std::string FileBytes(const char* name)
{
    std::string bytes;
    std::FILE* file = std::fopen(name, "rb");
    if (file == nullptr) return bytes;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, read);
    std::fclose(file);
    return bytes;
}

// Two letters that say the same sound in this language (C and K as "kuh", B and V in Spanish) are both right
// when the sound is asked for: their sound recordings are made alike, byte for byte.
static bool SaySameSound(int cell, int other)
{
    char name[16];
    char otherName[16];
    std::snprintf(name, sizeof name, "laut%c.wav", 'a' + cell);
    std::snprintf(otherName, sizeof otherName, "laut%c.wav", 'a' + other);
    const std::string bytes = FileBytes(name);
    return !bytes.empty() && bytes == FileBytes(otherName);
}

static bool RightAnswer(int cell)
{
    return cell == AskedCell() || (GameModeNow == GameSounds && SaySameSound(cell, AskedCell()));
}

// One recording a question: ask2b.wav asks for B by its name, askb.wav by its sound.
static void AskQuestion()
{
    char file[16];
    std::snprintf(file, sizeof file, GameModeNow == GameSounds ? "ask%c.wav" : "ask2%c.wav", 'a' + AskedCell());
    PlayGameRecording(file);
    GamePromptTick = TickCount();
    GameStepNow = GameStepWaiting;
}

static void StartGesture(int32_t gesture)
{
    FigureGesture = gesture;
    FigureGestureFrame = 0;
}

// The head's angle in each frame of a gesture: two nods down and up, or two turns to each side and back.
static void StepGesture()
{
    if (FigureGesture == GestureNone) return;
    FigureGestureFrame++;
    const double swing = FigureGestureFrame * 3.14159265358979 / 2;
    FigureHeadPitch = FigureGesture == GestureNod ? static_cast<float>(10 - 10 * std::cos(swing)) : 0.0f;
    FigureHeadYaw = FigureGesture == GestureShake ? static_cast<float>(25 * std::sin(swing)) : 0.0f;
    if (FigureGestureFrame >= GameGestureFrames) {
        FigureGesture = GestureNone;
        FigureHeadPitch = FigureHeadYaw = 0;
    }
    MenuPictureShown = false;  // the figure moves: the menu is drawn again, the last frame upright
}

void StartRound(int32_t mode)
{
    for (int i = 0; i < GameRoundLetters; i++) {
        bool taken = true;
        while (taken) {
            GameLetters[i] = RandomBelow(LetterSceneCount + 1);  // 26 cells: V and W each
            taken = false;
            for (int j = 0; j < i; j++) taken = taken || GameLetters[j] == GameLetters[i];
        }
    }
    GameModeNow = mode;
    GamePrompt = 0;
    GameWrongAnswers = 0;
    GameRepeats = 0;
    GameStepNow = GameStepAsk;
    ChosenCell = -1;
    SendSoundCommand("stop soundx");  // a letter's name would talk over the question
}

static void EndRound()
{
    SendSoundCommand("close game");
    GameModeNow = GameOff;
    FigureGesture = GestureNone;
    FigureHeadPitch = FigureHeadYaw = 0;
    MenuPictureShown = false;
}

bool EndRoundOnEscape()
{
    if (!RoundRunning() || CurrentScene != MenuScene) return false;
    EndRound();
    return true;
}

void AnswerLetter(int cell)
{
    if (cell < 0 || GameStepNow != GameStepWaiting) return;
    if (RightAnswer(cell)) {
        GameAnswerCell = cell;
        char cheer[16];
        std::snprintf(cheer, sizeof cheer, "cheer%d.wav", GamePrompt % CheerCount + 1);
        PlayGameRecording(cheer);
        StartGesture(GestureNod);
        GameStepNow = GameStepCheer;
        return;
    }
    // No buzzer: the letter the child chose is named, and the question comes again.
    char name[16];
    std::snprintf(name, sizeof name, "laut2%c.wav", 'a' + cell);
    PlayGameRecording(name);
    StartGesture(GestureShake);
    GameWrongAnswers++;
    GameAnswerCell = AskedCell();  // after the third, the child sees which letter it was
    GameStepNow = GameStepNaming;
}

static bool MenuSettled()
{
    return static_cast<uint32_t>(TickCount() - MenuEnterTick) >= GameSettleMilliseconds;
}

static void ShowAnswerScene()
{
    SendSoundCommand("close game");
    GameStepNow = GameStepInScene;
    OpenLetterScene(GameAnswerCell);
}

void GameFrame()
{
    if (!RoundRunning()) return;
    StepGesture();
    switch (GameStepNow) {
    case GameStepAsk:
        if (MenuSettled()) AskQuestion();
        break;
    case GameStepWaiting:
        if (GameRepeats < GameMostRepeats &&
            static_cast<uint32_t>(TickCount() - GamePromptTick) >= GameUnansweredMilliseconds) {
            GameRepeats++;
            AskQuestion();
        }
        break;
    case GameStepCheer:
        if (FigureGesture == GestureNone && !GameRecordingPlaying()) ShowAnswerScene();
        break;
    case GameStepNaming:
        if (FigureGesture != GestureNone || GameRecordingPlaying()) break;
        if (GameWrongAnswers >= GameMostWrongAnswers) {
            ShowAnswerScene();
        } else {
            GameRepeats = 0;
            AskQuestion();
        }
        break;
    case GameStepInScene:  // the scene has handed back to the menu
        GamePrompt++;
        GameWrongAnswers = 0;
        GameRepeats = 0;
        GameStepNow = GamePrompt < GameRoundLetters ? GameStepAsk : GameStepClosing;
        break;
    case GameStepClosing:
        if (!MenuSettled()) break;
        PlayGameRecording("cheerend.wav");
        GameStepNow = GameStepClosingCheer;
        break;
    case GameStepClosingCheer:
        if (!GameRecordingPlaying()) EndRound();
        break;
    default:
        EndRound();
        break;
    }
}
