// SPDX-License-Identifier: MIT
// The pattern operand P of a raster operation: a brush sampled over a row of device
// pixels, already in the destination's colour domain. A pattern is a picture: on a scaled
// surface each of its pixels covers a logical pixel.
#pragma once

#include "platform/gdi/Gdi.h"

#include <vector>

class BrushPattern {
public:
    // Samples columns [left, left + count) of a destination DC. A null or hollow brush,
    // or a pattern brush without pixels, gives 0 everywhere.
    BrushPattern(const GdiBrush* brush, const GdiDc& dest, int left, int count);

    // The pattern pixels of one device row; valid until the next call.
    const COLORREF* Row(int deviceY);

private:
    COLORREF PatternPixel(COLORREF pixel) const;

    const GdiBrush* FBrush = nullptr; // set only for a pattern brush, which varies by row
    COLORREF FTextColor = 0;
    COLORREF FBkColor = 0;
    bool FMonochromeTarget = false;
    TPoint FOrigin;
    int FLeft = 0;
    double FScale = 1.0;
    std::vector<int> FPatternColumns; // on a scaled surface: the pattern column of each device column
    std::vector<COLORREF> FRow;
};
