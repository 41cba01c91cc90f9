// SPDX-License-Identifier: MIT
// What windows show: visibility, enabling, text, and enumerating them.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace win32_internal;

BOOL ShowWindow(HWND window, int command)
{
    if (!IsLive(window))
        return FALSE;
    const bool wasVisible = window->visible;
    const bool show = command != SW_HIDE;
    if (wasVisible == show)
        return wasVisible;
    if (!show)
        InvalidateAreaInParent(window);
    window->visible = show;
    if (show)
        window->style |= WS_VISIBLE;
    else
        window->style &= ~WS_VISIBLE;
    NotifyHost(window, WindowChange::Visible);
    SendMessageA(window, WM_SHOWWINDOW, show ? 1 : 0, 0);
    if (show && !IsNative(window))
        InvalidateRect(window, nullptr, TRUE);
    return wasVisible;
}

BOOL IsWindowVisible(HWND window)
{
    if (!IsLive(window))
        return FALSE;
    for (HWND current = window; current; current = current->parent)
        if (!current->visible)
            return FALSE;
    return TRUE;
}

BOOL EnableWindow(HWND window, BOOL enable)
{
    if (!IsLive(window))
        return FALSE;
    const bool wasDisabled = !window->enabled;
    if (window->enabled == bool(enable))
        return wasDisabled;
    window->enabled = enable;
    if (enable)
        window->style &= ~WS_DISABLED;
    else
        window->style |= WS_DISABLED;
    NotifyHost(window, WindowChange::Enabled);
    SendMessageA(window, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) { return IsLive(window) && window->enabled ? TRUE : FALSE; }

BOOL SetWindowTextA(HWND window, const char* text)
{
    if (!IsLive(window))
        return FALSE;
    return BOOL(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

bool IsHostDrawnWindow(HWND window) { return IsLive(window) && IsNative(window); }

AnsiString GetWindowTextString(HWND window) { return IsLive(window) ? window->text : AnsiString(); }

int GetWindowTextA(HWND window, char* buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return 0;
    const AnsiString text = GetWindowTextString(window);
    const int length = std::min(int(text.size()), bufferSize - 1);
    std::memcpy(buffer, text.data(), std::size_t(length));
    buffer[length] = '\0';
    return length;
}

int GetWindowTextLengthA(HWND window) { return int(GetWindowTextString(window).size()); }

DWORD GetCurrentThreadId() { return 1; }

BOOL EnumThreadWindows(DWORD, WNDENUMPROC callback, LPARAM lParam)
{
    if (!callback)
        return FALSE;
    // A copy: the callback may create or destroy windows.
    const std::vector<HWND> windows = TopLevelWindows();
    for (HWND window : windows)
        if (IsLive(window) && !callback(window, lParam))
            return FALSE;
    return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam)
{
    if (!IsLive(parent) || !callback)
        return FALSE;
    const std::vector<HWND> children = parent->children;
    for (HWND child : children) {
        if (!IsLive(child))
            continue;
        if (!callback(child, lParam))
            return FALSE;
        EnumChildWindows(child, callback, lParam);
    }
    return TRUE;
}
