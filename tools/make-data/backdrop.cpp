// backdrop.cpp -- makes bkgnd1.jpg: a calm outdoor view (sky, soft clouds, far hills, meadow) behind the
// scenes. Cool blues and greens only, so the red props and the grey figure stand out against it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

static const int Width = 760, Height = 550;
static const int Horizon = 300;  // picture row where the far hills meet the sky

struct Rgb { double R, G, B; };
static Rgb Mix(Rgb a, Rgb b, double t) { return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t}; }

// Smooth value noise from a fixed hash: the same picture on every build.
static double Hash(int x, int y)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + 12345u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xffffff) / 16777216.0;
}
static double Noise(double x, double y)
{
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    double tx = x - x0, ty = y - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    double a = Hash(x0, y0) + (Hash(x0 + 1, y0) - Hash(x0, y0)) * tx;
    double b = Hash(x0, y0 + 1) + (Hash(x0 + 1, y0 + 1) - Hash(x0, y0 + 1)) * tx;
    return a + (b - a) * ty;
}
static double Fractal(double x, double y, int octaves)
{
    double sum = 0, amplitude = 0.5;
    for (int i = 0; i < octaves; i++, x *= 2, y *= 2, amplitude /= 2)
        sum += amplitude * Noise(x, y);
    return sum;
}

static Rgb Pixel(int x, int y)
{
    // Far hills: a low wavy line just above the horizon, hazy blue-green.
    double farHill = Horizon - 14 - 44 * Fractal(x / 230.0, 3.7, 3);
    double nearHill = Horizon + 6 - 16 * Fractal(x / 110.0 + 20, 8.1, 3);
    if (y < farHill) {
        double t = y / (double)Horizon;
        Rgb sky = Mix({104, 160, 222}, {200, 224, 242}, t * t);
        // Clouds: soft white wisps, thicker high up, thinning towards the horizon.
        double c = Fractal(x / 120.0, y / 45.0, 5) - 0.53 + 0.1 * (1 - t);
        double cloud = std::fmin(1.0, std::fmax(0.0, c * 4.0));
        return Mix(sky, {248, 250, 252}, cloud * 0.85);
    }
    if (y < nearHill) {
        double haze = Fractal(x / 40.0, y / 40.0, 2) * 0.15;
        return Mix({136, 170, 170}, {170, 196, 200}, haze + 0.2);
    }
    // Meadow: lighter far away, richer and darker towards the viewer, with faint patches of grass.
    double t = (y - nearHill) / (Height - nearHill);
    Rgb grass = Mix({152, 196, 122}, {92, 150, 76}, t);
    double patch = Fractal(x / 70.0, y / (18.0 + 40 * t), 4) - 0.5;
    return Mix(grass, {60, 110, 60}, std::fmax(0.0, patch) * 0.6);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-backdrop OUT.jpg\n");
        return 2;
    }
    std::vector<uint8_t> rgb(Width * Height * 3);
    for (int y = 0; y < Height; y++)
        for (int x = 0; x < Width; x++) {
            Rgb c = Pixel(x, y);
            uint8_t *p = &rgb[(y * Width + x) * 3];
            p[0] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, c.R)));
            p[1] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, c.G)));
            p[2] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, c.B)));
        }

    FILE *file = std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "make-backdrop: cannot write %s\n", argv[1]);
        return 1;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = Width;
    info.image_height = Height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &rgb[info.next_scanline * Width * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0) {
        std::fprintf(stderr, "make-backdrop: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
