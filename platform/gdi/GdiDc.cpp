// SPDX-License-Identifier: MIT
// Memory device contexts: the selected objects, colours, modes, origins and clip.
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiRegistry.h"

#include <climits>
#include <new>
#include <utility>

namespace {

template <typename Handle>
Handle Swap(Handle& slot, HGDIOBJ object)
{
    return std::exchange(slot, static_cast<Handle>(object));
}

} // namespace

HDC CreateCompatibleDC(HDC)
{
    try {
        auto dc = std::make_unique<GdiDc>();
        dc->defaultBitmap = std::make_unique<GdiBitmap>();
        dc->defaultBitmap->stock = true;
        dc->defaultBitmap->raster = PixelRaster { 1, 1, true, { 0 } };
        dc->bitmap = dc->defaultBitmap.get();
        dc->brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        dc->pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
        dc->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        RegisterGdiDc(dc.get());
        return dc.release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL DeleteDC(HDC dc)
{
    if (!dc || !UnregisterGdiDc(dc))
        return FALSE;
    delete dc;
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    if (!dc || !object)
        return nullptr;
    switch (object->Kind()) {
    case GdiObjectKind::Bitmap:
        return Swap(dc->bitmap, object);
    case GdiObjectKind::Brush:
        return Swap(dc->brush, object);
    case GdiObjectKind::Pen:
        return Swap(dc->pen, object);
    case GdiObjectKind::Font:
        return Swap(dc->font, object);
    }
    return nullptr;
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return dc ? std::exchange(dc->textColor, ColorToRGB(color)) : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return dc ? std::exchange(dc->bkColor, ColorToRGB(color)) : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode)
{
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(dc->bkMode, mode);
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* previous)
{
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->brushOrigin;
    dc->brushOrigin = { x, y };
    return TRUE;
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous)
{
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->viewportOrigin;
    dc->viewportOrigin = { x, y };
    return TRUE;
}

BOOL GetViewportOrgEx(HDC dc, TPoint* origin)
{
    if (!dc || !origin)
        return FALSE;
    *origin = dc->viewportOrigin;
    return TRUE;
}

int SaveDC(HDC dc)
{
    if (!dc)
        return 0;
    try {
        dc->savedStates.push_back(static_cast<const GdiDcState&>(*dc));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return int(dc->savedStates.size());
}

BOOL RestoreDC(HDC dc, int savedIndex)
{
    if (!dc)
        return FALSE;
    const auto count = std::int64_t(dc->savedStates.size());
    const std::int64_t level = savedIndex < 0 ? count + 1 + savedIndex : savedIndex;
    if (level < 1 || level > count)
        return FALSE;
    static_cast<GdiDcState&>(*dc) = dc->savedStates[std::size_t(level - 1)];
    dc->savedStates.resize(std::size_t(level - 1));
    return TRUE;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
    if (!dc)
        return ERROR_REGION;
    const TRect everything { INT_MIN, INT_MIN, INT_MAX, INT_MAX };
    const TRect current = dc->clip.value_or(everything);
    const WideRect requested = ToDevice(*dc, { left, top, right, bottom });
    dc->clip = ClipTo(requested, current);
    return DrawableArea(*dc).IsEmpty() ? NULLREGION : SIMPLEREGION;
}

int GetClipBox(HDC dc, TRect* rect)
{
    if (!dc || !rect)
        return ERROR_REGION;
    const TRect area = DrawableArea(*dc);
    if (area.IsEmpty()) {
        *rect = {};
        return NULLREGION;
    }
    const std::int64_t originX = dc->viewportOrigin.x;
    const std::int64_t originY = dc->viewportOrigin.y;
    const WideRect cells = CoveringCells(area, SurfaceScale(*dc));
    *rect = ClampToInt(
        { cells.left - originX, cells.top - originY, cells.right - originX, cells.bottom - originY });
    return SIMPLEREGION;
}

double PixelRatioOf(HDC dc)
{
    return dc ? SurfaceScale(*dc) : 1.0;
}
