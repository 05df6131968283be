# Hardening.cmake -- Debian's hardening for everything the build compiles: what `dpkg-buildflags` gives with
# DEB_BUILD_MAINT_OPTIONS=hardening=+all (stack protector, _FORTIFY_SOURCE, format checks, PIE, full RELRO
# with BIND_NOW), plus stack clash and control-flow protection. Written out here rather than asked of
# dpkg-buildflags, so the first run needs no dpkg-dev and every machine builds the same program.
# None of these flags changes how the program computes: the optimisation level stays the build type's own.
# Sanitizer and fuzzing builds leave it out: AddressSanitizer checks what _FORTIFY_SOURCE would.

option(QUILLORA_HARDENING "Build with Debian's hardening flags" ON)
if(NOT QUILLORA_HARDENING OR QUILLORA_SANITIZE OR QUILLORA_FUZZ)
  return()
endif()

add_compile_options(-fstack-protector-strong -fstack-clash-protection -fcf-protection
                    -Wformat -Werror=format-security -fPIE)
# _FORTIFY_SOURCE needs the optimiser; a debug build without it would only warn on every file.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(-pie LINKER:-z,relro LINKER:-z,now)
