// SPDX-License-Identifier: MIT
// Painting a test window at pixel ratios 1 and 2 and comparing the two: what is a picture or
// a line must come out as the 1x pixels enlarged, what is text must not.
#pragma once

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/windows/Host.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <algorithm>
#include <cstddef>

// The pixels of an area of a raster.
inline PixelRaster CutOut(const PixelRaster& raster, const TRect& area)
{
    PixelRaster part { area.Width(), area.Height(), false, {} };
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            part.pixels.push_back(raster.At(x, y));
    return part;
}

// Each pixel as a 2 x 2 block: a 1x painting merely enlarged.
inline PixelRaster Doubled(const PixelRaster& picture)
{
    PixelRaster doubled { picture.width * 2, picture.height * 2, false, {} };
    for (int y = 0; y < doubled.height; ++y)
        for (int x = 0; x < doubled.width; ++x)
            doubled.pixels.push_back(picture.At(x / 2, y / 2));
    return doubled;
}

// The aligned 2 x 2 blocks of an area that are not of one colour; anything merely enlarged has none.
inline int SplitBlocks(const PixelRaster& picture, const TRect& area)
{
    int split = 0;
    for (int y = area.Top & ~1; y + 1 < area.Bottom; y += 2)
        for (int x = area.Left & ~1; x + 1 < area.Right; x += 2) {
            const COLORREF corner = picture.At(x, y);
            split += picture.At(x + 1, y) != corner || picture.At(x, y + 1) != corner
                    || picture.At(x + 1, y + 1) != corner
                ? 1
                : 0;
        }
    return split;
}

// How many pixels of an area differ between two pictures of one size.
inline int DifferingPixels(const PixelRaster& a, const PixelRaster& b, const TRect& area)
{
    int differing = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
    return differing;
}

// The smallest rectangle that holds every pixel of a colour; empty when there is none.
inline TRect ExtentOf(const PixelRaster& picture, COLORREF color)
{
    TRect extent { picture.width, picture.height, 0, 0 };
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.At(x, y) == color)
                extent = { std::min(extent.Left, x), std::min(extent.Top, y), std::max(extent.Right, x + 1),
                    std::max(extent.Bottom, y + 1) };
    return extent.IsEmpty() ? TRect {} : extent;
}

// Text drawn at the physical size spans about twice its 1x extent, as the font's sizes round.
inline bool SpansTwiceAsWide(const TRect& atTwo, const TRect& atOne)
{
    return 2 * atTwo.Width() > 3 * atOne.Width() && 2 * atTwo.Width() < 5 * atOne.Width();
}

// A logical area of the window painted at ratio 1, and the same area painted at ratio 2.
struct PaintedAtOneAndTwo {
    PixelRaster atOne;
    PixelRaster atTwo;
};

inline PaintedAtOneAndTwo PaintAtOneAndTwo(TWinControl& window, const TRect& area)
{
    PaintedAtOneAndTwo painted;
    HostPixelRatioChanged(window.Handle(), 1);
    window.Invalidate();
    UpdateWindow(window.Handle());
    painted.atOne = CutOut(window.Handle()->paintBuffer.raster, area);
    HostPixelRatioChanged(window.Handle(), 2);
    UpdateWindow(window.Handle());
    painted.atTwo = CutOut(window.Handle()->paintBuffer.raster,
        Rect(area.Left * 2, area.Top * 2, area.Right * 2, area.Bottom * 2));
    return painted;
}
