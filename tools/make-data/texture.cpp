// texture.cpp -- makes texstone1.raw: a 64 x 64 RGB floor of rough stone cobbles set in mortar.
// The stones are the cells of a jittered grid measured on a torus, so the tile repeats without a seam.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

static const int Size = 64;
static const int Grid = 4;  // 4 x 4 stones; 16 texels each reads well when one texel fills many pixels

static uint32_t Seed = 20240611u;
static double Random01()
{
    Seed = Seed * 1664525u + 1013904223u;
    return (Seed >> 8) / 16777216.0;
}

// Shortest distance along one axis on the wrapped tile.
static double WrapDelta(double a, double b)
{
    double d = std::fabs(a - b);
    return d > Size / 2.0 ? Size - d : d;
}

// Signed offset from b to a, the short way round the tile.
static double WrapSigned(double a, double b)
{
    double d = a - b;
    if (d > Size / 2.0)
        d -= Size;
    if (d < -Size / 2.0)
        d += Size;
    return d;
}

// Smooth value noise with a period that divides the tile, so it wraps too.
static double Lattice[Size][Size];
static double Noise(double x, double y, int period)
{
    int step = Size / period;
    double fx = x / step, fy = y / step;
    int x0 = (int)std::floor(fx), y0 = (int)std::floor(fy);
    double tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return Lattice[((i % period) + period) % period][((j % period) + period) % period]; };
    double top = at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx;
    double bottom = at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-texture OUT.raw\n");
        return 2;
    }
    struct Stone { double X, Y, R, G, B; };
    std::vector<Stone> stones;
    for (int gy = 0; gy < Grid; gy++)
        for (int gx = 0; gx < Grid; gx++) {
            double cell = Size / (double)Grid;
            // Every other row is shifted half a stone, as cobbles are laid.
            double x = (gx + 0.5 + (gy % 2) * 0.5) * cell + (Random01() - 0.5) * 5;
            double y = (gy + 0.5) * cell + (Random01() - 0.5) * 5;
            double shade = 0.85 + Random01() * 0.25, warm = Random01() * 14;
            stones.push_back({std::fmod(x, Size), y, (150 + warm) * shade, (144 + warm * 0.5) * shade, 132 * shade});
        }
    for (auto &row : Lattice)
        for (double &v : row)
            v = Random01();

    std::vector<uint8_t> texels(Size * Size * 3);
    for (int y = 0; y < Size; y++)
        for (int x = 0; x < Size; x++) {
            double best = 1e9, second = 1e9;
            const Stone *near = nullptr;
            for (const Stone &s : stones) {
                double dx = WrapDelta(x + 0.5, s.X), dy = WrapDelta(y + 0.5, s.Y);
                double d = std::sqrt(dx * dx + dy * dy);
                if (d < best) {
                    second = best;
                    best = d;
                    near = &s;
                } else if (d < second) {
                    second = d;
                }
            }
            double edge = (second - best) / 2;  // distance to the border between two stones
            double grain = 0.8 * Noise(x, y, 16) + 0.4 * Noise(x, y, 32) - 0.6;
            double r, g, b;
            if (edge < 1.2) {
                // Mortar: darker and a little sandy.
                r = 92 + grain * 12, g = 87 + grain * 12, b = 78 + grain * 12;
            } else {
                // Stones are rounded: darker towards their rim, lit from the upper left.
                double rim = edge < 3.5 ? 0.78 + 0.22 * (edge - 1.2) / 2.3 : 1.0;
                double light = 1.0 + 0.05 * (WrapSigned(near->X, x + 0.5) + WrapSigned(near->Y, y + 0.5)) / 8.0;
                double k = rim * light * (1 + grain * 0.18);
                r = near->R * k, g = near->G * k, b = near->B * k;
            }
            uint8_t *t = &texels[(y * Size + x) * 3];
            t[0] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, r)));
            t[1] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, g)));
            t[2] = (uint8_t)std::lround(std::fmin(255, std::fmax(0, b)));
        }

    FILE *f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(texels.data(), 1, texels.size(), f) != texels.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "make-texture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
