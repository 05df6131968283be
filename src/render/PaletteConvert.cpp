// PaletteConvert.cpp -- palette pictures (8, 4 or 1 bits) to 24-bit blue-green-red.
#include "render/Render.h"

static uint32_t PaletteColour(const ImageRecord* record, int index)
{
    const PaletteEntry& entry = record->Palette[index];
    return entry.Red | (entry.Green << 8) | (entry.Blue << 16);
}

void ConvertPaletteImage(ImageRecord* record, int targetBits)
{
    if (targetBits != 24 || record->Header == nullptr) return;
    const int width = record->Header->Width;
    const int height = record->Header->Height;
    const int bits = record->Header->BitCount;
    if (bits == 24) return;

    ImageRecord converted{};
    newdib(&converted, width, height, 24, 0, 0);
    if (converted.Handle == 0) return;

    for (int y = 0; y < height; y++) {
        const uint8_t* source = record->Pixels + y * record->Stride;
        uint8_t* target = converted.Pixels + y * converted.Stride;
        for (int x = 0; x < width; x++) {
            // Our decoders give 8-bit palette pictures only; the 4-bit and 1-bit ways stay because the menu's
            // picture may be any palette picture the image record can hold, and converting it must not read
            // its rows as 8 bits.
            if (bits == 8 || bits == 4) {
                int index = bits == 8 ? source[x] : (x % 2 == 0 ? source[x / 2] >> 4 : source[x / 2] & 0x0F);
                const PaletteEntry& entry = record->Palette[index];
                target[3 * x] = entry.Blue;
                target[3 * x + 1] = entry.Green;
                target[3 * x + 2] = entry.Red;
            } else if (bits == 1) {
                setpixel(&converted, x, y, PaletteColour(record, getpixel(record, x, y) == 0 ? 0 : 1));
            }
        }
    }
    deldib(record);
    *record = converted;
}
