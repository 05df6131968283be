// WindowProcedure.cpp -- the main window's messages: the GL context, the projection, the arrow keys, F11 and
// Escape for full screen, and the menu's letters: the mouse speaks a name on hover and opens the scene on a click; a tap or a
// letter key speaks the name first and opens the scene when the same letter comes again. During a round of
// "Find the letter" a click, a tap or a letter key answers at once, and hovering is silent: it would give the
// answer away. Space starts a round of names, Escape ends one.
#include <cstdio>
#include "app/App.h"
#include "app/Game.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "render/Render.h"
#include "world/World.h"

constexpr uint32_t MenuQuietMilliseconds = 1500;

// The window is what OpenGL draws to: there is no separate device context to take at creation or give back
// here, only the OpenGL context.
static void ReleaseContexts()
{
    if (RenderContext != nullptr) DeleteRenderContext(RenderContext);
    RenderContext = nullptr;
}

static void SpeakLetterName(int cell)
{
    char open[40];
    std::snprintf(open, sizeof open, "open laut2%c.wav alias soundx", 'a' + cell);
    SendSoundCommand("close soundx");
    SendSoundCommand(open);
    SendSoundCommand("play soundx");
}

static void HoverOverMenu(uint32_t x, uint32_t y)
{
    const int cell = LetterCellAt(x, y);
    if (cell < 0) return;
    if (cell != HoverCell) {
        if (static_cast<uint32_t>(TickCount() - MenuEnterTick) > MenuQuietMilliseconds && !RoundRunning())
            SpeakLetterName(cell);
        if (cell != ChosenCell) ChosenCell = -1;  // the mouse has moved on to another letter
    }
    HoverCell = cell;  // remembered even while the menu is quiet
}

static void ClickOnMenu(uint32_t x, uint32_t y)
{
    const int cell = LetterCellAt(x, y);
    if (RoundRunning())
        AnswerLetter(cell);
    else if (cell >= 0)
        OpenLetterScene(cell);
}

// A tap or a letter key: deliberate, so the quiet period does not hold it back. The first names the letter,
// the same letter again opens it. The mouse's HoverCell is left alone, so a mouse user's menu is unchanged.
static void ChooseOnMenu(int cell)
{
    if (cell < 0) return;
    if (RoundRunning()) {
        AnswerLetter(cell);  // no naming first: the name would be the answer
        return;
    }
    if (cell == ChosenCell) {
        OpenLetterScene(cell);
        return;
    }
    SpeakLetterName(cell);
    ChosenCell = cell;
}

static int LetterCellOfKey(uint32_t key)
{
    return key >= KeyLetterA && key <= KeyLetterZ ? static_cast<int>(key - KeyLetterA) : -1;
}

// Escape in the menu ends a running round; true when it did, and then Escape has done its work.
static bool EscapeEndsRound(uint32_t key)
{
    return key == KeyEscape && EndRoundOnEscape();
}

// Space in the menu starts a round of names, unless one runs already.
static void SpaceStartsRound(uint32_t key)
{
    if (key == KeySpace && !RoundRunning()) StartRound(GameNames);
}

static void SetArrowKey(uint32_t key, bool down)
{
    switch (key) {
    case KeyArrowLeft: KeyLeft = down; break;
    case KeyArrowUp: KeyUp = down; break;
    case KeyArrowRight: KeyRight = down; break;
    case KeyArrowDown: KeyDown = down; break;
    default: break;
    }
}

// Escape is the key a parent tries first to get out of full screen; in a window it does nothing, so a child
// pressing it changes nothing. A kiosk's full screen stays (the platform keeps it).
static void LeaveFullScreenOnEscape(WindowHandle window)
{
    if (IsFullScreen(window)) SetFullScreen(window, false);
}

int32_t MainWindowProcedure(const WindowMessage& message)
{
    const uint32_t x = message.Second & 0xFFFF;
    const uint32_t y = message.Second >> 16;
    switch (message.Kind) {
    case MessageCreate:
        // Without OpenGL nothing can be drawn: the program says so and ends, with a failing exit code.
        if (!SetupPixelFormat(message.Window)) {
            PostQuitRequest(1);
            return 0;
        }
        RenderContext = CreateRenderContext(message.Window);
        if (!MakeRenderContextCurrent(message.Window, RenderContext)) {
            char text[300];
            std::snprintf(text, sizeof text, "No OpenGL context could be made (%s)", PlatformErrorText());
            ShowMessageBox(text, "Error");
            PostQuitRequest(1);
        }
        return 0;
    case MessageSize:
        ResizeViewport(ClientAreaWidth, ClientAreaHeight);  // the client rectangle, whatever the window's size
        MenuPictureShown = false;
        return 0;
    case MessagePaint:
        MenuPictureShown = false;  // the window lost its picture: the next frame draws it, never this message
        return 0;
    case MessageClose:
        ReleaseContexts();
        DestroyMainWindow(message.Window);
        return 0;
    case MessageDestroy:
        ReleaseContexts();
        PostQuitRequest(0);
        return 0;
    case MessageKeyDown:
    case MessageKeyUp:
        SetArrowKey(message.First, message.Kind == MessageKeyDown);
        // F11 switches the window between full screen and its size; the scenes never see it.
        if (message.First == KeyF11 && message.Kind == MessageKeyDown && (message.Second & KeyWasDown) == 0)
            SetFullScreen(message.Window, !IsFullScreen(message.Window));
        // A held key repeats; only its first press chooses, so holding a letter never opens its scene.
        if (CurrentScene == MenuScene && message.Kind == MessageKeyDown && (message.Second & KeyWasDown) == 0) {
            if (EscapeEndsRound(message.First)) return 0;  // Escape ends a round first, and only that
            SpaceStartsRound(message.First);
            ChooseOnMenu(LetterCellOfKey(message.First));
        }
        if (message.First == KeyEscape && message.Kind == MessageKeyDown && (message.Second & KeyWasDown) == 0)
            LeaveFullScreenOnEscape(message.Window);
        return 0;
    case MessageMouseMove:
        if (CurrentScene == MenuScene) HoverOverMenu(x, y);
        return 0;
    case MessageLeftButtonDown:
        if (CurrentScene == MenuScene) ClickOnMenu(x, y);
        return 0;
    case MessageTap:
        if (CurrentScene == MenuScene) ChooseOnMenu(LetterCellAt(x, y));
        return 0;
    default:
        return DefaultWindowProcedure(message);
    }
}
