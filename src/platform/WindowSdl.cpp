// WindowSdl.cpp -- the window, the delivery of its messages and the OpenGL binding over SDL2.
// The SDL window itself is made when the program sets its pixel format, because SDL needs the format
// before the window exists; the program still sees the creation message first, as it expects.
// The window can be any size, or full screen; the program always sees the client size it asked for, and the
// window shows its picture scaled to fit (PictureFit.h).
#include <cstdio>
#include <cstring>
#include "platform/WindowSdl.h"

// The original's window frame: 4 pixels each side, and 27 rows of frame beside the caption bar.
constexpr int FrameColumns = 8;
constexpr int FrameRows = 27;
constexpr int CaptionBarHeight = 19;

struct PlatformWindow {
    SDL_Window* Sdl;
    int X, Y;
    int ClientWidth, ClientHeight;
    const char* Caption;
    PictureGeometry Picture;  // measured when the window is made and whenever its size changes
    uint32_t ResizedTick;     // when the size last changed
};

static WindowProcedure Procedure;
static const char* IconFile;
static PlatformWindow TheWindow;
static bool WindowAlive;
static bool QuitPosted;
static int QuitCode;
static char ErrorText[256];
static bool StartFullScreen;
static int StartWidth;
static int StartHeight;

// Software OpenGL on two cores (llvmpipe) draws the rod field's frames (the busiest) in about 7 ms a million
// pixels plus 8 ms, and stretches a drawn frame over the picture in about 4 ms a million pixels. Up to about 4.5
// million pixels (a 2880 x 1800 screen's picture) drawing it all is as cheap as drawing less and stretching;
// above, the frame is drawn with a 1920 x 1080 screen's picture's pixels (1532 x 1080), as fast as there, and
// stretched: on a 3840 x 2160 screen that keeps those scenes at about 60 ms at the 99th percentile, against
// about 75 ms drawn whole, within the 90 ms between frames.
constexpr DrawingLimit FrameDrawingLimit = {4500000, 1654560};

SDL_Window* SdlWindowOf(DeviceHandle device)
{
    return device != nullptr ? device->Sdl : nullptr;
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

const PictureGeometry& PictureGeometryOf(DeviceHandle device)
{
    return device->Picture;
}

static void MeasurePicture(PlatformWindow& window)
{
    int windowWidth = 0;
    int windowHeight = 0;
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    SDL_GetWindowSize(window.Sdl, &windowWidth, &windowHeight);
    SDL_GL_GetDrawableSize(window.Sdl, &surfaceWidth, &surfaceHeight);
    window.Picture = FitPicture(windowWidth, windowHeight, surfaceWidth, surfaceHeight, window.ClientWidth,
                                window.ClientHeight, FrameDrawingLimit);
}

void RemeasurePicture(WindowHandle window)
{
    if (window->Sdl == nullptr) return;
    MeasurePicture(*window);
    window->ResizedTick = SDL_GetTicks() | 1;  // never 0, which means never resized
}

bool WindowSizeSettling(DeviceHandle device)
{
    // SDL reports a full-screen size as soon as it asks for it; the window manager may apply it later, and a
    // frame drawn meanwhile goes to the surface of the old size.
    constexpr uint32_t SettlingMilliseconds = 1000;
    return device->ResizedTick != 0 && SDL_GetTicks() - device->ResizedTick < SettlingMilliseconds;
}

PictureArea PictureDrawingArea(int width, int height)
{
    if (TheWindow.Sdl == nullptr) return {0, 0, width, height};
    return TheWindow.Picture.Drawn;
}

void SetStartFullScreen(bool fullScreen)
{
    StartFullScreen = fullScreen;
}

void SetStartWindowSize(int width, int height)
{
    StartWidth = width;
    StartHeight = height;
}

void ToggleFullScreen(WindowHandle window)
{
    if (window == nullptr || window->Sdl == nullptr) return;
    const bool full = (SDL_GetWindowFlags(window->Sdl) & SDL_WINDOW_FULLSCREEN) != 0;
    // The desktop's own mode: no mode switch, and the window comes back at the size it had.
    if (SDL_SetWindowFullscreen(window->Sdl, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
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

bool RegisterWindowClass(const char*, WindowProcedure procedure, const char* iconFile)
{
    // The desktop finds the window's menu entry and icon by the window's app id (Wayland) or class (X11):
    // both name the desktop entry. SDL reads them from the environment when its video starts; a value the
    // user set is kept.
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", QUILLORA_APP_ID, 0);
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", QUILLORA_APP_ID, 0);
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

int GetSystemMetric(SystemMetricIndex index)
{
    SDL_DisplayMode mode{};
    switch (index) {
    case MetricScreenWidth:
        return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 1024;
    case MetricScreenHeight:
        return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 768;
    case MetricCaptionHeight:
        return CaptionBarHeight;
    }
    return 0;
}

void ClientSizeForWindow(int outerWidth, int outerHeight, int* clientWidth, int* clientHeight)
{
    *clientWidth = outerWidth - FrameColumns;
    *clientHeight = outerHeight - CaptionBarHeight - FrameRows;
}

static int32_t Send(MessageKind kind, uint32_t first = 0, uint32_t second = 0)
{
    return Procedure != nullptr ? Procedure({&TheWindow, kind, first, second}) : 0;
}

WindowHandle CreateMainWindow(const char* caption, int x, int y, int outerWidth, int outerHeight)
{
    TheWindow = PlatformWindow{nullptr, x, y, 0, 0, caption, {}, 0};
    ClientSizeForWindow(outerWidth, outerHeight, &TheWindow.ClientWidth, &TheWindow.ClientHeight);
    WindowAlive = true;
    Send(MessageCreate);
    Send(MessageSize, static_cast<uint32_t>(TheWindow.ClientWidth), static_cast<uint32_t>(TheWindow.ClientHeight));
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

void GetClientSize(WindowHandle window, int* width, int* height)
{
    *width = window->ClientWidth;
    *height = window->ClientHeight;
}

int32_t DispatchWindowMessage(const WindowMessage& message)
{
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

DeviceHandle GetDeviceContext(WindowHandle window)
{
    return window;
}

void ReleaseDeviceContext(WindowHandle, DeviceHandle)
{
}

int ChoosePixelFormat(DeviceHandle, const PixelFormatRequest& request)
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

bool SetPixelFormat(DeviceHandle device, int format, const PixelFormatRequest&)
{
    if (format != 1) return false;
    if (device->Sdl != nullptr) return true;
    int width = StartWidth;
    int height = StartHeight;
    int x = device->X;
    int y = device->Y;
    if (width <= 0 || height <= 0) {
        const int scale = StartWindowScale(MainScreen(), device->ClientWidth, device->ClientHeight);
        width = device->ClientWidth * scale;
        height = device->ClientHeight * scale;
        x -= (width - device->ClientWidth) / 2;  // grown about the centre the program chose
        y -= (height - device->ClientHeight) / 2;
    }
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                         (StartFullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    device->Sdl = SDL_CreateWindow(device->Caption, x, y, width, height, flags);
    if (device->Sdl == nullptr) {
        std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
        return false;
    }
    int pixelsWide = 0;
    int pointsWide = 0;
    SDL_GL_GetDrawableSize(device->Sdl, &pixelsWide, nullptr);
    SDL_GetWindowSize(device->Sdl, &pointsWide, nullptr);
    if (pixelsWide > pointsWide && StartWidth <= 0) {
        // This window system counts in points and gives the window more pixels by itself (HiDPI): in points,
        // the client size keeps the picture's size on the screen.
        SDL_SetWindowSize(device->Sdl, device->ClientWidth, device->ClientHeight);
    }
    MeasurePicture(*device);
    if (IconFile != nullptr) {
        if (SDL_Surface* icon = SDL_LoadBMP(IconFile)) {
            SDL_SetWindowIcon(device->Sdl, icon);
            SDL_FreeSurface(icon);
        }
    }
    return true;
}

RenderHandle CreateRenderContext(DeviceHandle device)
{
    if (device->Sdl == nullptr) return nullptr;
    RenderHandle context = SDL_GL_CreateContext(device->Sdl);
    if (context == nullptr) std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
    return context;
}

bool MakeRenderContextCurrent(DeviceHandle device, RenderHandle context)
{
    if (device->Sdl == nullptr || context == nullptr) return false;
    if (SDL_GL_MakeCurrent(device->Sdl, context) == 0) return true;
    std::snprintf(ErrorText, sizeof ErrorText, "%s", SDL_GetError());
    return false;
}

void DeleteRenderContext(RenderHandle context)
{
    if (context != nullptr) SDL_GL_DeleteContext(context);
}

void ShowMessageBox(const char* text, const char* caption)
{
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr) != 0)
        std::fprintf(stderr, "%s: %s\n", caption, text);
}
