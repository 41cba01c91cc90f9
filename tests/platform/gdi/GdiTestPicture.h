// SPDX-License-Identifier: MIT
// A test surface read back as rows of letters, so that small golden pictures read as text.
#pragma once

#include "tests/platform/gdi/GdiTestSurface.h"

#include <string>
#include <vector>

using Picture = std::vector<std::string>;

// White reads '.', black '#', red 'r', blue 'b', anything else '?'.
inline Picture PictureOf(const TestSurface& surface, int width, int height)
{
    Picture rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = surface.At(x, y);
            row += pixel == kWhite         ? '.'
                : pixel == kBlack          ? '#'
                : pixel == RGB(0xFF, 0, 0) ? 'r'
                : pixel == RGB(0, 0, 0xFF) ? 'b'
                                           : '?';
        }
        rows.push_back(row);
    }
    return rows;
}
