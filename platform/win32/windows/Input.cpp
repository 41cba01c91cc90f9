// SPDX-License-Identifier: MIT
// Focus, capture, activation, caret, key state and system metrics, and how host input
// becomes queued messages.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <array>

using namespace win32_internal;

namespace {

struct InputState {
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    HWND caretWindow = nullptr;
    TPoint cursorPos; // where the cursor is while no host reports it
    TPoint caretPos;
    TSize caretSize;
    int caretHideCount = 1;
    std::array<bool, 256> keysDown {};
    std::optional<KeyModifiers> messageModifiers; // of the key message being handled
};

// The keys KeyModifiers holds, one bit each.
constexpr std::array kModifierKeys { VK_SHIFT, VK_CONTROL, VK_MENU };

InputState& Input()
{
    static InputState state;
    return state;
}

void MoveFocus(HWND window, bool tellHost)
{
    InputState& input = Input();
    const HWND old = input.focus;
    if (old == window)
        return;
    input.focus = window;
    if (window)
        input.active = TopLevelOf(window);
    if (IsLive(old))
        SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (tellHost)
        if (Host* host = CurrentHost(); host && window)
            host->SetFocus(window);
    if (IsLive(window) && input.focus == window)
        SendMessageA(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

} // namespace

namespace win32_internal {
void ForgetWindowInInput(HWND window)
{
    InputState& input = Input();
    if (input.focus == window)
        input.focus = nullptr;
    if (input.capture == window)
        input.capture = nullptr;
    if (input.active == window)
        input.active = nullptr;
    if (input.caretWindow == window)
        input.caretWindow = nullptr;
}
} // namespace win32_internal

HWND SetFocus(HWND window)
{
    if (window && (!IsLive(window) || !IsWindowEnabled(window)))
        return nullptr;
    const HWND old = Input().focus;
    MoveFocus(window, true);
    return old;
}

HWND GetFocus() { return Input().focus; }

void HostFocusChanged(HWND window)
{
    if (window && !IsLive(window))
        return;
    MoveFocus(window, false);
}

void HostActivationChanged(HWND topLevel, bool active)
{
    if (!IsLive(topLevel))
        return;
    InputState& input = Input();
    if (active) {
        input.active = TopLevelOf(topLevel);
        return;
    }
    // Another program's window is in front now; a later report for one of ours wins.
    if (input.active == TopLevelOf(topLevel))
        input.active = nullptr;
}

HWND SetCapture(HWND window)
{
    const HWND old = Input().capture;
    Input().capture = IsLive(window) ? window : nullptr;
    if (IsLive(old) && old != window)
        SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    return old;
}

BOOL ReleaseCapture()
{
    const HWND old = Input().capture;
    Input().capture = nullptr;
    if (IsLive(old))
        SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return Input().capture; }
HWND GetActiveWindow() { return Input().active; }

HWND SetActiveWindow(HWND window)
{
    const HWND old = Input().active;
    if (window && !IsLive(window))
        return nullptr;
    Input().active = window ? TopLevelOf(window) : nullptr;
    if (old != Input().active) {
        if (IsLive(old))
            SendMessageA(old, WM_ACTIVATE, 0, reinterpret_cast<LPARAM>(Input().active));
        if (Input().active)
            SendMessageA(Input().active, WM_ACTIVATE, 1, reinterpret_cast<LPARAM>(old));
    }
    return old;
}

BOOL SetForegroundWindow(HWND window) { return SetActiveWindow(window) || window ? TRUE : FALSE; }

BOOL CreateCaret(HWND window, HBITMAP, int width, int height)
{
    if (!IsLive(window))
        return FALSE;
    Input().caretWindow = window;
    Input().caretSize = { width, height };
    Input().caretHideCount = 1;
    return TRUE;
}

BOOL DestroyCaret()
{
    Input().caretWindow = nullptr;
    Input().caretHideCount = 1;
    return TRUE;
}

BOOL ShowCaret(HWND window)
{
    InputState& input = Input();
    if (!input.caretWindow || (window && window != input.caretWindow))
        return FALSE;
    if (input.caretHideCount > 0)
        --input.caretHideCount;
    return TRUE;
}

BOOL HideCaret(HWND window)
{
    InputState& input = Input();
    if (!input.caretWindow || (window && window != input.caretWindow))
        return FALSE;
    ++input.caretHideCount;
    return TRUE;
}

BOOL SetCaretPos(int x, int y)
{
    if (!Input().caretWindow)
        return FALSE;
    Input().caretPos = { x, y };
    return TRUE;
}

BOOL GetCaretPos(TPoint* point)
{
    if (!point)
        return FALSE;
    *point = Input().caretPos;
    return TRUE;
}

bool CaretVisible() { return Input().caretWindow && Input().caretHideCount == 0; }

TSize CaretSize() { return Input().caretSize; }

std::int16_t GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    bool down = Input().keysDown[std::size_t(virtualKey)];
    if (const std::optional<KeyModifiers> modifiers = Input().messageModifiers)
        for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit)
            if (virtualKey == kModifierKeys[bit])
                down = (*modifiers >> bit) & 1;
    return down ? std::int16_t(0x8000) : std::int16_t(0);
}

namespace win32_internal {

KeyModifiers CurrentKeyModifiers()
{
    KeyModifiers modifiers = 0;
    for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit)
        if (Input().keysDown[std::size_t(kModifierKeys[bit])])
            modifiers |= KeyModifiers(1u << bit);
    return modifiers;
}

void SetMessageKeyModifiers(std::optional<KeyModifiers> modifiers)
{
    Input().messageModifiers = modifiers;
}

} // namespace win32_internal

void SetKeyDown(int virtualKey, bool down)
{
    if (virtualKey >= 0 && virtualKey <= 255)
        Input().keysDown[std::size_t(virtualKey)] = down;
}

BOOL SystemParametersInfoA(UINT action, UINT, void* param, UINT)
{
    if (action != SPI_GETWORKAREA || !param)
        return FALSE;
    Host* host = CurrentHost();
    *static_cast<TRect*>(param) = host ? host->WorkArea() : Rect(0, 0, 1024, 768);
    return TRUE;
}

int GetSystemMetrics(int index)
{
    Host* host = CurrentHost();
    const TRect screen = host ? host->ScreenRect() : Rect(0, 0, 1024, 768);
    switch (index) {
    case SM_CXSCREEN:
        return screen.Width();
    case SM_CYSCREEN:
        return screen.Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

BOOL GetCursorPos(TPoint* point)
{
    if (!point)
        return FALSE;
    Host* host = CurrentHost();
    *point = host ? host->CursorPos() : Input().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    Input().cursorPos = { x, y };
    if (Host* host = CurrentHost())
        host->SetCursorPos({ x, y });
    return TRUE;
}

BOOL MessageBeep(UINT) { return TRUE; }

void PostHostMouseInput(HWND topLevel, UINT message, TPoint clientPoint, WPARAM keys)
{
    if (!IsLive(topLevel))
        return;
    // Leaving concerns the whole window; it has no point to aim at a child.
    if (message == WM_MOUSELEAVE) {
        PostMessageA(topLevel, WM_MOUSELEAVE, 0, 0);
        return;
    }
    HWND target = GetCapture();
    if (!IsLive(target) || TopLevelOf(target) != topLevel)
        target = ChildWindowFromPointDeep(topLevel, clientPoint);
    if (!target)
        return;
    TPoint point = clientPoint;
    const TPoint offset = OffsetInTopLevel(target);
    point.x -= offset.x;
    point.y -= offset.y;
    if (!IsWindowEnabled(target) && message != WM_MOUSEMOVE)
        return;
    PostMessageA(target, message, keys, MAKELPARAM(point.x, point.y));
}

void PostHostKeyInput(HWND topLevel, UINT message, WPARAM virtualKey, LPARAM flags)
{
    if (!IsLive(topLevel))
        return;
    HWND target = GetFocus();
    if (!IsLive(target) || TopLevelOf(target) != topLevel)
        target = topLevel;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        SetKeyDown(int(virtualKey), true);
    if (message == WM_KEYUP || message == WM_SYSKEYUP)
        SetKeyDown(int(virtualKey), false);
    // The key carries Alt as it is now; the key table may have moved on by its dispatch.
    if (message != WM_CHAR && GetKeyState(VK_MENU) < 0)
        flags |= LPARAM(KF_ALTDOWN) << 16;
    PostMessageA(target, message, virtualKey, flags);
}
