// SPDX-License-Identifier: MIT
#include "platform/gdi/DeviceArea.h"

#include "platform/gdi/DeviceScale.h"

#include <algorithm>
#include <climits>

WideRect SpanRect(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height)
{
    return { std::min(x, x + width), std::min(y, y + height), std::max(x, x + width), std::max(y, y + height) };
}

double SurfaceScale(const GdiDc& dc)
{
    return dc.bitmap ? dc.bitmap->scale : 1.0;
}

WideRect ToDevice(const GdiDc& dc, const WideRect& logical)
{
    const std::int64_t originX = dc.viewportOrigin.x;
    const std::int64_t originY = dc.viewportOrigin.y;
    const double scale = SurfaceScale(dc);
    return { ScaleEdge(logical.left + originX, scale), ScaleEdge(logical.top + originY, scale),
        ScaleEdge(logical.right + originX, scale), ScaleEdge(logical.bottom + originY, scale) };
}

WideRect CoveringCells(const TRect& device, double scale)
{
    if (device.IsEmpty())
        return {};
    return { LogicalCellOf(device.Left, scale), LogicalCellOf(device.Top, scale),
        LogicalCellOf(std::int64_t(device.Right) - 1, scale) + 1,
        LogicalCellOf(std::int64_t(device.Bottom) - 1, scale) + 1 };
}

TRect ClampToInt(const WideRect& rect)
{
    const auto clamp
        = [](std::int64_t value) { return int(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); };
    return { clamp(rect.left), clamp(rect.top), clamp(rect.right), clamp(rect.bottom) };
}

TRect DrawableArea(const GdiDc& dc)
{
    if (!dc.bitmap || dc.bitmap->raster.Empty())
        return {};
    const TRect bounds { 0, 0, dc.bitmap->raster.width, dc.bitmap->raster.height };
    return dc.clip ? IntersectRects(bounds, *dc.clip) : bounds;
}

TRect ClipTo(const WideRect& rect, const TRect& area)
{
    const std::int64_t left = std::max<std::int64_t>(rect.left, area.Left);
    const std::int64_t top = std::max<std::int64_t>(rect.top, area.Top);
    const std::int64_t right = std::min<std::int64_t>(rect.right, area.Right);
    const std::int64_t bottom = std::min<std::int64_t>(rect.bottom, area.Bottom);
    if (left >= right || top >= bottom)
        return {};
    return { int(left), int(top), int(right), int(bottom) };
}

COLORREF NearestMonochrome(COLORREF color)
{
    // Rec. 601 weights, so a saturated blue counts as dark and yellow as light.
    const unsigned brightness = 299u * GetRValue(color) + 587u * GetGValue(color) + 114u * GetBValue(color);
    return brightness >= 128u * 1000u ? 0x00FFFFFF : 0;
}
