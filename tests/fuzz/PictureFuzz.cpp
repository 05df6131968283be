// PictureFuzz.cpp -- fuzz target: any bytes as the menu picture and the scenes' backdrop.
// OpenDib must hand back a record whose pixel buffer holds every row it claims; scene set-up must end with
// the 760 x 550, 24-bit background the frames draw from, whatever the file held.
#include "FuzzProgram.h"
#include "framework/SceneSetup.h"
#include "world/World.h"
#include "platform/Image.h"

static void CheckRecord(const ImageRecord& record, const char* fileName)
{
    const std::string name = fileName;
    if (record.Header == nullptr || record.Handle == 0 || record.Pixels == nullptr)
        FuzzFailure(name + ": OpenDib left an empty record");
    const BitmapHeader& header = *record.Header;
    if (header.Width <= 0 || header.Height <= 0 || (header.BitCount != 8 && header.BitCount != 24))
        FuzzFailure(name + ": OpenDib gave an impossible size or depth");
    if (record.Stride < (header.Width * header.BitCount + 7) / 8 || record.Stride % 4 != 0)
        FuzzFailure(name + ": the row stride does not hold a row");
    if (header.BitCount == 8 && record.PaletteCount > 256) FuzzFailure(name + ": more than 256 palette entries");
    TouchBytes(record.Pixels, static_cast<size_t>(record.Stride) * static_cast<size_t>(header.Height));
}

static void CheckBackground(const char* scene)
{
    const BitmapHeader* header = BackgroundBitmap.Header;
    if (header == nullptr || header->Width != 760 || header->Height != 550 || header->BitCount != 24 ||
        BackgroundImage != BackgroundBitmap.Pixels || BackgroundBitmap.Stride < 760 * 3)
        FuzzFailure(std::string(scene) + ": set-up left a background other than 760 x 550 at 24 bits");
    // Set-up's own red-blue swap has just read and written every pixel the frames draw.
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchDirectory();
    static const uint8_t texture[12288] = {};
    WriteScratchFile("texstone1.raw", texture, sizeof texture);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The file's first bytes choose the decoder, so only one of the two set-ups can reach it: a GIF as the
    // menu's picture (converted to 24 bits, red and blue swapped), anything else as the scenes' backdrop.
    const bool gif = size > 0 && data[0] == 'G';
    const char* fileName = gif ? "startscreen.gif" : "bkgnd1.jpg";
    WriteScratchFile(fileName, data, size);

    ImageRecord record{};
    OpenDib(&record, fileName, gif ? 5 : 7, 0);
    CheckRecord(record, fileName);
    deldib(&record);

    CurrentScene = gif ? MenuScene : 0;
    SceneSetup();
    CheckBackground(gif ? "the menu" : "scene A");
    return 0;
}
