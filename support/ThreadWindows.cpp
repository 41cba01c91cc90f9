// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

void DiscardPendingMessage(HWND window, UINT message)
{
    MSG removed;
    // A filtered removal may take the quit request as well; it goes back, or the loop would
    // never learn that it should end.
    if (PeekMessageA(&removed, window, message, message, PM_REMOVE) && removed.message == WM_QUIT)
        PostQuitMessage(int(removed.wParam));
}

namespace {

struct ActiveWindowSearch {
    HWND active = nullptr;
    bool found = false;
};

BOOL StopAtActiveWindow(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<ActiveWindowSearch*>(lParam);
    search.found = window == search.active;
    return search.found ? FALSE : TRUE;
}

} // namespace

bool OwnsActiveWindow()
{
    ActiveWindowSearch search;
    search.active = GetActiveWindow();
    if (!search.active)
        return false;
    EnumThreadWindows(GetCurrentThreadId(), &StopAtActiveWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
