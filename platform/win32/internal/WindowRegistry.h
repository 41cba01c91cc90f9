// SPDX-License-Identifier: MIT
// Internal bookkeeping shared by the win32 implementation files: which records are alive,
// the top-level windows, and where a window's client area sits in its top-level buffer.
#pragma once

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/windows/Host.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace win32_internal {

bool IsLive(HWND window);
void AddLive(HWND window);
void RemoveLive(HWND window);
std::vector<HWND>& TopLevelWindows();

HWND TopLevelOf(HWND window);
bool IsNative(HWND window);
// The width of a child window's frame (client edge 2, border 1); the client area lies inside.
int NonClientFrame(HWND window);
// The client area in the window's own client coordinates: (0, 0) and the inner size.
TRect ClientRectOf(HWND window);
// Where the window's client area starts in its parent's client area.
TPoint ClientOffsetInParent(HWND window);
// Offset of the window's client area from its top-level window's client area.
TPoint OffsetInTopLevel(HWND window);
// Offset of the window's outer corner, frame included, from the top-level client area.
TPoint WindowOffsetInTopLevel(HWND window);
// The part of the top-level client area where this window may paint: its own client area
// cut by every ancestor's.
TRect VisibleRectInTopLevel(HWND window);
// The same for the whole window, frame included: what a native control may show.
TRect VisibleWindowRectInTopLevel(HWND window);
// Gives a top-level window a cleared paint buffer of its size at its buffer's pixel ratio.
void AllocatePaintBuffer(HWND topLevel);
// Called when bounds or visibility of a window change, so the host can place the native
// controls below it again.
void NativeDescendantsChanged(HWND window, WindowChange change);
// Tells the host of a change it shows: on native controls and top-level windows.
void NotifyHost(HWND window, WindowChange change);
// A window of ours inside a native control appeared, moved, hid or went: the native control
// shows around it, so the host places it again.
void NativeAncestorChanged(HWND window);
// The edit asks its parent for its colours (WM_CTLCOLOREDIT) and keeps what the DC says.
void QueryEditColors(HWND edit);
// What the parent must repaint when a child container moves, hides or shows.
void InvalidateAreaInParent(HWND window);
void ForgetWindowDrops(HWND window);
void ForgetWindowInQueue(HWND window);
void ForgetWindowInInput(HWND window);
void ForgetWindowTimers(HWND window);

// Shift, Ctrl and Alt as a key message found them when it was posted; the queue keeps them
// with the message and hands them back when it is taken out.
using KeyModifiers = std::uint8_t;
KeyModifiers CurrentKeyModifiers();
// While a key message taken from the queue is handled, GetKeyState answers for its Shift,
// Ctrl and Alt as they were when it was posted, however the keyboard moved on since, as
// Win32 does; std::nullopt hands the answer back to the keyboard as it is now.
void SetMessageKeyModifiers(std::optional<KeyModifiers> modifiers);

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT FolderTreeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace win32_internal
