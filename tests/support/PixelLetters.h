// SPDX-License-Identifier: MIT
// Small bitmaps written as rows of letters, one letter per pixel, so that golden pictures read
// as pictures in the tests.
#pragma once

#include "platform/vcl/graphics/Graphics.h"

#include <map>
#include <string>
#include <vector>

using Picture = std::vector<std::string>;

// A pixel of a colour missing from the legend shows as '?'.
inline Picture LettersOf(const TBitmap& bitmap, const std::map<COLORREF, char>& legend)
{
    Picture rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < bitmap.Width(); ++x) {
            const auto found = legend.find(bitmap.Raster().At(x, y));
            rows.back() += found == legend.end() ? '?' : found->second;
        }
    }
    return rows;
}
