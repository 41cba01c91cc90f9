// SPDX-License-Identifier: MIT
// Window records: classes, creation and destruction, long values, geometry, visibility
// and text.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/shell/ShellApi.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <unordered_set>

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

} // namespace win32_internal

using namespace win32_internal;

namespace {

AnsiString UpperCase(const char* text)
{
    AnsiString result = text ? text : "";
    for (char& c : result)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::map<AnsiString, WNDCLASSA>& Classes()
{
    static std::map<AnsiString, WNDCLASSA> classes = [] {
        std::map<AnsiString, WNDCLASSA> builtIn;
        builtIn[kButtonClass] = WNDCLASSA { 0, &ButtonWindowProc, nullptr, nullptr, kButtonClass };
        builtIn[kEditClass] = WNDCLASSA { 0, &EditWindowProc, nullptr, nullptr, kEditClass };
        builtIn[kFolderTreeClass] = WNDCLASSA { 0, &FolderTreeWindowProc, nullptr, nullptr, kFolderTreeClass };
        return builtIn;
    }();
    return classes;
}

WindowKind KindOfClass(const AnsiString& upperName)
{
    if (upperName == kButtonClass)
        return WindowKind::NativeButton;
    if (upperName == kEditClass)
        return WindowKind::NativeEdit;
    if (upperName == kFolderTreeClass)
        return WindowKind::NativeFolderTree;
    return WindowKind::Container;
}

// What the parent must repaint when a child container moves, hides or shows.
void InvalidateAreaInParent(HWND window)
{
    if (!window->parent || IsNative(window))
        return;
    TRect area = window->bounds;
    InvalidateRect(window->parent, &area, TRUE);
}

void DestroyRecursively(HWND window)
{
    window->destroying = true;
    SendMessageA(window, WM_DESTROY, 0, 0);
    while (!window->children.empty())
        DestroyRecursively(window->children.back());
    SendMessageA(window, WM_NCDESTROY, 0, 0);

    if (Host* host = CurrentHost(); host && !window->messageOnly && (IsNative(window) || !window->parent))
        host->WindowDestroyed(window);
    if (window->parent) {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
        if (window->visible && !window->parent->destroying)
            NativeAncestorChanged(window);
    } else {
        auto& topLevels = TopLevelWindows();
        topLevels.erase(std::remove(topLevels.begin(), topLevels.end(), window), topLevels.end());
    }
    ForgetWindowInQueue(window);
    ForgetWindowInInput(window);
    ForgetWindowTimers(window);
    ForgetWindowDrops(window);
    RemoveLive(window);
    delete window;
}

} // namespace

BOOL RegisterClassA(const WNDCLASSA& windowClass)
{
    const AnsiString name = UpperCase(windowClass.lpszClassName);
    if (name.empty() || Classes().contains(name))
        return FALSE;
    Classes()[name] = windowClass;
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* windowClass)
{
    const auto found = Classes().find(UpperCase(className));
    if (found == Classes().end())
        return FALSE;
    if (windowClass)
        *windowClass = found->second;
    return TRUE;
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, int id, void* param)
{
    const AnsiString upperName = UpperCase(className);
    const auto found = Classes().find(upperName);
    if (found == Classes().end())
        return nullptr;
    const bool messageOnly = parent == HWND_MESSAGE;
    if (messageOnly)
        parent = nullptr;
    if (parent && !IsLive(parent))
        return nullptr;

    auto* window = new WindowRecord;
    window->className = className;
    window->kind = KindOfClass(upperName);
    window->id = id;
    window->parent = (style & WS_CHILD) ? parent : nullptr;
    window->bounds = Bounds(x, y, std::max(width, 0), std::max(height, 0));
    window->style = style;
    window->exStyle = exStyle;
    window->visible = (style & WS_VISIBLE) != 0;
    window->enabled = (style & WS_DISABLED) == 0;
    window->text = windowName ? windowName : "";
    window->readOnly = (style & ES_READONLY) != 0;
    window->wndProc = found->second.lpfnWndProc ? found->second.lpfnWndProc : &DefWindowProcA;
    window->userData = reinterpret_cast<LONG_PTR>(param);
    window->messageOnly = messageOnly;
    if (messageOnly)
        window->visible = false;
    AddLive(window);
    if (messageOnly) {
        SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(param));
        return IsLive(window) ? window : nullptr;
    }
    if (window->parent)
        window->parent->children.push_back(window);
    else {
        TopLevelWindows().push_back(window);
        window->paintBuffer.raster = PixelRaster { window->bounds.Width(), window->bounds.Height(), false,
            std::vector<COLORREF>(std::size_t(window->bounds.Width()) * std::size_t(window->bounds.Height()),
                0) };
    }

    if (Host* host = CurrentHost(); host && (IsNative(window) || !window->parent))
        host->WindowCreated(window);
    if (window->visible)
        NativeAncestorChanged(window);
    SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(param));
    if (IsLive(window) && !IsNative(window))
        InvalidateRect(window, nullptr, TRUE);
    return IsLive(window) ? window : nullptr;
}

BOOL DestroyWindow(HWND window)
{
    if (!IsLive(window) || window->destroying)
        return FALSE;
    InvalidateAreaInParent(window);
    DestroyRecursively(window);
    return TRUE;
}

BOOL IsWindow(HWND window) { return IsLive(window) ? TRUE : FALSE; }

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!procedure || !IsLive(window))
        return 0;
    return procedure(window, message, wParam, lParam);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index)
{
    if (!IsLive(window))
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->wndProc);
    case GWLP_ID:
        return window->id;
    case GWL_STYLE:
        return LONG_PTR(window->style);
    case GWL_EXSTYLE:
        return LONG_PTR(window->exStyle);
    case GWLP_USERDATA:
        return window->userData;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
    if (!IsLive(window))
        return 0;
    const LONG_PTR old = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWLP_WNDPROC:
        window->wndProc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_ID:
        window->id = int(value);
        break;
    case GWL_STYLE:
        window->style = DWORD(value);
        NotifyHost(window, WindowChange::Style);
        break;
    case GWL_EXSTYLE:
        window->exStyle = DWORD(value);
        NotifyHost(window, WindowChange::Style);
        break;
    case GWLP_USERDATA:
        window->userData = value;
        break;
    default:
        break;
    }
    return old;
}

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
            window->paintBuffer.raster = PixelRaster { bounds.Width(), bounds.Height(), false,
                std::vector<COLORREF>(std::size_t(bounds.Width()) * std::size_t(bounds.Height()), 0) };
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

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsLive(window))
        return 0;
    switch (message) {
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(lParam);
        const AnsiString newText = text ? text : "";
        if (newText == window->text)
            return TRUE;
        window->text = newText;
        NotifyHost(window, WindowChange::Text);
        return TRUE;
    }
    case WM_GETTEXTLENGTH:
        return LRESULT(window->text.size());
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        NotifyHost(window, WindowChange::Font);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DROPFILES:
        // Nobody took the names; the drop is released all the same.
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND: {
        WNDCLASSA windowClass;
        if (!GetClassInfoA(nullptr, window->className.c_str(), &windowClass) || !windowClass.hbrBackground)
            return 0;
        const TRect client = ClientRectOf(window);
        FillRect(reinterpret_cast<HDC>(wParam), client, windowClass.hbrBackground);
        return 1;
    }
    default:
        return 0;
    }
}
