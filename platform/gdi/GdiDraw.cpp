// SPDX-License-Identifier: MIT
// Fills, frames, single pixels, lines and rectangles.
#include "platform/gdi/BlitEngine.h"
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/LineRaster.h"

#include <new>
#include <utility>

namespace {

// Fills a logical rectangle with a brush, PATCOPY style; a hollow brush paints nothing.
void FillWide(GdiDc& dc, const WideRect& logical, const GdiBrush& brush)
{
    if (dc.bitmap && brush.style != BS_NULL)
        FillLogicalRect(dc, logical, &brush, RopTruthTable(PATCOPY));
}

void FrameWide(GdiDc& dc, const WideRect& logical, const GdiBrush& brush)
{
    if (logical.right <= logical.left || logical.bottom <= logical.top)
        return;
    FillWide(dc, { logical.left, logical.top, logical.right, logical.top + 1 }, brush);
    FillWide(dc, { logical.left, logical.bottom - 1, logical.right, logical.bottom }, brush);
    FillWide(dc, { logical.left, logical.top + 1, logical.left + 1, logical.bottom - 1 }, brush);
    FillWide(dc, { logical.right - 1, logical.top + 1, logical.right, logical.bottom - 1 }, brush);
}

// FillRect and FrameRect: 1 when painted, 0 for a missing DC, brush or bitmap, or no memory.
int PaintWithBrush(
    HDC dc, const TRect& rect, HBRUSH brush, void (*paint)(GdiDc&, const WideRect&, const GdiBrush&))
{
    if (!dc || !brush || !dc->bitmap)
        return 0;
    try {
        paint(*dc, { rect.Left, rect.Top, rect.Right, rect.Bottom }, *brush);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

// The device pixel of a logical point, when it lies inside the drawable area.
COLORREF* PixelAt(GdiDc& dc, int x, int y)
{
    const TRect pixel = ClipTo(ToDevice(dc, { x, y, std::int64_t(x) + 1, std::int64_t(y) + 1 }), DrawableArea(dc));
    if (pixel.IsEmpty())
        return nullptr;
    return &dc.bitmap->raster.At(pixel.Left, pixel.Top);
}

// The colour a solid colour becomes on the DC's bitmap.
COLORREF SurfaceColor(const GdiDc& dc, COLORREF color)
{
    const COLORREF explicitColor = ColorToRGB(color);
    return dc.bitmap->raster.monochrome ? NearestMonochrome(explicitColor) : explicitColor;
}

bool PenDraws(const GdiDc& dc) { return dc.bitmap && dc.pen && dc.pen->style != PS_NULL; }

void DrawSegment(GdiDc& dc, TPoint from, TPoint to)
{
    if (!PenDraws(dc))
        return;
    const COLORREF color = SurfaceColor(dc, dc.pen->color);
    PixelRaster& raster = dc.bitmap->raster;
    const WidePoint start { std::int64_t(from.x) + dc.viewportOrigin.x, std::int64_t(from.y) + dc.viewportOrigin.y };
    const WidePoint end { std::int64_t(to.x) + dc.viewportOrigin.x, std::int64_t(to.y) + dc.viewportOrigin.y };
    RasterizeLine(start, end, DrawableArea(dc), [&raster, color](int x, int y) { raster.At(x, y) = color; });
}

} // namespace

int FillRect(HDC dc, const TRect& rect, HBRUSH brush) { return PaintWithBrush(dc, rect, brush, FillWide); }

int FrameRect(HDC dc, const TRect& rect, HBRUSH brush) { return PaintWithBrush(dc, rect, brush, FrameWide); }

COLORREF GetPixel(HDC dc, int x, int y)
{
    if (!dc)
        return CLR_INVALID;
    const COLORREF* pixel = PixelAt(*dc, x, y);
    if (!pixel)
        return CLR_INVALID;
    return dc->bitmap->raster.monochrome ? MonochromeBit(*pixel) : *pixel & 0x00FFFFFF;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    if (!dc)
        return CLR_INVALID;
    COLORREF* pixel = PixelAt(*dc, x, y);
    if (!pixel)
        return CLR_INVALID;
    *pixel = SurfaceColor(*dc, color);
    return *pixel;
}

BOOL MoveToEx(HDC dc, int x, int y, TPoint* previous)
{
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->penPosition;
    dc->penPosition = { x, y };
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y)
{
    if (!dc)
        return FALSE;
    DrawSegment(*dc, dc->penPosition, { x, y });
    dc->penPosition = { x, y };
    return TRUE;
}

BOOL Polyline(HDC dc, const TPoint* points, int count)
{
    if (!dc || !points || count < 2)
        return FALSE;
    for (int index = 1; index < count; ++index)
        DrawSegment(*dc, points[index - 1], points[index]);
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    if (!dc || !dc->bitmap)
        return FALSE;
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const WideRect outline { left, top, right, bottom };
    try {
        if (!PenDraws(*dc)) {
            // Without an outline the classic call fills one pixel less wide and high.
            if (dc->brush)
                FillWide(*dc, { left, top, outline.right - 1, outline.bottom - 1 }, *dc->brush);
            return TRUE;
        }
        if (dc->brush)
            FillWide(*dc, { outline.left + 1, outline.top + 1, outline.right - 1, outline.bottom - 1 }, *dc->brush);
        GdiBrush penBrush;
        penBrush.color = dc->pen->color;
        FrameWide(*dc, outline, penBrush);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    return TRUE;
}
