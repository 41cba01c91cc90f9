// SPDX-License-Identifier: MIT
#include "platform/gdi/BrushPattern.h"

#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/DeviceScale.h"

#include <cstdint>

namespace {

// The remainder that stays in [0, divisor), so tiles repeat left of and above the origin.
int WrapIndex(std::int64_t value, int divisor)
{
    const std::int64_t remainder = value % divisor;
    return int(remainder < 0 ? remainder + divisor : remainder);
}

} // namespace

BrushPattern::BrushPattern(const GdiBrush* brush, const GdiDc& dest, int left, int count)
    : FTextColor(dest.textColor)
    , FBkColor(dest.bkColor)
    , FMonochromeTarget(dest.bitmap && dest.bitmap->raster.monochrome)
    , FOrigin(dest.brushOrigin)
    , FLeft(left)
    , FScale(SurfaceScale(dest))
    , FRow(std::size_t(count), 0)
{
    if (!brush)
        return;
    if (brush->style == BS_SOLID) {
        const COLORREF color = ColorToRGB(brush->color);
        FRow.assign(FRow.size(), FMonochromeTarget ? NearestMonochrome(color) : color);
        return;
    }
    if (brush->style != BS_PATTERN || brush->pattern.Empty())
        return;
    FBrush = brush;
    if (FScale == 1.0)
        return;
    FPatternColumns.resize(FRow.size());
    for (std::size_t index = 0; index < FRow.size(); ++index)
        FPatternColumns[index]
            = WrapIndex(LogicalCellOf(std::int64_t(left) + std::int64_t(index), FScale) - FOrigin.x,
                brush->pattern.width);
}

// A monochrome pattern is a two-colour stencil: its 0 bits take the text colour and its
// 1 bits the background colour of a colour target.
COLORREF BrushPattern::PatternPixel(COLORREF pixel) const
{
    if (FBrush->pattern.monochrome && FMonochromeTarget)
        return MonochromeBit(pixel);
    if (FBrush->pattern.monochrome)
        return (pixel & 1) ? FBkColor : FTextColor;
    if (FMonochromeTarget)
        return NearestMonochrome(pixel);
    return pixel & 0x00FFFFFF;
}

const COLORREF* BrushPattern::Row(int deviceY)
{
    if (!FBrush)
        return FRow.data();
    const PixelRaster& pattern = FBrush->pattern;
    const COLORREF* patternRow
        = pattern.Row(WrapIndex(LogicalCellOf(deviceY, FScale) - FOrigin.y, pattern.height));
    if (!FPatternColumns.empty()) {
        for (std::size_t index = 0; index < FRow.size(); ++index)
            FRow[index] = PatternPixel(patternRow[FPatternColumns[index]]);
        return FRow.data();
    }
    int patternX = WrapIndex(std::int64_t(FLeft) - FOrigin.x, pattern.width);
    for (COLORREF& pixel : FRow) {
        pixel = PatternPixel(patternRow[patternX]);
        if (++patternX == pattern.width)
            patternX = 0;
    }
    return FRow.data();
}
