// SPDX-License-Identifier: MIT
// A mini Win32 user layer: windows, our own thread message queue, painting, timers, focus,
// capture, caret, cursors and system metrics. Host input reaches windows through the queue.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "platform/win32/windows/WinTypes.h"

using HINSTANCE = void*;
inline constexpr HINSTANCE HInstance = nullptr;

// Window styles.
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_OEMCONVERT = 0x0400;
inline constexpr DWORD ES_READONLY = 0x0800;

// The built-in classes the host realises natively.
inline constexpr const char* kButtonClass = "BUTTON";
inline constexpr const char* kEditClass = "EDIT";

struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    const char* lpszClassName = nullptr;
};
BOOL RegisterClassA(const WNDCLASSA& windowClass);
BOOL GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* windowClass);

// The creation parameter becomes the window's user data before WM_CREATE is sent, so a
// procedure that finds its object there works from the first message on.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
    int y, int width, int height, HWND parent, int id, void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline constexpr int GWLP_WNDPROC = -4;
inline constexpr int GWLP_ID = -12;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWLP_USERDATA = -21;
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value); // returns the old value

// Messages and the queue.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;
inline constexpr UINT PM_NOYIELD = 0x0002;
// A filter range of 0, 0 takes every message; WM_PAINT is made for windows waiting to be
// painted once nothing else is queued; WM_QUIT comes last and stays until removed.
BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
// Waits for host input when the queue is empty; returns FALSE for WM_QUIT. Without a host
// nothing can arrive, so an empty queue yields WM_NULL instead of waiting for ever.
BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessageA(const MSG* message);
void PostQuitMessage(int exitCode);
BOOL WaitMessage();
// Messages waiting in the queue, for tests and diagnostics.
int QueuedMessageCount();

// Timers: WM_TIMER is posted to the window each time the interval has passed.
UINT SetTimer(HWND window, UINT id, UINT elapse, void* reserved);
BOOL KillTimer(HWND window, UINT id);

// Focus, capture, activation.
HWND SetFocus(HWND window); // returns the window that had the focus
HWND GetFocus();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND window);
BOOL SetForegroundWindow(HWND window);

// Caret, kept as state: the host draws no caret in our own windows.
BOOL CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND window);
BOOL HideCaret(HWND window);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(TPoint* point);
bool CaretVisible();
TSize CaretSize(); // as last created

// Geometry.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline const HWND HWND_TOP = nullptr;
// As the parent of CreateWindowExA: a window that only receives messages. It is never shown,
// painted or listed among the thread's windows, and the host never hears of it.
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(std::intptr_t(-3));
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL GetWindowRect(HWND window, TRect* rect); // on the screen
BOOL GetClientRect(HWND window, TRect* rect);
BOOL ClientToScreen(HWND window, TPoint* point);
BOOL ScreenToClient(HWND window, TPoint* point);
HWND GetParent(HWND window);
inline constexpr UINT GW_OWNER = 4;
// Only GW_OWNER: the top-level window that owns this one, or nullptr.
HWND GetWindow(HWND window, UINT relation);
HWND SetParent(HWND window, HWND newParent);
int GetDlgCtrlID(HWND window);
// The deepest visible window under a point of the screen, native controls included.
HWND WindowFromPoint(TPoint screenPoint);
// The deepest visible child of window under a point of its client area, or window itself.
HWND ChildWindowFromPointDeep(HWND window, TPoint clientPoint);

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWNA = 8;
BOOL ShowWindow(HWND window, int command); // returns whether it was visible before
BOOL IsWindowVisible(HWND window); // the window and all its ancestors
BOOL EnableWindow(HWND window, BOOL enable); // returns whether it was disabled before
BOOL IsWindowEnabled(HWND window);
BOOL SetWindowTextA(HWND window, const char* text);
int GetWindowTextA(HWND window, char* buffer, int bufferSize);
int GetWindowTextLengthA(HWND window);
AnsiString GetWindowTextString(HWND window);
// True for a window the host draws itself (a push button, an edit, a folder tree), false for
// the containers whose client area our own code paints.
bool IsHostDrawnWindow(HWND window);

using WNDENUMPROC = BOOL (*)(HWND window, LPARAM lParam);
DWORD GetCurrentThreadId();
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC callback, LPARAM lParam);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM lParam);
// The next child of parent (top-level windows for nullptr) after childAfter (nullptr: from the
// first) whose class and text match; a null class or text matches any. Letter case is ignored.
HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName);

// Painting.
struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    TRect rcPaint;
};
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// A DC over the top-level window's buffer, origin at this window's client area, clipped to it.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
BOOL InvalidateRect(HWND window, const TRect* rect, BOOL erase); // null rect: the whole client
BOOL ValidateRect(HWND window, const TRect* rect);
BOOL GetUpdateRect(HWND window, TRect* rect, BOOL erase);
BOOL UpdateWindow(HWND window); // paints now if anything waits

// System metrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_SWAPBUTTON = 23;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
int GetSystemMetrics(int index);
inline constexpr UINT SPI_GETWORKAREA = 0x0030;
// SPI_GETWORKAREA: the screen's area without panels and docks, into the TRect param points to.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* param, UINT winIni);

// Keys.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F4 = 0x73;
// High bit set while the key is down, as the host last reported.
std::int16_t GetKeyState(int virtualKey);
void SetKeyDown(int virtualKey, bool down); // for the host
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;
// In the high word of a key message's lParam: Alt was down when the key was pressed.
inline constexpr WORD KF_ALTDOWN = 0x2000;

// Cursors. Named cursors come from the program's resource table; numbered ones are the
// host's standard shapes.
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_UPARROW = 32516;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;
inline constexpr int IDC_APPSTARTING = 32650;
inline constexpr int IDC_HELP = 32651;
// A missing resource gives nullptr, as the classic call does.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, int standardId);
HCURSOR SetCursor(HCURSOR cursor); // returns the previous one
HCURSOR GetCursor();
BOOL DestroyCursor(HCURSOR cursor);
// Without a host the position is the one last set, so tests can place the cursor.
BOOL GetCursorPos(TPoint* point);
BOOL SetCursorPos(int x, int y);
// A named icon from the program's resource table, or nullptr.
HICON LoadIconA(HINSTANCE instance, const char* name);

BOOL MessageBeep(UINT type);
