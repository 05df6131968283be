// WindowSdl.cpp -- the window, the delivery of its messages, full screen and the OpenGL binding over SDL2.
// The SDL window itself is made when the program sets its pixel format, because SDL needs the format
// before the window exists; the program still sees the creation message first, as it expects.
// The window can be any size, or full screen; the program always sees its client area, and the window shows
// its picture scaled to fit (WindowPicture.h).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include "platform/WindowPicture.h"
#include "platform/WindowSdl.h"

struct PlatformWindow {
    SDL_Window* Sdl;
    int X, Y;  // where the client area's top left corner goes
    const char* Caption;
    SDL_Rect Windowed;      // the window it opens as, or comes back to from a full-screen start
    bool AwayFromWindowed;  // made full screen at the screen's size, and not yet back to Windowed
    bool AskedWithinBound;  // larger than BoundToLargestScreen allows, and asked back once
};

static WindowProcedure Procedure;
static const char* IconFile;
static PlatformWindow TheWindow;
static bool WindowAlive;
static bool QuitPosted;
static int QuitCode;
static char ErrorText[256];
static bool StartFullScreen;
static bool Kiosk;
static int StartWidth;
static int StartHeight;

SDL_Window* SdlWindowOf(WindowHandle window)
{
    return window != nullptr ? window->Sdl : nullptr;
}

WindowHandle TheMainWindow()
{
    return &TheWindow;
}

bool MainWindowAlive()
{
    return WindowAlive;
}

bool QuitRequested()
{
    return QuitPosted;
}

// The picture goes where the window's size and surface now put it.
static void MeasurePicture(const PlatformWindow& window, bool resized)
{
    int windowWidth = 0;
    int windowHeight = 0;
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    SDL_GetWindowSize(window.Sdl, &windowWidth, &windowHeight);
    SDL_GL_GetDrawableSize(window.Sdl, &surfaceWidth, &surfaceHeight);
    MeasureWindowPicture(windowWidth, windowHeight, surfaceWidth, surfaceHeight, resized);
}

void SetStartFullScreen(bool fullScreen, bool kiosk)
{
    StartFullScreen = fullScreen || kiosk;
    Kiosk = kiosk;
}

void SetStartWindowSize(int width, int height)
{
    StartWidth = width;
    StartHeight = height;
}

bool IsFullScreen(WindowHandle window)
{
    return window != nullptr && window->Sdl != nullptr &&
           (SDL_GetWindowFlags(window->Sdl) & SDL_WINDOW_FULLSCREEN) != 0;
}

// The window's drawing surface takes memory in proportion to its size, whatever size a window manager lets it
// take: it grows no larger than the largest screen, nor than the size it was asked to start at (a replay's
// window may be larger than its invisible screen).
static void BoundToLargestScreen(const PlatformWindow& window)
{
    int width = window.Windowed.w;
    int height = window.Windowed.h;
    for (int display = 0; display < SDL_GetNumVideoDisplays(); display++) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(display, &bounds) != 0) continue;
        width = SDL_max(width, bounds.w);
        height = SDL_max(height, bounds.h);
    }
    SDL_SetWindowMaximumSize(window.Sdl, width, height);
}

// A window manager keeps the window within the bound; where none runs, any program can make it larger, and it
// is asked back within the bound. Only once for each time it is too large, so that a window manager that
// insists on a size cannot start a tug of war.
static void KeepWithinBound(PlatformWindow& window)
{
    int width = 0;
    int height = 0;
    int mostWidth = 0;
    int mostHeight = 0;
    SDL_GetWindowSize(window.Sdl, &width, &height);
    SDL_GetWindowMaximumSize(window.Sdl, &mostWidth, &mostHeight);
    const bool tooLarge = mostWidth > 0 && mostHeight > 0 && (width > mostWidth || height > mostHeight);
    if (tooLarge && !window.AskedWithinBound) SDL_SetWindowSize(window.Sdl, mostWidth, mostHeight);
    window.AskedWithinBound = tooLarge;
}

void ReadyWindowForFrame(WindowHandle window)
{
    if (window == nullptr || window->Sdl == nullptr) return;
    // The drawing surface takes the window system's size as the frame's first drawing begins; one drawn for
    // 20000 x 20000 pixels takes seconds. The window's newest size, then, and its messages wait their turn.
    SDL_PumpEvents();
    KeepWithinBound(*window);
}

void SetFullScreen(WindowHandle window, bool fullScreen)
{
    if (window == nullptr || window->Sdl == nullptr) return;
    if (Kiosk && !fullScreen) return;  // a kiosk's screen is the program's for good
    // The desktop's own mode: no mode switch, and the window comes back at the size it had.
    if (SDL_SetWindowFullscreen(window->Sdl, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
    if (!fullScreen && window->AwayFromWindowed) {
        // It was made at the screen's size, which a window manager gives back; the window it opens as instead.
        window->AwayFromWindowed = false;
        SDL_SetWindowSize(window->Sdl, window->Windowed.w, window->Windowed.h);
        SDL_SetWindowPosition(window->Sdl, window->Windowed.x, window->Windowed.y);
        BoundToLargestScreen(*window);  // which SDL leaves to a window that starts full screen
    }
}

void KeepScreenAwake(bool awake)
{
    static bool kept = false;  // SDL leaves the screen saver alone, as RegisterWindowClass asks
    if (awake == kept) return;
    kept = awake;
    if (awake)
        SDL_DisableScreenSaver();
    else
        SDL_EnableScreenSaver();
}

static ScreenFacts MainScreen()
{
    ScreenFacts screen{1024, 768, 1024, 768, 0};
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) screen = {mode.w, mode.h, mode.w, mode.h, 0};
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
        screen.UsableWidth = usable.w;
        screen.UsableHeight = usable.h;
    }
    float dotsPerInch = 0;
    if (SDL_GetDisplayDPI(0, &dotsPerInch, nullptr, nullptr) == 0) screen.DotsPerInch = dotsPerInch;
    return screen;
}

const char* PlatformErrorText()
{
    return ErrorText;
}

bool RegisterWindowClass(WindowProcedure procedure, const char* iconFile)
{
    // The desktop finds the window's menu entry and icon by the window's app id (Wayland) or class (X11):
    // both name the desktop entry. SDL reads them from the environment when its video starts; a value the
    // user set is kept.
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", QUILLORA_APP_ID, 0);
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", QUILLORA_APP_ID, 0);
    // SDL would hold the screen saver off for as long as the program runs; a forgotten window on the menu must
    // not keep a screen lit and unlocked. Scenes hold it off themselves (KeepScreenAwake). A hint the user set
    // in the environment is kept.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::snprintf(ErrorText, sizeof ErrorText, "no display could be opened (%s)", SDL_GetError());
        SDL_Quit();  // what did start (the timer, the session bus) is shut down again
        return false;
    }
    // With no display SDL falls back to a driver whose windows no one can see; the program would run unseen
    // until killed. Such a driver is only right when it was asked for by name (headless tests and tools).
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
        (asked == nullptr || std::strstr(asked, driver) == nullptr)) {
        SDL_Quit();
        std::snprintf(ErrorText, sizeof ErrorText,
                      "no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY names one)");
        return false;
    }
    Procedure = procedure;
    IconFile = iconFile;
    return true;
}

void GetScreenSize(int* width, int* height)
{
    SDL_DisplayMode mode{};
    const bool known = SDL_GetDesktopDisplayMode(0, &mode) == 0;
    *width = known ? mode.w : 1024;
    *height = known ? mode.h : 768;
}

static int32_t Send(MessageKind kind, uint32_t first = 0, uint32_t second = 0)
{
    return Procedure != nullptr ? Procedure({&TheWindow, kind, first, second}) : 0;
}

WindowHandle CreateMainWindow(const char* caption, int x, int y)
{
    TheWindow = PlatformWindow{nullptr, x, y, caption, {}, false, false};
    WindowAlive = true;
    Send(MessageCreate);
    Send(MessageSize, ClientAreaWidth, ClientAreaHeight);
    return &TheWindow;
}

void ShowMainWindow(WindowHandle window)
{
    if (window->Sdl != nullptr) SDL_ShowWindow(window->Sdl);
}

void UpdateMainWindow(WindowHandle)
{
    Send(MessagePaint);
}

void DestroyMainWindow(WindowHandle window)
{
    if (!WindowAlive) return;
    WindowAlive = false;
    Send(MessageDestroy);
    if (window->Sdl != nullptr) SDL_DestroyWindow(window->Sdl);
    window->Sdl = nullptr;
}

int32_t DispatchWindowMessage(const WindowMessage& message)
{
    // The picture moves with the size message, between frames, before the procedure sets the viewport by it.
    if (message.Kind == MessageSize && message.Window != nullptr && message.Window->Sdl != nullptr) {
        KeepWithinBound(*message.Window);
        MeasurePicture(*message.Window, true);
    }
    return Procedure != nullptr ? Procedure(message) : DefaultWindowProcedure(message);
}

int32_t DefaultWindowProcedure(const WindowMessage& message)
{
    if (message.Kind == MessageClose) DestroyMainWindow(message.Window);
    return 0;
}

void PostQuitRequest(int exitCode)
{
    if (!QuitPosted) QuitCode = exitCode;
    QuitPosted = true;
}

int QuitExitCode()
{
    return QuitCode;
}

int ChoosePixelFormat(WindowHandle, const PixelFormatRequest& request)
{
    if (!request.DrawToWindow || !request.SupportOpenGL || !request.Rgba) return 0;
    // The closest the GL offers to the request; a 16-bit request gets at least 5-6-5.
    const int colour = request.ColourBits;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, colour >= 24 ? 8 : colour >= 15 ? 5 : 1);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, colour >= 24 ? 8 : colour >= 15 ? 6 : 1);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, colour >= 24 ? 8 : colour >= 15 ? 5 : 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, request.DepthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, request.StencilBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, request.DoubleBuffer ? 1 : 0);
    return 1;
}

bool SetPixelFormat(WindowHandle window, int format)
{
    if (format != 1) return false;
    if (window->Sdl != nullptr) return true;
    int width = StartWidth;
    int height = StartHeight;
    int x = window->X;
    int y = window->Y;
    if (width <= 0 || height <= 0) {
        const int scale = StartWindowScale(MainScreen(), ClientAreaWidth, ClientAreaHeight);
        width = ClientAreaWidth * scale;
        height = ClientAreaHeight * scale;
        x -= (width - ClientAreaWidth) / 2;  // grown about the centre the program chose
        y -= (height - ClientAreaHeight) / 2;
    }
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                         (StartFullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window->Windowed = {x, y, width, height};
    // Full screen is the window manager's to give; where there is none (a session that runs only this program)
    // a window made at the screen's size and place fills the screen all the same.
    SDL_Rect screen{};
    if (StartFullScreen && SDL_GetDisplayBounds(0, &screen) == 0) {
        window->Sdl = SDL_CreateWindow(window->Caption, screen.x, screen.y, screen.w, screen.h, flags);
        window->AwayFromWindowed = true;
    } else {
        window->Sdl = SDL_CreateWindow(window->Caption, x, y, width, height, flags);
    }
    if (window->Sdl == nullptr) {
        std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
        return false;
    }
    int pixelsWide = 0;
    int pointsWide = 0;
    SDL_GL_GetDrawableSize(window->Sdl, &pixelsWide, nullptr);
    SDL_GetWindowSize(window->Sdl, &pointsWide, nullptr);
    if (pixelsWide > pointsWide && StartWidth <= 0) {
        // This window system counts in points and gives the window more pixels by itself (HiDPI): in points,
        // the client size keeps the picture's size on the screen.
        SDL_SetWindowSize(window->Sdl, ClientAreaWidth, ClientAreaHeight);
        window->Windowed.w = ClientAreaWidth;
        window->Windowed.h = ClientAreaHeight;
    }
    BoundToLargestScreen(*window);
    // SDL reports the size it keeps as a new one; the window is not on the screen yet, so nothing else waits.
    SDL_FlushEvent(SDL_WINDOWEVENT);
    MeasurePicture(*window, false);
    if (IconFile != nullptr) {
        if (SDL_Surface* icon = SDL_LoadBMP(IconFile)) {
            SDL_SetWindowIcon(window->Sdl, icon);
            SDL_FreeSurface(icon);
        }
    }
    return true;
}

RenderHandle CreateRenderContext(WindowHandle window)
{
    if (window->Sdl == nullptr) return nullptr;
    RenderHandle context = SDL_GL_CreateContext(window->Sdl);
    if (context == nullptr) std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
    return context;
}

bool MakeRenderContextCurrent(WindowHandle window, RenderHandle context)
{
    if (window->Sdl == nullptr || context == nullptr) return false;
    if (SDL_GL_MakeCurrent(window->Sdl, context) == 0) return true;
    std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
    return false;
}

void DeleteRenderContext(RenderHandle context)
{
    if (context != nullptr) SDL_GL_DeleteContext(context);
}
