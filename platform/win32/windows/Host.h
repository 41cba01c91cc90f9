// SPDX-License-Identifier: MIT
// What the win32 and vcl layers need from the machine's window system. The Qt backend in
// platform/qt implements it; without one installed, windows live only in memory.
#pragma once

#include "platform/rtl/ErrorReport.h"
#include "platform/rtl/SysUtils.h"
#include "platform/win32/windows/WinTypes.h"

#include <exception>
#include <functional>
#include <vector>

enum class WindowChange : std::uint8_t {
    Bounds,
    Visible,
    Enabled,
    Text,
    Font,
    Icon,
    Style,
    ReadOnly,
    MaxLength,
    Selection,
    ZOrder,
    Items, // the nodes of a folder tree or their expansion
    TextArea, // edits: EM_SETRECTNP
    Colors, // edits: text and background colours
};

struct FileDialogRequest {
    AnsiString title;
    AnsiString initialDir; // native form; empty: the host's choice
    AnsiString filter; // "Description|*.ext|Description|*.a;*.b"
    int filterIndex = 1;
    AnsiString defaultExt; // without the dot
    AnsiString fileName;
    bool save = false;
    bool overwritePrompt = false;
    bool fileMustExist = false;
};

inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_YESNO = 0x0004;
inline constexpr UINT MB_ICONERROR = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONWARNING = 0x0030;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Which point of the menu's top edge is put at the point it is asked to open at.
enum class PopupAlignment : std::uint8_t { Left, Right, Center };

struct PopupMenuItem {
    AnsiString caption; // "-" is a separator
    bool enabled = true;
    bool checked = false;
};

class Host {
public:
    virtual ~Host() = default;

    // Windows. Called for top-level windows and native controls only; containers exist
    // only in our records and the top-level buffer.
    virtual void WindowCreated(HWND window) = 0;
    virtual void WindowDestroyed(HWND window) = 0;
    virtual void WindowChanged(HWND window, WindowChange change) = 0;
    // The rectangle of the top-level buffer has been painted anew. It is in the buffer's own
    // pixels, which are the client area's at the buffer's pixel ratio.
    virtual void Present(HWND topLevel, const TRect& rect) = 0;
    virtual void SetFocus(HWND window) = 0;
    virtual TPoint ScreenOrigin(HWND topLevel) = 0; // where the client area starts on screen
    // A key message that the host posted for a native control has come through our own
    // handling to the control's default procedure: the host lets the control have the key.
    // A key the program consumed never comes here.
    virtual void NativeKeyArrived(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        (void)window, (void)message, (void)wParam, (void)lParam;
    }

    // The loop. ProcessEvents turns pending host input into queued messages; with wait it
    // first blocks until something arrives. WakeUp ends such a wait.
    virtual void ProcessEvents(bool wait) = 0;
    virtual void WakeUp() = 0;
    virtual int StartTimer(int intervalMs, std::function<void()> onTimeout) = 0;
    virtual void StopTimer(int timerId) = 0;

    virtual TRect ScreenRect() = 0;
    // The part of the screen windows may use: without panels and docks.
    virtual TRect WorkArea() { return ScreenRect(); }
    virtual TPoint CursorPos() = 0;
    virtual void SetCursorPos(TPoint) {}
    virtual void SetCursor(HCURSOR cursor) = 0;

    virtual AnsiString ClipboardText() = 0;
    virtual void SetClipboardText(const AnsiString& text) = 0;
    // Index of the chosen item, or -1 when the menu was dismissed.
    virtual int TrackPopupMenu(const std::vector<PopupMenuItem>& items, TPoint screenPoint,
        PopupAlignment alignment = PopupAlignment::Left)
        = 0;

    // Modal dialogs; our queue keeps being served while they are open.
    virtual bool FileDialog(const FileDialogRequest& request, AnsiString& chosenFile) = 0;
    virtual bool DirectoryDialog(const AnsiString& title, const AnsiString& initialDir, AnsiString& chosenDir) = 0;
    virtual int MessageBox(const AnsiString& text, const AnsiString& caption, UINT type) = 0;
};

// The installed host, or nullptr. The host installs itself and removes itself on exit.
Host* CurrentHost();
void InstallHost(Host* host);

// An error caught at one of the host's event entries goes to ReportError (rtl/ErrorReport.h),
// so that no exception crosses the host's own loop.

// Host input enters our queue through these. A mouse message goes to the window that has
// the capture, else to the deepest container under the point of the top-level client area.
void PostHostMouseInput(HWND topLevel, UINT message, TPoint clientPoint, WPARAM keys);
// Keys go to the window with the focus, or to the top-level window when none of its has it.
void PostHostKeyInput(HWND topLevel, UINT message, WPARAM virtualKey, LPARAM flags);
// The host tells us which window has the focus after the user moved it.
void HostFocusChanged(HWND window);
// A top-level window of ours became the active window, or stopped being it because another
// program's window (or none) came to the front.
void HostActivationChanged(HWND topLevel, bool active);
// The screen under a top-level window shows it at this many device pixels per logical one:
// its buffer is made anew at that ratio and the whole window repainted.
void HostPixelRatioChanged(HWND topLevel, double ratio);
// The user clicked a native push button: its parent hears of it through the queue.
void HostButtonClicked(HWND button);
// The user edited a native line edit; positions are byte offsets into the text.
void HostEditChanged(HWND edit, const AnsiString& text, int selStart, int selLength);
