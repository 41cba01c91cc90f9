// SPDX-License-Identifier: MIT
// The bookkeeping behind every window: which records are alive, the top-level windows,
// where a window sits in its top-level buffer, and what the host is told when that changes.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace win32_internal {

namespace {
std::unordered_set<HWND>& LiveWindows()
{
    static std::unordered_set<HWND> live;
    return live;
}
} // namespace

bool IsLive(HWND window) { return window && LiveWindows().contains(window); }
void AddLive(HWND window) { LiveWindows().insert(window); }
void RemoveLive(HWND window) { LiveWindows().erase(window); }

std::vector<HWND>& TopLevelWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

HWND TopLevelOf(HWND window)
{
    while (window && window->parent)
        window = window->parent;
    return window;
}

bool IsNative(HWND window) { return window && window->kind != WindowKind::Container; }

int NonClientFrame(HWND window)
{
    // A top-level window's bounds are its client area; its frame belongs to the host.
    if (!window || !window->parent)
        return 0;
    if (window->exStyle & WS_EX_CLIENTEDGE)
        return 2;
    return (window->style & WS_BORDER) ? 1 : 0;
}

TRect ClientRectOf(HWND window)
{
    const int frame = NonClientFrame(window);
    return Rect(0, 0, std::max(0, window->bounds.Width() - 2 * frame),
        std::max(0, window->bounds.Height() - 2 * frame));
}

TPoint ClientOffsetInParent(HWND window)
{
    const int frame = NonClientFrame(window);
    return Point(window->bounds.Left + frame, window->bounds.Top + frame);
}

TPoint OffsetInTopLevel(HWND window)
{
    TPoint offset;
    for (HWND current = window; current && current->parent; current = current->parent) {
        const TPoint inParent = ClientOffsetInParent(current);
        offset.x += inParent.x;
        offset.y += inParent.y;
    }
    return offset;
}

TPoint WindowOffsetInTopLevel(HWND window)
{
    if (!window->parent)
        return TPoint {};
    const TPoint parentOffset = OffsetInTopLevel(window->parent);
    return Point(parentOffset.x + window->bounds.Left, parentOffset.y + window->bounds.Top);
}

namespace {
// The window's rectangle (whole or client) in top-level coordinates, cut by the client area
// of every ancestor.
TRect ClippedByAncestors(HWND window, TRect rect)
{
    for (HWND ancestor = window->parent; ancestor; ancestor = ancestor->parent) {
        TRect client = ClientRectOf(ancestor);
        const TPoint ancestorOffset = OffsetInTopLevel(ancestor);
        OffsetRect(client, ancestorOffset.x, ancestorOffset.y);
        rect = IntersectRects(rect, client);
    }
    return rect;
}
} // namespace

TRect VisibleRectInTopLevel(HWND window)
{
    TRect client = ClientRectOf(window);
    const TPoint offset = OffsetInTopLevel(window);
    OffsetRect(client, offset.x, offset.y);
    return ClippedByAncestors(window, client);
}

TRect VisibleWindowRectInTopLevel(HWND window)
{
    const TPoint offset = WindowOffsetInTopLevel(window);
    return ClippedByAncestors(window, Bounds(offset.x, offset.y, window->bounds.Width(), window->bounds.Height()));
}

void NativeDescendantsChanged(HWND window, WindowChange change)
{
    Host* host = CurrentHost();
    if (!host)
        return;
    for (HWND child : window->children) {
        if (IsNative(child))
            host->WindowChanged(child, change);
        NativeDescendantsChanged(child, change);
    }
}

void NotifyHost(HWND window, WindowChange change)
{
    Host* host = CurrentHost();
    if (!host || window->messageOnly)
        return;
    if (IsNative(window) || !window->parent)
        host->WindowChanged(window, change);
    if (change == WindowChange::Bounds || change == WindowChange::Visible || change == WindowChange::Enabled)
        NativeDescendantsChanged(window, change);
    if (change == WindowChange::Bounds || change == WindowChange::Visible)
        NativeAncestorChanged(window);
}

void NativeAncestorChanged(HWND window)
{
    Host* host = CurrentHost();
    if (!host || !window)
        return;
    for (HWND ancestor = window->parent; ancestor; ancestor = ancestor->parent)
        if (IsNative(ancestor)) {
            host->WindowChanged(ancestor, WindowChange::Bounds);
            return;
        }
}

// What the parent must repaint when a child container moves, hides or shows.
void InvalidateAreaInParent(HWND window)
{
    if (!window->parent || IsNative(window))
        return;
    TRect area = window->bounds;
    InvalidateRect(window->parent, &area, TRUE);
}

} // namespace win32_internal
