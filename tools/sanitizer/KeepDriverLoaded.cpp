// KeepDriverLoaded.cpp -- linked into every program of a sanitizer build, and into nothing else.
// When a program closes its window, SDL unloads the GL or EGL library and Mesa its software driver. The
// blocks they keep for the life of the process are then held only by modules that are gone: LeakSanitizer
// reports them as leaks, and cannot even name where they came from. Opened here first and never unloaded,
// those modules keep holding their blocks to the end, as they do in any run that never closes its window.
#include <dlfcn.h>
#include <glob.h>

static void* OpenDriverForGood()
{
    glob_t found{};
    void* driver = nullptr;
    if (glob("/usr/lib/*/dri/swrast_dri.so", 0, nullptr, &found) == 0 && found.gl_pathc > 0)
        driver = dlopen(found.gl_pathv[0], RTLD_NOW | RTLD_NODELETE);
    globfree(&found);
    return driver;
}

static void* const Driver = OpenDriverForGood();
// The libraries SDL opens for a window and closes with it: the GL dispatch (GLX under X, EGL offscreen)
// with Mesa's own behind it.
static void* const Vendors[] = {
    dlopen("libEGL_mesa.so.0", RTLD_NOW | RTLD_NODELETE), dlopen("libGLX_mesa.so.0", RTLD_NOW | RTLD_NODELETE),
    dlopen("libEGL.so.1", RTLD_NOW | RTLD_NODELETE), dlopen("libGL.so.1", RTLD_NOW | RTLD_NODELETE),
    dlopen("libGLX.so.0", RTLD_NOW | RTLD_NODELETE), dlopen("libGLdispatch.so.0", RTLD_NOW | RTLD_NODELETE),
    dlopen("libOpenGL.so.0", RTLD_NOW | RTLD_NODELETE)};
