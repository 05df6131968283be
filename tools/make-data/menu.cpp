// menu.cpp -- makes startscreen.gif: the letters A to Z, each centred in the cell where the mouse finds it.
// The cells are those of the window's mouse handling, in client coordinates. The picture is drawn from the
// window's lower left corner, so client row y shows picture row y + 27 and the right 18 columns are unseen.
#include "glyph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gif_lib.h>
#include <sys/stat.h>

static const int Width = 760, Height = 550;
static const int HiddenTop = 27;  // picture rows above the client area

// Client x and y ranges of the letter columns and rows (first and last pixel of each).
static const int ColumnEdges[6][2] = {{31, 130}, {131, 225}, {226, 325}, {326, 420}, {421, 540}, {541, 640}};
static const int RowEdges[5][2] = {{0, 116}, {117, 224}, {225, 326}, {327, 432}, {433, 522}};

static const int CellMargin = 8;   // ink keeps this far from every cell border, so the gutters stay clear
static const int CapHeight = 66;   // pixel size giving letters about two thirds of a cell high
static const int RingWidth = 3;    // dark outline: keeps yellow and light letters legible on the light sky

struct Rgb { double R, G, B; };

static Rgb Mix(Rgb a, Rgb b, double t) { return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t}; }

// The backdrop: a light sky that warms towards the bottom, in bands so that it fits the palette.
static const int Bands = 32;
static Rgb BandColour(int band)
{
    return Mix({196, 228, 250}, {255, 244, 214}, band / (double)(Bands - 1));
}
static int BandOfRow(int y) { return y * Bands / Height; }

// Cheerful colours: the hue walks round the circle by the golden angle, so neighbours never look alike.
static Rgb LetterColour(int index)
{
    double h = std::fmod(index * 137.508 + 8, 360.0) / 60.0, s = 0.82, v = 0.93;
    int sector = (int)h;
    double f = h - sector, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    Rgb c[6] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    return {c[sector].R * 255, c[sector].G * 255, c[sector].B * 255};
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-menu FONT.ttf OUT.gif\n");
        return 2;
    }
    OpenGlyphFont(argv[1]);

    // Palette: the sky bands, then for each letter its fill, its outline and the blends between them.
    std::vector<Rgb> palette;
    for (int b = 0; b < Bands; b++)
        palette.push_back(BandColour(b));
    std::vector<uint8_t> pixels(Width * Height);
    for (int y = 0; y < Height; y++)
        std::fill_n(&pixels[y * Width], Width, (uint8_t)BandOfRow(y));

    for (int cell = 0; cell < 26; cell++) {
        int column = cell % 6, row = cell / 6;
        int left = ColumnEdges[column][0], right = ColumnEdges[column][1];
        int top = RowEdges[row][0] + HiddenTop, bottom = RowEdges[row][1] + HiddenTop;
        int roomX = right - left + 1 - 2 * CellMargin, roomY = bottom - top + 1 - 2 * CellMargin;

        // Same size for every letter unless it would not fit its cell (M and W in the narrow columns).
        int size = (int)std::lround(CapHeight / 0.729);  // DejaVu Sans Bold's cap height is 0.729 em
        GlyphMasks glyph = RenderGlyph((char)('A' + cell), size, RingWidth);
        while (glyph.Width > roomX || glyph.Height > roomY) {
            size--;
            glyph = RenderGlyph((char)('A' + cell), size, RingWidth);
        }

        Rgb fill = LetterColour(cell);
        Rgb ring = Mix(fill, {20, 20, 40}, 0.7);
        int first = (int)palette.size();
        Rgb sky = BandColour(BandOfRow((top + bottom) / 2));
        for (double t : {1 / 3.0, 2 / 3.0})
            palette.push_back(Mix(sky, ring, t));   // the outline's soft outer edge
        palette.push_back(ring);
        for (double t : {1 / 3.0, 2 / 3.0})
            palette.push_back(Mix(ring, fill, t));  // the letter's soft edge inside the outline
        palette.push_back(fill);
        int count = (int)palette.size() - first;

        int x0 = left + (right - left + 1 - glyph.Width) / 2, y0 = top + (bottom - top + 1 - glyph.Height) / 2;
        for (int y = 0; y < glyph.Height; y++)
            for (int x = 0; x < glyph.Width; x++) {
                double ringCover = glyph.Ring[y * glyph.Width + x] / 255.0;
                double fillCover = glyph.Fill[y * glyph.Width + x] / 255.0;
                if (ringCover == 0)
                    continue;
                uint8_t &pixel = pixels[(y0 + y) * Width + x0 + x];
                Rgb want = Mix(Mix(palette[pixel], ring, ringCover), fill, fillCover);
                // Nearest of this letter's entries and the sky behind it.
                int best = pixel;
                double bestDistance = 1e18;
                for (int i = first - 1; i < first + count; i++) {
                    const Rgb &c = i < first ? palette[pixel] : palette[i];
                    double d = (c.R - want.R) * (c.R - want.R) + (c.G - want.G) * (c.G - want.G) +
                               (c.B - want.B) * (c.B - want.B);
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i < first ? pixel : i;
                    }
                }
                pixel = (uint8_t)best;
            }
    }

    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; i++) {
        Rgb c = i < (int)palette.size() ? palette[i] : Rgb{0, 0, 0};
        map->Colors[i] = {(GifByteType)std::lround(c.R), (GifByteType)std::lround(c.G), (GifByteType)std::lround(c.B)};
    }
    int error = 0;
    GifFileType *gif = EGifOpenFileName(argv[2], false, &error);
    bool ok = gif && EGifPutScreenDesc(gif, Width, Height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, Width, Height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < Height; y++)
        ok = EGifPutLine(gif, &pixels[y * Width], Width) == GIF_OK;
    if (gif && EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    GifFreeMapObject(map);
    // giflib creates its files readable by the owner only; everyone runs the program.
    if (!ok || chmod(argv[2], 0644) != 0) {
        std::fprintf(stderr, "make-menu: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
