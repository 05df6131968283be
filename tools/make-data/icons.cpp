// icons.cpp -- makes the program's icons: a bright rounded tile with a big letter A, as PNG at the desktop
// sizes and as mainicon.bmp (64 x 64, 32-bit with alpha), the window icon, which SDL_LoadBMP reads alone.
#include "glyph.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

static const int Sizes[] = {16, 32, 48, 64, 128, 256};

struct Rgba { double R, G, B, A; };

// Paints colour c with coverage a over pixel p (straight alpha).
static void Over(Rgba &p, double r, double g, double b, double a)
{
    double out = a + p.A * (1 - a);
    if (out <= 0)
        return;
    p.R = (r * a + p.R * p.A * (1 - a)) / out;
    p.G = (g * a + p.G * p.A * (1 - a)) / out;
    p.B = (b * a + p.B * p.A * (1 - a)) / out;
    p.A = out;
}

static std::vector<uint8_t> DrawIcon(int size)
{
    std::vector<Rgba> image(size * size, Rgba{0, 0, 0, 0});
    // The tile: a rounded square from sky blue at the top to teal at the bottom, with a soft edge.
    double inset = size / 32.0, radius = size * 0.22;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            double cx = std::clamp(x + 0.5, inset + radius, size - inset - radius);
            double cy = std::clamp(y + 0.5, inset + radius, size - inset - radius);
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
            double cover = std::clamp(0.5 - d, 0.0, 1.0);
            double t = y / (double)size;
            Over(image[y * size + x], 70 + 10 * t, 150 - 10 * t, 235 - 75 * t, cover);
        }
    // The letter: sunny yellow with a dark outline, as large as the tile allows.
    int ring = std::max(1, size / 24);
    GlyphMasks glyph = RenderGlyph('A', (int)std::lround(size * 0.78), ring);
    int x0 = (size - glyph.Width) / 2, y0 = (size - glyph.Height) / 2;
    for (int y = 0; y < glyph.Height; y++)
        for (int x = 0; x < glyph.Width; x++) {
            int px = x0 + x, py = y0 + y;
            if (px < 0 || py < 0 || px >= size || py >= size)
                continue;
            Rgba &p = image[py * size + px];
            Over(p, 40, 30, 70, glyph.Ring[y * glyph.Width + x] / 255.0);
            Over(p, 255, 214, 40, glyph.Fill[y * glyph.Width + x] / 255.0);
        }
    std::vector<uint8_t> rgba(size * size * 4);
    for (int i = 0; i < size * size; i++) {
        const Rgba &p = image[i];
        rgba[i * 4 + 0] = (uint8_t)std::lround(std::clamp(p.R, 0.0, 255.0));
        rgba[i * 4 + 1] = (uint8_t)std::lround(std::clamp(p.G, 0.0, 255.0));
        rgba[i * 4 + 2] = (uint8_t)std::lround(std::clamp(p.B, 0.0, 255.0));
        rgba[i * 4 + 3] = (uint8_t)std::lround(std::clamp(p.A * 255, 0.0, 255.0));
    }
    return rgba;
}

static void Put16(std::vector<uint8_t> &out, uint32_t v) { out.push_back(v & 255); out.push_back(v >> 8 & 255); }
static void Put32(std::vector<uint8_t> &out, uint32_t v) { Put16(out, v & 0xffff); Put16(out, v >> 16); }

// A BMP with a version 4 header and explicit masks, so readers take the fourth byte as alpha.
static bool WriteBmp(const std::string &path, const std::vector<uint8_t> &rgba, int size)
{
    const uint32_t headerSize = 14 + 108, pixelBytes = size * size * 4;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, headerSize + pixelBytes);
    Put32(out, 0);
    Put32(out, headerSize);
    Put32(out, 108);
    Put32(out, size);
    Put32(out, size);  // positive height: bottom row first
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 3);     // BI_BITFIELDS
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0x00ff0000);  // red, green, blue, alpha masks
    Put32(out, 0x0000ff00);
    Put32(out, 0x000000ff);
    Put32(out, 0xff000000);
    Put32(out, 0x73524742);  // 'sRGB'
    for (int i = 0; i < 12; i++)
        Put32(out, 0);        // end points and gamma, unused with sRGB
    for (int y = size - 1; y >= 0; y--)
        for (int x = 0; x < size; x++) {
            const uint8_t *p = &rgba[(y * size + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    FILE *f = std::fopen(path.c_str(), "wb");
    return f && std::fwrite(out.data(), 1, out.size(), f) == out.size() && std::fclose(f) == 0;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons FONT.ttf OUTDIR\n");
        return 2;
    }
    OpenGlyphFont(argv[1]);
    std::string dir = argv[2];
    std::error_code error;
    std::filesystem::create_directories(dir + "/icons", error);
    for (int size : Sizes) {
        std::vector<uint8_t> rgba = DrawIcon(size);
        std::string path = dir + "/icons/quillora-" + std::to_string(size) + ".png";
        if (!stbi_write_png(path.c_str(), size, size, 4, rgba.data(), size * 4)) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", path.c_str());
            return 1;
        }
        if (size == 64 && !WriteBmp(dir + "/mainicon.bmp", rgba, size)) {
            std::fprintf(stderr, "make-icons: cannot write %s/mainicon.bmp\n", dir.c_str());
            return 1;
        }
    }
    return 0;
}
