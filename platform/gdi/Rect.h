// SPDX-License-Identifier: MIT
// Points and rectangles; right and bottom edges are exclusive.
#pragma once

#include <algorithm>

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};
using POINT = TPoint;

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};
using SIZE = TSize;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint point) const
    {
        return point.x >= Left && point.x < Right && point.y >= Top && point.y < Bottom;
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};
using RECT = TRect;

inline TRect Rect(int left, int top, int right, int bottom) { return { left, top, right, bottom }; }
inline TRect Bounds(int left, int top, int width, int height)
{
    return { left, top, left + width, top + height };
}
inline TPoint Point(int x, int y) { return { x, y }; }

// The overlap of two rectangles; an empty result is all zero, as the classic call gives.
inline TRect IntersectRects(const TRect& a, const TRect& b)
{
    TRect result { std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
        std::min(a.Bottom, b.Bottom) };
    return result.IsEmpty() ? TRect {} : result;
}
inline void OffsetRect(TRect& rect, int dx, int dy)
{
    rect.Left += dx;
    rect.Right += dx;
    rect.Top += dy;
    rect.Bottom += dy;
}
inline void InflateRect(TRect& rect, int dx, int dy)
{
    rect.Left -= dx;
    rect.Right += dx;
    rect.Top -= dy;
    rect.Bottom += dy;
}

// Where a window of these bounds lies wholly inside area, moved as little as it takes. A
// window larger than the area keeps its upper-left corner on it, so its caption and first
// controls can be reached.
inline TPoint FittedOrigin(const TRect& bounds, const TRect& area)
{
    const auto fit = [](int start, int extent, int areaStart, int areaEnd) {
        return std::max(areaStart, std::min(start, areaEnd - extent));
    };
    return Point(fit(bounds.Left, bounds.Width(), area.Left, area.Right),
        fit(bounds.Top, bounds.Height(), area.Top, area.Bottom));
}
