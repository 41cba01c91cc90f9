// SPDX-License-Identifier: MIT
// Files dropped from the desktop's file manager: a window registers for them and receives
// WM_DROPFILES with a drop handle that lists the names; the receiver releases the handle.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "platform/win32/windows/WinTypes.h"

#include <vector>

struct DropRecord;
using HDROP = DropRecord*;

// Registers (accept true) or unregisters the window as a target for dropped files.
void DragAcceptFiles(HWND window, BOOL accept);
bool AcceptsDroppedFiles(HWND window);
// index 0xFFFFFFFF: the number of names. Otherwise the name's length in bytes without the
// terminator; with a buffer, as much of the name as fits bufferSize including the
// terminator is copied, never splitting a UTF-8 character, and the copied length returned.
UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT bufferSize);
// Releases the drop; unknown or already released handles are ignored.
void DragFinish(HDROP drop);
// Drops still waiting to be released, for tests.
int PendingDropCount();

// The host: files (native paths) were dropped on the window. Posts WM_DROPFILES when the
// window is registered and returns whether it was.
bool PostHostDroppedFiles(HWND window, const std::vector<AnsiString>& names);
