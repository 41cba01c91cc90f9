// SPDX-License-Identifier: MIT
// Windows themselves: classes, creation and destruction, long values and the default
// window procedure.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/shell/ShellApi.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <map>
#include <vector>

using namespace win32_internal;

namespace {

// The key of a class name in the table: letter case ignored, no name the empty key.
AnsiString ClassKey(const char* className)
{
    return UpperCase(className ? className : "");
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
        for (HWND owned : topLevels)
            if (owned->owner == window)
                owned->owner = nullptr;
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
    const AnsiString name = ClassKey(windowClass.lpszClassName);
    if (name.empty() || Classes().contains(name))
        return FALSE;
    Classes()[name] = windowClass;
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, const char* className, WNDCLASSA* windowClass)
{
    const auto found = Classes().find(ClassKey(className));
    if (found == Classes().end())
        return FALSE;
    if (windowClass)
        *windowClass = found->second;
    return TRUE;
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, int id, void* param)
{
    const AnsiString upperName = ClassKey(className);
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
    // A top-level window made with a parent is owned by that parent's top-level window.
    window->owner = (style & WS_CHILD) || !parent ? nullptr : TopLevelOf(parent);
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
        AllocatePaintBuffer(window);
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
