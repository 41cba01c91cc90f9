// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/TaskWindows.h"

namespace {

struct DisableRequest {
    HWND activeWindow = nullptr;
    TTaskWindowList* disabled = nullptr;
};

BOOL CollectWindow(HWND window, LPARAM lParam)
{
    auto& request = *reinterpret_cast<DisableRequest*>(lParam);
    if (window != request.activeWindow && IsWindowVisible(window) && IsWindowEnabled(window))
        request.disabled->push_back(window);
    return TRUE;
}

} // namespace

TTaskWindowList DisableTaskWindows(HWND activeWindow)
{
    TTaskWindowList disabled;
    DisableRequest request { activeWindow, &disabled };
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&request));
    for (HWND window : disabled)
        EnableWindow(window, FALSE);
    return disabled;
}

void EnableTaskWindows(const TTaskWindowList& windowList)
{
    for (HWND window : windowList)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
}
