// SPDX-License-Identifier: MIT
// Making the application's other windows wait while a modal window of someone else's runs.
#pragma once

#include "platform/win32/windows/WinUser.h"

#include <vector>

using TTaskWindowList = std::vector<HWND>;

// Disables every visible and enabled top-level window of the application except activeWindow,
// and returns them.
TTaskWindowList DisableTaskWindows(HWND activeWindow);
// Enables again the windows of the list that still exist.
void EnableTaskWindows(const TTaskWindowList& windowList);
