// SPDX-License-Identifier: MIT
#include "tools/gallery/GalleryGlyphs.h"

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int kSize = 16;

// Whether the picture covers the pixel (x, y) of the 16 x 16 square.
bool Covers(GalleryPicture picture, int x, int y)
{
    const int dx = x - 8;
    const int dy = y - 8;
    switch (picture) {
    case GalleryPicture::ArrowLeft:
        return (x >= 2 && x < 9 && std::abs(dy) <= x - 2) || (x >= 8 && x <= 13 && std::abs(dy) <= 2);
    case GalleryPicture::ArrowRight:
        return Covers(GalleryPicture::ArrowLeft, kSize - 1 - x, y);
    case GalleryPicture::ArrowUp:
        return Covers(GalleryPicture::ArrowLeft, y, x);
    case GalleryPicture::ArrowDown:
        return Covers(GalleryPicture::ArrowLeft, kSize - 1 - y, x);
    case GalleryPicture::Disc:
        return dx * dx + dy * dy <= 36;
    case GalleryPicture::Square:
        return x >= 3 && x <= 12 && y >= 3 && y <= 12;
    case GalleryPicture::Plus:
        return (std::abs(dx) <= 1 && y >= 2 && y <= 13) || (std::abs(dy) <= 1 && x >= 2 && x <= 13);
    case GalleryPicture::Star:
        return std::abs(dx) + std::abs(dy) <= 6 || (std::abs(dx) == std::abs(dy) && std::abs(dx) <= 5);
    }
    return false;
}

} // namespace

std::unique_ptr<TBitmap> MakeGalleryGlyph(GalleryPicture picture, TColor color)
{
    const COLORREF ink = ColorToRGB(color);
    // A dark outline one pixel around the shape, so the disabled look has edges to emboss.
    std::vector<COLORREF> pixels(kSize * kSize, COLORREF(clFuchsia));
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (Covers(picture, x, y)) {
                const bool edge = !Covers(picture, x - 1, y) || !Covers(picture, x + 1, y)
                    || !Covers(picture, x, y - 1) || !Covers(picture, x, y + 1);
                pixels[std::size_t(y * kSize + x)] = edge ? COLORREF(0) : ink;
            }
        }
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(PixelRaster { kSize, kSize, false, std::move(pixels) });
    bitmap->SetTransparentColor(clFuchsia);
    return bitmap;
}
