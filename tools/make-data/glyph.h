// glyph.h -- one letter drawn by FreeType as coverage masks: the letter itself and a ring around it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct GlyphMasks {
    int Width = 0, Height = 0;    // both masks, including the ring's margin
    std::vector<uint8_t> Fill;    // 0..255 coverage of the letter
    std::vector<uint8_t> Ring;    // 0..255 coverage of the letter grown by the ring width
};

// Opens the font or exits with one line naming the font file and its Debian package.
void OpenGlyphFont(const std::string &fontPath);

// The ink of one character at the given pixel size, cropped to its ink, with a ring of ringWidth pixels.
GlyphMasks RenderGlyph(char letter, int pixelSize, int ringWidth);
