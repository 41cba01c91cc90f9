// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/TaskWindows.h"

#include <exception>

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
    // A window whose handler raises must not leave the others disabled for good: every one is
    // enabled, and the first error is raised afterwards.
    std::exception_ptr firstError;
    for (HWND window : windowList) {
        try {
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        } catch (...) {
            if (!firstError)
                firstError = std::current_exception();
        }
    }
    if (firstError)
        std::rethrow_exception(firstError);
}
