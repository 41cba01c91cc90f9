// SPDX-License-Identifier: MIT
// Painting: every window draws into its top-level window's buffer through a memory DC
// whose origin is the window's client area and whose clip is what the window may touch.
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/DeviceScale.h"
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <map>

using namespace win32_internal;

namespace {

TRect Union(const std::optional<TRect>& a, const TRect& b)
{
    if (!a || a->IsEmpty())
        return b;
    if (b.IsEmpty())
        return *a;
    return { std::min(a->Left, b.Left), std::min(a->Top, b.Top), std::max(a->Right, b.Right),
        std::max(a->Bottom, b.Bottom) };
}

// Children are painted after their parent, so whatever the parent repaints below a child
// container must be repainted by that child too. The parent repaints the whole rectangle
// around all it was asked for, not only the newest part: two small areas far apart make a
// large one, and the children must hear of all of it. A native control paints itself, but
// our own windows inside it are still ours to paint.
void AddUpdate(HWND window, const TRect& clientRect)
{
    TRect area = IntersectRects(clientRect, ClientRectOf(window));
    if (area.IsEmpty())
        return;
    if (!IsNative(window)) {
        window->updateRect = Union(window->updateRect, area);
        area = *window->updateRect;
    }
    for (HWND child : window->children) {
        if (!child->visible)
            continue;
        TRect inChild = IntersectRects(area, child->bounds);
        if (inChild.IsEmpty())
            continue;
        const TPoint origin = ClientOffsetInParent(child);
        OffsetRect(inChild, -origin.x, -origin.y);
        AddUpdate(child, inChild);
    }
}

std::map<HDC, HWND>& OpenDcs()
{
    static std::map<HDC, HWND> dcs;
    return dcs;
}

HDC DcForWindow(HWND window, const TRect& clientClip)
{
    const HWND topLevel = TopLevelOf(window);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return nullptr;
    SelectObject(dc, &topLevel->paintBuffer);
    const TPoint offset = OffsetInTopLevel(window);
    SetViewportOrgEx(dc, offset.x, offset.y, nullptr);
    const TRect visible = VisibleRectInTopLevel(window);
    const WideRect visibleDevice = ToDevice(*dc,
        { visible.Left - offset.x, visible.Top - offset.y, visible.Right - offset.x,
            visible.Bottom - offset.y });
    const WideRect clipDevice
        = ToDevice(*dc, { clientClip.Left, clientClip.Top, clientClip.Right, clientClip.Bottom });
    dc->clip = IntersectRects(ClampToInt(clipDevice), ClampToInt(visibleDevice));
    OpenDcs()[dc] = window;
    return dc;
}

void CloseDc(HDC dc)
{
    const auto found = OpenDcs().find(dc);
    if (found == OpenDcs().end())
        return;
    const HWND window = found->second;
    const TRect painted = dc->clip.value_or(TRect {});
    OpenDcs().erase(found);
    DeleteDC(dc);
    if (!IsLive(window) || painted.IsEmpty())
        return;
    if (Host* host = CurrentHost())
        host->Present(TopLevelOf(window), painted);
}

} // namespace

namespace win32_internal {

void AllocatePaintBuffer(HWND topLevel)
{
    const double scale = topLevel->paintBuffer.scale;
    const auto width = int(ScaleEdge(std::max(topLevel->bounds.Width(), 0), scale));
    const auto height = int(ScaleEdge(std::max(topLevel->bounds.Height(), 0), scale));
    topLevel->paintBuffer.raster = PixelRaster { width, height, false,
        std::vector<COLORREF>(std::size_t(width) * std::size_t(height), 0) };
}

} // namespace win32_internal

void HostPixelRatioChanged(HWND topLevel, double ratio)
{
    const double usable = UsablePixelRatio(ratio);
    if (!IsLive(topLevel) || topLevel->parent || usable == topLevel->paintBuffer.scale)
        return;
    topLevel->paintBuffer.scale = usable;
    AllocatePaintBuffer(topLevel);
    InvalidateRect(topLevel, nullptr, TRUE);
}

BOOL InvalidateRect(HWND window, const TRect* rect, BOOL)
{
    if (!IsLive(window))
        return FALSE;
    if (IsNative(window)) {
        // The host draws it; what it needs from us are the colours its parent chooses.
        QueryEditColors(window);
        return FALSE;
    }
    AddUpdate(window, rect ? *rect : ClientRectOf(window));
    if (window->updateRect)
        if (Host* host = CurrentHost())
            host->WakeUp();
    return TRUE;
}

BOOL ValidateRect(HWND window, const TRect*)
{
    if (!IsLive(window))
        return FALSE;
    window->updateRect.reset();
    return TRUE;
}

BOOL GetUpdateRect(HWND window, TRect* rect, BOOL)
{
    if (!IsLive(window) || !window->updateRect) {
        if (rect)
            *rect = {};
        return FALSE;
    }
    if (rect)
        *rect = *window->updateRect;
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint)
{
    if (!IsLive(window) || !paint)
        return nullptr;
    const TRect update = window->updateRect.value_or(TRect {});
    window->updateRect.reset();
    paint->rcPaint = update;
    paint->fErase = TRUE;
    paint->hdc = DcForWindow(window, update);
    if (paint->hdc)
        SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0);
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (!paint || !paint->hdc)
        return FALSE;
    CloseDc(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND window)
{
    if (!window) {
        // The screen: nothing of ours to draw on, but text can be measured in its font.
        HDC dc = CreateCompatibleDC(nullptr);
        if (dc)
            OpenDcs()[dc] = nullptr;
        return dc;
    }
    if (!IsLive(window))
        return nullptr;
    return DcForWindow(window, ClientRectOf(window));
}

int ReleaseDC(HWND, HDC dc)
{
    CloseDc(dc);
    return 1;
}

BOOL UpdateWindow(HWND window)
{
    if (!IsLive(window))
        return FALSE;
    if (window->updateRect && IsWindowVisible(window))
        SendMessageA(window, WM_PAINT, 0, 0);
    const std::vector<HWND> children = window->children;
    for (HWND child : children)
        if (IsLive(child))
            UpdateWindow(child);
    return TRUE;
}
