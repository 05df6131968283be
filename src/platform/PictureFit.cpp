// PictureFit.cpp -- the scaled picture's rectangles, the pointer's way back to client positions, and the
// window's start scale: geometry alone, with no window system in it.
#include "platform/WindowPicture.h"
#include <algorithm>
#include <cmath>

PictureGeometry FitPicture(int windowWidth, int windowHeight, int surfaceWidth, int surfaceHeight, int clientWidth,
                           int clientHeight, const DrawingLimit& limit)
{
    PictureGeometry geometry{windowWidth, windowHeight, surfaceWidth, surfaceHeight, clientWidth, clientHeight, {}, {}};
    if (surfaceWidth <= 0 || surfaceHeight <= 0 || clientWidth <= 0 || clientHeight <= 0) return geometry;
    // Whichever side fills the surface; the other is rounded to the nearest pixel (whole numbers, so that the
    // same sizes always give the same picture).
    int width = surfaceWidth;
    int height = surfaceHeight;
    if (static_cast<long long>(surfaceWidth) * clientHeight > static_cast<long long>(surfaceHeight) * clientWidth)
        width = static_cast<int>((2LL * surfaceHeight * clientWidth + clientHeight) / (2LL * clientHeight));
    else
        height = static_cast<int>((2LL * surfaceWidth * clientHeight + clientWidth) / (2LL * clientWidth));
    geometry.Shown = {(surfaceWidth - width) / 2, (surfaceHeight - height) / 2, width, height};

    geometry.Drawn = geometry.Shown;
    if (static_cast<long long>(width) * height > limit.MostDrawnAsShown) {
        const double scale =
            std::sqrt(static_cast<double>(limit.StretchedFrom) / (static_cast<double>(clientWidth) * clientHeight));
        geometry.Drawn = {0, 0, std::max(1, static_cast<int>(clientWidth * scale)),
                          std::max(1, static_cast<int>(clientHeight * scale))};
    }
    return geometry;
}

bool ShownAtOwnSize(const PictureGeometry& geometry)
{
    return geometry.SurfaceWidth == geometry.ClientWidth && geometry.SurfaceHeight == geometry.ClientHeight &&
           geometry.Drawn.Width == geometry.ClientWidth && geometry.Drawn.Height == geometry.ClientHeight;
}

bool ClientPointAt(const PictureGeometry& geometry, int x, int y, int* clientX, int* clientY)
{
    if (x < 0 || y < 0 || x >= geometry.WindowWidth || y >= geometry.WindowHeight) return false;
    const PictureArea& shown = geometry.Shown;
    if (shown.Width <= 0 || shown.Height <= 0) return false;
    // Window units to surface pixels, top row first.
    const long long pixelX = static_cast<long long>(x) * geometry.SurfaceWidth / geometry.WindowWidth;
    const long long pixelY = static_cast<long long>(y) * geometry.SurfaceHeight / geometry.WindowHeight;
    const long long intoX = pixelX - shown.X;
    const long long intoY = pixelY - (geometry.SurfaceHeight - shown.Y - shown.Height);
    if (intoX < 0 || intoY < 0 || intoX >= shown.Width || intoY >= shown.Height) return false;
    *clientX = static_cast<int>(intoX * geometry.ClientWidth / shown.Width);
    *clientY = static_cast<int>(intoY * geometry.ClientHeight / shown.Height);
    return true;
}

int StartWindowScale(const ScreenFacts& screen, int clientWidth, int clientHeight)
{
    const int bySize = std::min(screen.Width / 1920, screen.Height / 1080);
    const int byDensity = screen.DotsPerInch > 0 ? static_cast<int>(std::lround(screen.DotsPerInch / 96.0f)) : 1;
    int scale = std::max({1, bySize, byDensity});
    while (scale > 1 && (clientWidth * scale > screen.UsableWidth || clientHeight * scale > screen.UsableHeight)) scale--;
    return scale;
}
