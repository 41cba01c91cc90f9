// SPDX-License-Identifier: MIT
// A plain raster of 0x00BBGGRR pixels, top row first. A monochrome raster holds only
// black (0x000000, bit 0) and white (0xFFFFFF, bit 1).
#pragma once

#include "platform/gdi/Color.h"

#include <cstddef>
#include <vector>

struct PixelRaster {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<COLORREF> pixels; // width * height, row after row

    COLORREF At(int x, int y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    COLORREF& At(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    COLORREF* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const COLORREF* Row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRaster&, const PixelRaster&) = default;
};
