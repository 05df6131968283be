// MessageBoxSdl.cpp -- the error message box over SDL, on the desktop; the browser has a box of its own
// (MessageBoxWeb.cpp).
#include <csignal>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>
#include "platform/WindowSdl.h"

// SDL catches SIGINT and SIGTERM to queue a quit event, which nothing reads while the box waits in its own loop;
// on X11 the box is a child process that SDL waits for. A signal therefore ends the box's process, then the
// program. Only system calls here, as a signal handler may use.
static pid_t BoxThread;  // the thread that shows the box, whose children the box's process is among

static void EndOnSignal(int)
{
    char path[64] = "/proc/self/task/";
    size_t length = 16;
    char digits[16];
    size_t count = 0;
    for (pid_t tid = BoxThread; tid > 0 && count < sizeof digits; tid /= 10) digits[count++] = static_cast<char>('0' + tid % 10);
    while (count > 0) path[length++] = digits[--count];
    const char tail[] = "/children";
    for (size_t i = 0; i < sizeof tail; i++) path[length++] = tail[i];
    const int file = open(path, O_RDONLY);
    if (file >= 0) {
        char text[256];
        const ssize_t read = ::read(file, text, sizeof text - 1);
        close(file);
        pid_t child = 0;
        for (ssize_t i = 0; i < read; i++) {
            if (text[i] >= '0' && text[i] <= '9') {
                child = child * 10 + (text[i] - '0');
            } else {
                if (child > 0) kill(child, SIGKILL);
                child = 0;
            }
        }
        if (child > 0) kill(child, SIGKILL);
    }
    _exit(1);
}

void ShowMessageBox(const char* text, const char* caption)
{
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction ending{};
    ending.sa_handler = EndOnSignal;
    sigemptyset(&ending.sa_mask);
    struct sigaction previous[3];
    BoxThread = static_cast<pid_t>(syscall(SYS_gettid));
    for (int i = 0; i < 3; i++) sigaction(signals[i], &ending, &previous[i]);
    const bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr) == 0;
    for (int i = 0; i < 3; i++) sigaction(signals[i], &previous[i], nullptr);
    // Where no box can be shown (no display, or a replay), the text is said once, under the program's own name.
    if (!shown) std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, text);
}
