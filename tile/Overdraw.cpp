// SPDX-License-Identifier: MIT
#include "tile/Overdraw.h"

#include <algorithm>
#include <cassert>

namespace {

// One pass of the square dilation, along rows (step 1) or columns (step width): a pixel is
// near when the window of 2 * distance + 1 pixels around it holds an inside one.
std::vector<bool> DilatedAlong(
    const std::vector<bool>& inside, int lines, int length, int step, int lineStep, int distance)
{
    std::vector<bool> result(inside.size(), false);
    for (int line = 0; line < lines; ++line) {
        const auto at = [&](int position) {
            return std::size_t(line) * std::size_t(lineStep) + std::size_t(position) * std::size_t(step);
        };
        int insideInWindow = 0;
        for (int position = 0; position < std::min(distance, length); ++position)
            insideInWindow += inside[at(position)] ? 1 : 0;
        for (int position = 0; position < length; ++position) {
            if (position + distance < length && inside[at(position + distance)])
                ++insideInWindow;
            if (position - distance - 1 >= 0 && inside[at(position - distance - 1)])
                --insideInWindow;
            result[at(position)] = insideInWindow > 0;
        }
    }
    return result;
}

// The mask's pixels as ComposeTile stretches it over the tile; white without a mask.
PixelRaster StretchedMask(TGraphic* mask, int width, int height)
{
    if (!mask)
        return { width, height, false,
            std::vector<COLORREF>(std::size_t(width) * std::size_t(height), clWhite) };
    TBitmap stretched;
    stretched.SetWidth(width);
    stretched.SetHeight(height);
    stretched.Canvas()->StretchDraw(Rect(0, 0, width, height), mask);
    return stretched.Raster();
}

// Visible in a PNG tile: a mask brightness, (r + g + b) / 3 rounded down, above 0.
bool LetsThrough(COLORREF maskPixel)
{
    return GetRValue(maskPixel) + GetGValue(maskPixel) + GetBValue(maskPixel) >= 3;
}

} // namespace

std::vector<bool> Dilated(const std::vector<bool>& inside, int width, int height, int distance)
{
    assert(inside.size() == std::size_t(width) * std::size_t(height) && "one flag a pixel");
    const std::vector<bool> acrossRows = DilatedAlong(inside, height, width, 1, width, distance);
    return DilatedAlong(acrossRows, width, height, width, 1, distance);
}

TSampleRule OverdrawRule(TTileProjection projection, int blockDepth, int overdraw)
{
    assert(overdraw > 0 && "without overdraw the projection's own rule applies");
    return [projection, blockDepth, overdraw](int x, int y, int width, int height, int sourceWidth,
               int sourceHeight) -> std::optional<TSourcePixel> {
        const int cellX = x - overdraw;
        const int cellY = y - overdraw;
        const int cellWidth = width - 2 * overdraw;
        const int cellHeight = height - 2 * overdraw;
        switch (projection) {
        case TTileProjection::Stretch:
            return StretchSample(std::clamp(cellX, 0, cellWidth - 1), std::clamp(cellY, 0, cellHeight - 1),
                cellWidth, cellHeight, sourceWidth, sourceHeight);
        case TTileProjection::Iso:
            return WrappedIsoSample(cellX, cellY, cellWidth, cellHeight, sourceWidth, sourceHeight);
        case TTileProjection::Block:
            return ContinuedBlockSample(
                cellX, cellY, cellWidth, cellHeight - blockDepth, blockDepth, sourceWidth, sourceHeight);
        }
        return std::nullopt;
    };
}

PixelRaster OverdrawMask(TGraphic* mask, const TSampleRule& cellRule, int width, int height, int overdraw)
{
    const PixelRaster stretched = StretchedMask(mask, width, height);
    const TSampleMap coverage(1, 1, width, height, cellRule);
    const int grownWidth = width + 2 * overdraw;
    const int grownHeight = height + 2 * overdraw;
    std::vector<bool> visible(std::size_t(grownWidth) * std::size_t(grownHeight), false);
    const auto grownIndex = [grownWidth, overdraw](int x, int y) {
        return std::size_t(y + overdraw) * std::size_t(grownWidth) + std::size_t(x + overdraw);
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            visible[grownIndex(x, y)] = coverage.Covers(x, y) && LetsThrough(stretched.At(x, y));
    const std::vector<bool> near = Dilated(visible, grownWidth, grownHeight, overdraw);
    PixelRaster grown { grownWidth, grownHeight, false,
        std::vector<COLORREF>(std::size_t(grownWidth) * std::size_t(grownHeight), clBlack) };
    for (int y = 0; y < grownHeight; ++y) {
        for (int x = 0; x < grownWidth; ++x) {
            const std::size_t index = std::size_t(y) * std::size_t(grownWidth) + std::size_t(x);
            if (visible[index])
                grown.pixels[index] = stretched.At(x - overdraw, y - overdraw);
            else if (near[index])
                grown.pixels[index] = clWhite;
        }
    }
    return grown;
}

TOverdrawPlan PlanOverdraw(
    TGraphic* mask, TTileProjection projection, int width, int tileHeight, int blockDepth, int overdraw)
{
    return { OverdrawRule(projection, blockDepth, overdraw),
        OverdrawMask(mask, ProjectionRule(projection, blockDepth), width, tileHeight, overdraw) };
}
