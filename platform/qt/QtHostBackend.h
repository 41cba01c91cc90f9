// SPDX-License-Identifier: MIT
// The Host of the win32 layer realised with Qt widgets.
#pragma once

#include "platform/qt/QtFonts.h"
#include "platform/qt/QtLineEditHost.h"
#include "platform/win32/windows/Host.h"

#include <QObject>

#include <map>
#include <memory>

class QApplication;
class QKeyEvent;
class QTimer;
class QWidget;

// Tells our windows when the application palette, and so the system colours, change.
class PaletteWatcher final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installed as the event filter of each native control, to follow focus and key state.
class QtHost final : public Host, private QObject {
public:
    QtHost(int& argc, char** argv);
    ~QtHost() override;

    void WindowCreated(HWND window) override;
    void WindowDestroyed(HWND window) override;
    void WindowChanged(HWND window, WindowChange change) override;
    void Present(HWND topLevel, const TRect& rect) override;
    void SetFocus(HWND window) override;
    TPoint ScreenOrigin(HWND topLevel) override;
    void NativeKeyArrived(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    void ProcessEvents(bool wait) override;
    void WakeUp() override;
    int StartTimer(int intervalMs, std::function<void()> onTimeout) override;
    void StopTimer(int timerId) override;

    TRect ScreenRect() override;
    TRect WorkArea() override;
    TPoint CursorPos() override;
    void SetCursorPos(TPoint point) override;
    void SetCursor(HCURSOR cursor) override;

    AnsiString ClipboardText() override;
    void SetClipboardText(const AnsiString& text) override;
    int TrackPopupMenu(const std::vector<PopupMenuItem>& items, TPoint screenPoint,
        PopupAlignment alignment = PopupAlignment::Left) override;

    bool FileDialog(const FileDialogRequest& request, AnsiString& chosenFile) override;
    bool DirectoryDialog(
        const AnsiString& title, const AnsiString& initialDir, AnsiString& chosenDir) override;
    int MessageBox(const AnsiString& text, const AnsiString& caption, UINT type) override;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QWidget* CreateNativeControl(HWND window);
    // Posts a key with Ctrl or Alt pressed on a push button into our queue; true when it did.
    static bool PostButtonShortCut(HWND button, const QKeyEvent& key, int virtualKey);
    void ApplyNativeChange(HWND window, WindowChange change);
    void ApplyTopLevelChange(HWND window, WindowChange change);
    QWidget* DialogParent() const;
    // Runs a modal Qt dialog while our own queue keeps being served.
    template <class Run> auto RunModal(Run run);
    void PumpQueue();

    std::unique_ptr<QApplication> FOwnApplication;
    std::unique_ptr<PaletteWatcher> FPaletteWatcher;
    QtTextEngine FTextEngine;
    QtLineEdits FLineEdits;
    std::map<int, std::unique_ptr<QTimer>> FTimers;
    int FNextTimerId = 1;
    bool FPumping = false;
};
