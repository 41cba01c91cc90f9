// SPDX-License-Identifier: MIT
// Windows of our own for the host tests, whose procedure keeps every message it is given.
#pragma once

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/windows/WinUser.h"

#include <QWidget>

#include <vector>

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<ReceivedMessage>& ReceivedMessages();
// A top-level container of that client size at (x, y); destroyed by the caller.
HWND CreateRecordingWindow(int x, int y, int width, int height, const char* title);
// Dispatches everything queued, painting included.
void DispatchQueued();
// The Qt widget that shows one of our windows.
inline QWidget* WidgetOf(HWND window)
{
    return static_cast<QWidget*>(window->hostData);
}
bool Received(HWND window, UINT message);
