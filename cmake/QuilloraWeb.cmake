# QuilloraWeb.cmake -- the browser build (tools/web-build): the libraries come from QUILLORA_WEB_SYSROOT, where
# tools/web-libraries built Debian's sources of them to WebAssembly, under the names the desktop build's
# find_package and pkg_check_modules give them; OpenGL is Emscripten's fixed-function emulation over WebGL.
# Included instead of those searches when CMake runs under Emscripten's toolchain (emcmake).

set(QUILLORA_WEB_SYSROOT "" CACHE PATH "Where tools/web-libraries installed SDL2, SDL2_mixer, giflib, libjpeg and GLU")
set(QUILLORA_WEB_GL_EMULATION "" CACHE FILEPATH "Emscripten's library_glemu.js with web/library_glemu.patch applied")
if(NOT EXISTS "${QUILLORA_WEB_GL_EMULATION}")
  message(FATAL_ERROR "QUILLORA_WEB_GL_EMULATION names no file: run tools/web-build")
endif()
if(NOT EXISTS ${QUILLORA_WEB_SYSROOT}/lib/libSDL2.a)
  message(FATAL_ERROR "QUILLORA_WEB_SYSROOT (${QUILLORA_WEB_SYSROOT}) holds no libSDL2.a: run tools/web-build")
endif()

function(quillora_web_library target library)
  add_library(${target} INTERFACE IMPORTED)
  target_include_directories(${target} INTERFACE ${QUILLORA_WEB_SYSROOT}/include ${ARGN})
  target_link_libraries(${target} INTERFACE ${QUILLORA_WEB_SYSROOT}/lib/${library})
endfunction()
quillora_web_library(PkgConfig::SDL2 libSDL2.a ${QUILLORA_WEB_SYSROOT}/include/SDL2)
# SDL's Emscripten backend calls two JavaScript helpers that nothing else pulls in (web/quillora-sdl.js).
target_link_options(PkgConfig::SDL2 INTERFACE "SHELL:--js-library ${PROJECT_SOURCE_DIR}/web/quillora-sdl.js")
quillora_web_library(PkgConfig::SDL2_MIXER libSDL2_mixer.a ${QUILLORA_WEB_SYSROOT}/include/SDL2)
quillora_web_library(GIF::GIF libgif.a)
quillora_web_library(JPEG::JPEG libjpeg.a)
quillora_web_library(OpenGL::GLU libGLU.a)
add_library(OpenGL::GL INTERFACE IMPORTED)
# The program draws with OpenGL 1.1's fixed functions: Emscripten emulates them, its patched copy replacing its
# own (see web/library_glemu.patch); web/quillora-gl.js adds the few calls the emulation lacks.
target_link_options(OpenGL::GL INTERFACE -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0
                    "SHELL:--js-library ${QUILLORA_WEB_GL_EMULATION}"
                    "SHELL:--js-library ${PROJECT_SOURCE_DIR}/web/quillora-gl.js")

# The page shows the program's error message itself.
set(QUILLORA_MESSAGE_BOX src/platform/MessageBoxWeb.cpp)
