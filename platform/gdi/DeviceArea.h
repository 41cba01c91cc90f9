// SPDX-License-Identifier: MIT
// Mapping logical coordinates of a DC to its device and clipping them to what may be
// touched. Sums are taken in 64 bits so that no argument can overflow them.
#pragma once

#include "platform/gdi/Gdi.h"

#include <cstdint>

// A rectangle whose edges may lie far outside the int range; right and bottom exclusive.
struct WideRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};

// The span from (x, y) over width and height, either of which may be negative.
WideRect SpanRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height);

// Device pixels per logical unit of what the DC draws on.
double SurfaceScale(const GdiDc& dc);

// Logical to device: logical + viewport origin, scaled to the DC's surface.
WideRect ToDevice(const GdiDc& dc, const WideRect& logical);

// Device to logical, without the viewport origin: the logical pixels that cover a device area.
WideRect CoveringCells(const TRect& device, double scale);

// A wide rectangle narrowed to the int range.
TRect ClampToInt(const WideRect& rect);

// The part of the selected bitmap that drawing may touch: its bounds within the clip
// rectangle. Empty when the DC holds no bitmap.
TRect DrawableArea(const GdiDc& dc);

// The overlap of a wide rectangle with an area; all zero when they do not meet.
TRect ClipTo(const WideRect& rect, const TRect& area);

// Normalises a pixel to a monochrome surface's two values by its brightness. Used for
// solid colours drawn onto monochrome bitmaps (brushes, pens, SetPixel).
COLORREF NearestMonochrome(COLORREF color);
inline COLORREF MonochromeBit(COLORREF pixel) { return (pixel & 1) ? 0x00FFFFFF : 0; }
