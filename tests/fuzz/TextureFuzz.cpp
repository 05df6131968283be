// TextureFuzz.cpp -- fuzz target: any bytes as the stone texture file, read by the program's scene set-up.
// A file of at least 12288 bytes gives exactly its first 12288 bytes as the texture; a shorter one stops
// set-up with the error box that names the file and says it is too short.
#include <cstring>
#include "FuzzProgram.h"
#include "framework/SceneSetup.h"
#include "world/World.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchDirectory();  // no pictures here: set-up uses its black stand-ins
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteScratchFile("texstone1.raw", data, size);
    std::memset(StoneTexture, 0xA5, sizeof StoneTexture);
    CurrentScene = static_cast<int32_t>(size % LetterSceneCount);  // any letter scene: they read the texture alike
    bool stopped = false;
    try {
        SceneSetup();
    } catch (const ProgramStopped& stop) {
        stopped = true;
        if (stop.Caption != "Error" || stop.Text.find("texstone1.raw") == std::string::npos ||
            stop.Text.find("shorter than 12288 bytes") == std::string::npos)
            FuzzFailure("a short texture gave the message \"" + stop.Text + "\"");
    }
    if (stopped != (size < sizeof StoneTexture))
        FuzzFailure(stopped ? "a texture of 12288 bytes or more was refused" : "a short texture was accepted");
    if (!stopped && std::memcmp(StoneTexture, data, sizeof StoneTexture) != 0)
        FuzzFailure("the texture is not the file's first 12288 bytes");
    return 0;
}
