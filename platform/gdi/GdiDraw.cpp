// SPDX-License-Identifier: MIT
// Fills, frames, single pixels, lines and rectangles.
#include "platform/gdi/BlitEngine.h"
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/DeviceScale.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/LineRaster.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Fills a logical rectangle with a brush, PATCOPY style; a hollow brush paints nothing.
void FillWide(GdiDc& dc, const WideRect& logical, const GdiBrush& brush)
{
    if (dc.bitmap && brush.style != BS_NULL)
        FillLogicalRect(dc, logical, &brush, RopTruthTable(PATCOPY));
}

// The edges are as thick as a line of the surface's scale and lie inside the rectangle's
// device span, so a frame never reaches past the rectangle it outlines.
void FrameWide(GdiDc& dc, const WideRect& logical, const GdiBrush& brush)
{
    if (logical.right <= logical.left || logical.bottom <= logical.top || !dc.bitmap
        || brush.style == BS_NULL)
        return;
    const WideRect outer = ToDevice(dc, logical);
    const std::int64_t thickness = LineThickness(SurfaceScale(dc));
    const std::int64_t innerTop = std::min(outer.top + thickness, outer.bottom);
    const std::int64_t innerBottom = std::max(outer.bottom - thickness, innerTop);
    const std::uint8_t patCopy = RopTruthTable(PATCOPY);
    FillDeviceRect(dc, { outer.left, outer.top, outer.right, innerTop }, &brush, patCopy);
    FillDeviceRect(dc, { outer.left, innerBottom, outer.right, outer.bottom }, &brush, patCopy);
    FillDeviceRect(dc, { outer.left, innerTop, std::min(outer.left + thickness, outer.right), innerBottom },
        &brush, patCopy);
    FillDeviceRect(dc, { std::max(outer.right - thickness, outer.left), innerTop, outer.right, innerBottom },
        &brush, patCopy);
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

// The device pixels of a logical pixel that lie inside the drawable area.
TRect CellAt(const GdiDc& dc, int x, int y)
{
    return ClipTo(ToDevice(dc, { x, y, std::int64_t(x) + 1, std::int64_t(y) + 1 }), DrawableArea(dc));
}

void FillCells(PixelRaster& raster, const TRect& cells, COLORREF color)
{
    for (int row = cells.Top; row < cells.Bottom; ++row)
        std::fill(raster.Row(row) + cells.Left, raster.Row(row) + cells.Right, color);
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
    const TRect area = DrawableArea(dc);
    const double scale = SurfaceScale(dc);
    if (scale == 1.0) {
        RasterizeLine(start, end, area, [&raster, color](int x, int y) { raster.At(x, y) = color; });
        return;
    }
    // The line is laid out in logical pixels; each becomes a block of whole device pixels,
    // as thick as a line of the scale and never narrower than its own span, so lines next
    // to each other leave no gap between them.
    const std::int64_t thickness = LineThickness(scale);
    const TRect logicalArea = ClampToInt(CoveringCells(area, scale));
    RasterizeLine(start, end, logicalArea, [&](int x, int y) {
        const std::int64_t left = ScaleEdge(x, scale);
        const std::int64_t top = ScaleEdge(y, scale);
        const WideRect block { left, top, std::max(left + thickness, ScaleEdge(std::int64_t(x) + 1, scale)),
            std::max(top + thickness, ScaleEdge(std::int64_t(y) + 1, scale)) };
        FillCells(raster, ClipTo(block, area), color);
    });
}

} // namespace

int FillRect(HDC dc, const TRect& rect, HBRUSH brush) { return PaintWithBrush(dc, rect, brush, FillWide); }

int FrameRect(HDC dc, const TRect& rect, HBRUSH brush) { return PaintWithBrush(dc, rect, brush, FrameWide); }

COLORREF GetPixel(HDC dc, int x, int y)
{
    if (!dc)
        return CLR_INVALID;
    const TRect cell = CellAt(*dc, x, y);
    if (cell.IsEmpty())
        return CLR_INVALID;
    const COLORREF pixel = dc->bitmap->raster.At(cell.Left, cell.Top);
    return dc->bitmap->raster.monochrome ? MonochromeBit(pixel) : pixel & 0x00FFFFFF;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    if (!dc)
        return CLR_INVALID;
    const TRect cell = CellAt(*dc, x, y);
    if (cell.IsEmpty())
        return CLR_INVALID;
    const COLORREF surfaceColor = SurfaceColor(*dc, color);
    FillCells(dc->bitmap->raster, cell, surfaceColor);
    return surfaceColor;
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
