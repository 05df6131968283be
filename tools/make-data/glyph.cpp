// glyph.cpp -- FreeType rendering of single letters for the menu picture and the icons.
#include "glyph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <ft2build.h>
#include FT_FREETYPE_H

static FT_Library Library;
static FT_Face Face;

void OpenGlyphFont(const std::string &fontPath)
{
    if (FT_Init_FreeType(&Library) != 0 || FT_New_Face(Library, fontPath.c_str(), 0, &Face) != 0) {
        std::fprintf(stderr, "make-data: the font %s is missing; install the Debian package fonts-dejavu-core\n",
                     fontPath.c_str());
        std::exit(1);
    }
}

GlyphMasks RenderGlyph(char letter, int pixelSize, int ringWidth)
{
    FT_Set_Pixel_Sizes(Face, 0, pixelSize);
    if (FT_Load_Char(Face, (FT_ULong)(unsigned char)letter, FT_LOAD_RENDER) != 0) {
        std::fprintf(stderr, "make-data: the font has no letter %c\n", letter);
        std::exit(1);
    }
    const FT_Bitmap &bitmap = Face->glyph->bitmap;
    GlyphMasks masks;
    masks.Width = (int)bitmap.width + 2 * ringWidth;
    masks.Height = (int)bitmap.rows + 2 * ringWidth;
    masks.Fill.assign(masks.Width * masks.Height, 0);
    for (int y = 0; y < (int)bitmap.rows; y++)
        for (int x = 0; x < (int)bitmap.width; x++)
            masks.Fill[(y + ringWidth) * masks.Width + x + ringWidth] = bitmap.buffer[y * bitmap.pitch + x];

    // The ring is the letter grown by a round brush: the most coverage within ringWidth of each pixel,
    // softened at the brush's edge so the outline stays smooth.
    masks.Ring.assign(masks.Fill.size(), 0);
    for (int y = 0; y < masks.Height; y++)
        for (int x = 0; x < masks.Width; x++) {
            double best = 0;
            for (int dy = -ringWidth - 1; dy <= ringWidth + 1; dy++)
                for (int dx = -ringWidth - 1; dx <= ringWidth + 1; dx++) {
                    int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= masks.Width || sy >= masks.Height)
                        continue;
                    double reach = std::clamp(ringWidth + 0.5 - std::sqrt(dx * dx + dy * dy), 0.0, 1.0);
                    best = std::max(best, reach * masks.Fill[sy * masks.Width + sx]);
                }
            masks.Ring[y * masks.Width + x] = (uint8_t)std::lround(best);
        }
    return masks;
}
