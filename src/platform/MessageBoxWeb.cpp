// MessageBoxWeb.cpp -- the error message box in the page: the page shows the text over the canvas (index.html's
// showMessage), and it is said once on standard error, which the page sends to the browser's console.
#include <emscripten.h>
#include <cstdio>
#include "platform/Window.h"

void ShowMessageBox(const char* text, const char* caption)
{
    EM_ASM({
        if (Module.showMessage) Module.showMessage(UTF8ToString($0), UTF8ToString($1));
    }, text, caption);
    std::fprintf(stderr, "quillora: %s\n", text);
}
