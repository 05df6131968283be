// Image.h -- the picture library: pictures decoded into bottom-up bitmap records.
#pragma once
#include <cstdint>

struct BitmapHeader {
    int32_t Width;
    int32_t Height;
    uint16_t BitCount;  // 1, 4, 8 or 24
};

struct PaletteEntry {
    uint8_t Red;
    uint8_t Green;
    uint8_t Blue;
    uint8_t Flags;
};

// One picture. The first row in memory is the bottom row; 24-bit pixels are blue, green, red.
// The record owns its header and pixels: release it with deldib.
struct ImageRecord {
    BitmapHeader* Header;
    uintptr_t Handle;  // non-zero while the record holds a bitmap
    uint8_t* Pixels;
    int32_t Stride;    // bytes from one row to the next, a multiple of 4
    uint16_t PaletteCount;
    PaletteEntry Palette[256];
};

// Decodes a GIF (kept as 8-bit palette indices) or a JPEG (24 bits) into record, which must be empty
// or released. A missing or broken file gives a black 760 x 550 24-bit picture.
void OpenDib(ImageRecord* record, const char* fileName, int mode, int reserved);
// An empty (zeroed) bitmap; the handle stays zero when it cannot be made.
void newdib(ImageRecord* record, int width, int height, int bitCount, int reserved1, int reserved2);
// Releases the bitmap and empties the record.
void deldib(ImageRecord* record);
// A pixel of a 1-bit picture: 0 for palette entry 0, otherwise 1. Column x, row y (bottom row 0).
int getpixel(const ImageRecord* record, int x, int y);
// Sets a pixel of a 24-bit picture; colour holds red in its low byte, then green, then blue.
void setpixel(ImageRecord* record, int x, int y, uint32_t colour);
