// SPDX-License-Identifier: MIT
// The host's line edits. Keys typed into one travel through our own queue first and reach
// the line edit only when the program let them through; cutting and pasting, by key or by
// the context menu, become WM_CUT and WM_PASTE; local files dropped on a registered edit
// become WM_DROPFILES, and nowhere does a dropped file turn into text.
#pragma once

#include "platform/win32/internal/WindowRecord.h"

#include <QString>

#include <map>
#include <memory>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

class QtLineEdits {
public:
    QtLineEdits();
    ~QtLineEdits();

    QLineEdit* Create(HWND window, QWidget* parent);
    // True when the event was taken here and must not reach the line edit now.
    bool Filter(HWND window, QLineEdit* line, QEvent* event);
    // A key message posted by Filter has passed our own handling.
    void KeyArrived(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Forget(HWND window);

private:
    struct PendingKey;
    bool FilterKey(HWND window, QKeyEvent* event);
    bool FilterDrop(HWND window, QEvent* event);
    void Replay(HWND window, QKeyEvent& event);

    std::map<int, std::unique_ptr<PendingKey>> FPending;
    int FNextSerial = 1;
};

// The text area (EM_SETRECTNP) as the line edit's text margins.
void ApplyLineEditTextArea(QLineEdit* line, HWND window);
// The colours the parent chose (WM_CTLCOLOREDIT) as the line edit's palette.
void ApplyLineEditColors(QLineEdit* line, HWND window);
