// SPDX-License-Identifier: MIT
// Pictures and a mask for batch tests, written as real BMP files.
#pragma once

#include "platform/vcl/graphics/Graphics.h"

#include <cstdint>
#include <memory>
#include <string>

// A colour picture whose every pixel differs, seeded so that two pictures differ too.
inline std::unique_ptr<TBitmap> TestPicture(int width, int height, int seed)
{
    PixelRaster raster { width, height, false, {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.pixels.push_back(RGB(std::uint8_t(x * 7 + seed), std::uint8_t(y * 5 + seed * 3), std::uint8_t(x ^ y)));
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(std::move(raster));
    return bitmap;
}

inline void WriteTestPicture(const std::string& path, int width, int height, int seed)
{
    TestPicture(width, height, seed)->SaveToFile(path);
}

// Left half white (the picture shows), right half black (white in the tile).
inline void LoadHalfMask(TPicture& mask)
{
    PixelRaster raster { 128, 63, false, {} };
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 128; ++x)
            raster.pixels.push_back(x < 64 ? clWhite : clBlack);
    mask.Bitmap()->SetRaster(std::move(raster));
}
