// SPDX-License-Identifier: MIT
// Internal bookkeeping shared by the win32 implementation files: which records are alive,
// the top-level windows, and where a window's client area sits in its top-level buffer.
#pragma once

#include "platform/win32/Host.h"
#include "platform/win32/WindowRecord.h"

#include <vector>

namespace win32_internal {

bool IsLive(HWND window);
void AddLive(HWND window);
void RemoveLive(HWND window);
std::vector<HWND>& TopLevelWindows();

HWND TopLevelOf(HWND window);
bool IsNative(HWND window);
// Offset of the window's client area from its top-level window's client area.
TPoint OffsetInTopLevel(HWND window);
// The part of the top-level client area where this window may paint: its own client area
// cut by every ancestor's.
TRect VisibleRectInTopLevel(HWND window);
// Called when bounds or visibility of a window change, so the host can place the native
// controls below it again.
void NativeDescendantsChanged(HWND window, WindowChange change);
// Tells the host of a change it shows: on native controls and top-level windows.
void NotifyHost(HWND window, WindowChange change);
void ForgetWindowInQueue(HWND window);
void ForgetWindowInInput(HWND window);
void ForgetWindowTimers(HWND window);

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT FolderTreeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32_internal
