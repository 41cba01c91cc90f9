// SPDX-License-Identifier: MIT
// Where windows are: moving and sizing, client and screen coordinates, parents, and the
// window under a point.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <vector>

using namespace win32_internal;

BOOL SetWindowPos(HWND window, HWND, int x, int y, int width, int height, UINT flags)
{
    if (!IsLive(window))
        return FALSE;
    TRect bounds = window->bounds;
    if (!(flags & SWP_NOMOVE))
        bounds = Bounds(x, y, bounds.Width(), bounds.Height());
    if (!(flags & SWP_NOSIZE))
        bounds = Bounds(bounds.Left, bounds.Top, std::max(width, 0), std::max(height, 0));
    const bool resized = bounds.Width() != window->bounds.Width() || bounds.Height() != window->bounds.Height();
    const bool moved = bounds.Left != window->bounds.Left || bounds.Top != window->bounds.Top;

    if (moved || resized) {
        if (!(flags & SWP_NOREDRAW))
            InvalidateAreaInParent(window);
        window->bounds = bounds;
        if (!window->parent && resized) {
            AllocatePaintBuffer(window);
        }
        NotifyHost(window, WindowChange::Bounds);
        if (!(flags & SWP_NOREDRAW)) {
            InvalidateAreaInParent(window);
            if (!IsNative(window))
                InvalidateRect(window, nullptr, TRUE);
        }
        SendMessageA(window, WM_WINDOWPOSCHANGED, 0, 0);
        if (resized) {
            const TRect client = ClientRectOf(window);
            SendMessageA(window, WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
        }
        if (moved)
            SendMessageA(window, WM_MOVE, 0, MAKELPARAM(bounds.Left, bounds.Top));
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL GetWindowRect(HWND window, TRect* rect)
{
    if (!IsLive(window) || !rect)
        return FALSE;
    TPoint origin;
    ClientToScreen(window, &origin);
    const int frame = NonClientFrame(window);
    *rect = Bounds(origin.x - frame, origin.y - frame, window->bounds.Width(), window->bounds.Height());
    return TRUE;
}

BOOL GetClientRect(HWND window, TRect* rect)
{
    if (!IsLive(window) || !rect)
        return FALSE;
    *rect = ClientRectOf(window);
    return TRUE;
}

BOOL ClientToScreen(HWND window, TPoint* point)
{
    if (!IsLive(window) || !point)
        return FALSE;
    const HWND topLevel = TopLevelOf(window);
    const TPoint offset = OffsetInTopLevel(window);
    Host* host = CurrentHost();
    const TPoint origin = host ? host->ScreenOrigin(topLevel) : Point(topLevel->bounds.Left, topLevel->bounds.Top);
    point->x += origin.x + offset.x;
    point->y += origin.y + offset.y;
    return TRUE;
}

BOOL ScreenToClient(HWND window, TPoint* point)
{
    if (!IsLive(window) || !point)
        return FALSE;
    TPoint origin;
    ClientToScreen(window, &origin);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

HWND GetParent(HWND window) { return IsLive(window) ? window->parent : nullptr; }

HWND GetWindow(HWND window, UINT relation)
{
    if (!IsLive(window) || relation != GW_OWNER || !IsLive(window->owner))
        return nullptr;
    return window->owner;
}

HWND SetParent(HWND window, HWND newParent)
{
    if (!IsLive(window) || (newParent && !IsLive(newParent)))
        return nullptr;
    const HWND old = window->parent;
    if (old == newParent)
        return old;
    InvalidateAreaInParent(window);
    if (old) {
        auto& siblings = old->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    window->parent = newParent;
    if (newParent)
        newParent->children.push_back(window);
    NotifyHost(window, WindowChange::Bounds);
    InvalidateAreaInParent(window);
    return old;
}

int GetDlgCtrlID(HWND window) { return IsLive(window) ? window->id : 0; }

HWND ChildWindowFromPointDeep(HWND window, TPoint clientPoint)
{
    if (!IsLive(window))
        return nullptr;
    for (auto child = window->children.rbegin(); child != window->children.rend(); ++child) {
        const HWND candidate = *child;
        if (!candidate->visible || !candidate->bounds.Contains(clientPoint))
            continue;
        const TPoint origin = ClientOffsetInParent(candidate);
        return ChildWindowFromPointDeep(candidate, Point(clientPoint.x - origin.x, clientPoint.y - origin.y));
    }
    return window;
}

HWND WindowFromPoint(TPoint screenPoint)
{
    const auto& topLevels = TopLevelWindows();
    for (auto window = topLevels.rbegin(); window != topLevels.rend(); ++window) {
        if (!(*window)->visible)
            continue;
        TPoint client = screenPoint;
        ScreenToClient(*window, &client);
        if (Rect(0, 0, (*window)->bounds.Width(), (*window)->bounds.Height()).Contains(client))
            return ChildWindowFromPointDeep(*window, client);
    }
    return nullptr;
}
