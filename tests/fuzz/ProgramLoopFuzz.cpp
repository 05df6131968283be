// ProgramLoopFuzz.cpp -- fuzz target: any sequence of mouse moves, clicks, keys, taps, size changes, recordings
// ending and frames, through the program's own message loop and window procedure, in a round of "Find the letter"
// by names or by sounds, or none. Nothing may crash, a round's state stays within its bounds, and a message that
// arrives during a letter's scene changes nothing in it and sends no sound.
#include <cmath>
#include <cstring>
#include "FuzzProgram.h"
#include "FuzzSoundOutput.h"
#include "app/App.h"
#include "app/Game.h"
#include "framework/SceneSetup.h"
#include "platform/Events.h"
#include "world/World.h"

static const uint8_t* Input;
static size_t InputLeft;
static int FramesToDraw;  // the loop is told no message waits this many more times

static uint8_t NextByte()
{
    if (InputLeft == 0) return 0;
    InputLeft--;
    return *Input++;
}

// --- the window system, as the window procedure and the loop reach it
void StartPlatform(int, char**) {}
int32_t DispatchWindowMessage(const WindowMessage& message) { return MainWindowProcedure(message); }
int32_t DefaultWindowProcedure(const WindowMessage&) { return 0; }
static bool FullScreen;
bool IsFullScreen(WindowHandle) { return FullScreen; }
void SetFullScreen(WindowHandle, bool fullScreen) { FullScreen = fullScreen; }
void DestroyMainWindow(WindowHandle) {}
void PostQuitRequest(int) {}
const char* PlatformErrorText() { return ""; }
bool SetPixelFormat(WindowHandle, int) { return false; }
int ChoosePixelFormat(WindowHandle, const PixelFormatRequest&) { return 0; }
RenderHandle CreateRenderContext(WindowHandle) { return nullptr; }
bool MakeRenderContextCurrent(WindowHandle, RenderHandle) { return false; }
void DeleteRenderContext(RenderHandle) {}
void KeepScreenAwake(bool) {}
void ReadyWindowForFrame(WindowHandle) {}

bool MessageWaiting()
{
    if (InputLeft == 0) return true;  // the quit request
    if (FramesToDraw > 0) {
        FramesToDraw--;
        return false;
    }
    return true;
}

// The idle menu's wait: it ends at once, with a message when one waits, else with the frame it waits for.
bool WaitForMessage(uint32_t)
{
    return MessageWaiting();
}

static uint32_t Position()
{
    const uint32_t x = NextByte() * 3u;  // across the client area and a little past it
    const uint32_t y = NextByte() * 2u + (NextByte() & 0x80 ? 65000u : 0u);  // and the "above" a drag reports
    return x | y << 16;
}

static uint32_t Key()
{
    static const uint32_t Keys[] = {KeySpace, KeyEscape, KeyF11, KeyArrowLeft, KeyArrowUp, KeyOther, 0xFFFFFFFF};
    const uint8_t which = NextByte();
    return which < 26 * 4 ? KeyLetterA + which % 26 : Keys[which % 7];
}

// A message from the input, or a turn of the loop's own: frames to draw, or the recordings ending.
static bool NextMessage(WindowMessage* message)
{
    *message = {nullptr, MessageOther, 0, 0};
    switch (NextByte() % 9) {
    case 0: message->Kind = MessageMouseMove; message->Second = Position(); break;
    case 1: message->Kind = MessageLeftButtonDown; message->Second = Position(); break;
    case 2: message->Kind = MessageTap; message->Second = Position(); break;
    case 3: message->Kind = MessageKeyDown; message->First = Key(); message->Second = NextByte() & 1 ? KeyWasDown : 0; break;
    case 4: message->Kind = MessageKeyUp; message->First = Key(); break;
    case 5: message->Kind = NextByte() & 1 ? MessageSize : MessagePaint; message->First = ClientAreaWidth;
            message->Second = ClientAreaHeight; break;
    case 6: FramesToDraw = 1 + NextByte() % 64; break;
    case 7: FramesToDraw = 1 + NextByte() * 2; break;  // long enough for most scenes to hand back
    default: EndFuzzRecordings(); break;
    }
    return message->Kind != MessageOther;
}

// What a scene is made of, and what a round is in; a message during a scene must leave all of it alone.
struct SceneState {
    int32_t Scene, Tick, Passes, Step, Prompt, Wrong, Repeats, Mode;
    float X, Z, Heading;
    bool Cue;
    bool operator==(const SceneState&) const = default;
};

static SceneState SceneNow()
{
    return {CurrentScene, SceneTick, SceneEndCount, GameStepNow, GamePrompt, GameWrongAnswers, GameRepeats, GameModeNow,
            FigureX, FigureZ, FigureHeading, CueStarted};
}

static void CheckRound()
{
    if (GameModeNow == GameOff) return;
    if (GamePrompt < 0 || GamePrompt > GameRoundLetters || GameRepeats < 0 || GameRepeats > GameMostRepeats ||
        GameWrongAnswers < 0 || GameWrongAnswers > GameMostWrongAnswers)
        FuzzFailure("a round's counts went out of bounds");
    for (int i = 0; i < GameRoundLetters; i++) {
        if (GameLetters[i] < 0 || GameLetters[i] > 25) FuzzFailure("a round asks for no letter");
        for (int j = 0; j < i; j++)
            if (GameLetters[i] == GameLetters[j]) FuzzFailure("a round asks for a letter twice");
    }
    if (FigureGesture == GestureNone && (FigureHeadPitch != 0 || FigureHeadYaw != 0))
        FuzzFailure("the head stays bowed or turned after its gesture");
    if (std::fabs(FigureHeadPitch) > 20.001f || std::fabs(FigureHeadYaw) > 25.001f)
        FuzzFailure("the head turned further than a nod or a shake");
}

bool TakeMessage(WindowMessage* message)
{
    while (InputLeft > 0) {
        CheckRound();
        if (!NextMessage(message)) {
            if (FramesToDraw > 0) {  // give the loop its frames: it draws while MessageWaiting says no
                *message = {nullptr, MessageOther, 0, 0};
                return true;
            }
            continue;
        }
        if (CurrentScene != MenuScene) {
            const SceneState before = SceneNow();
            const long sent = FuzzSoundCommandsSent();
            DispatchWindowMessage(*message);
            if (!(SceneNow() == before) || FuzzSoundCommandsSent() != sent)
                FuzzFailure("a message during a scene changed the scene or made a sound");
            *message = {nullptr, MessageOther, 0, 0};  // already handled: the loop's own dispatch does nothing
        }
        return true;
    }
    return false;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchDirectory();  // no pictures and no recordings: set-up uses its stand-ins, recordings are silent
    static const uint8_t Texture[StoneTextureBytes] = {};
    WriteScratchFile("texstone1.raw", Texture, sizeof Texture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input = data;
    InputLeft = size;
    FramesToDraw = 0;
    FuzzTick = 10000u + NextByte() * 0x01000000u;  // the tick count may wrap during a run
    CurrentScene = MenuScene;
    GameModeNow = GameOff;
    SceneSetup();
    const uint8_t mode = NextByte() % 3;
    if (mode != 0) StartRound(mode == 1 ? GameNames : GameSounds);
    RunMessageLoop();
    CheckRound();
    return 0;
}
