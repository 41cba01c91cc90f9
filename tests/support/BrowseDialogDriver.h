// SPDX-License-Identifier: MIT
// Drives the folder browse dialog headless, as a user's clicks would: steps are posted to our
// queue and run while the browser's modal loop dispatches them.
#pragma once

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/shell/ShellBrowser.h"

#include <functional>
#include <memory>

namespace browsedialog {

inline constexpr UINT kRunStep = WM_USER + 1;

// Runs a step when the queue gets to it.
inline void Later(std::function<void()> step)
{
    static HWND runner = [] {
        WNDCLASSA windowClass {};
        windowClass.lpszClassName = "BROWSETESTSTEPS";
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message != kRunStep)
                return DefWindowProcA(window, message, wParam, lParam);
            const std::unique_ptr<std::function<void()>> owned(
                reinterpret_cast<std::function<void()>*>(lParam));
            (*owned)();
            return 0;
        };
        RegisterClassA(windowClass);
        return CreateWindowExA(0, "BROWSETESTSTEPS", "", WS_POPUP, 0, 0, 0, 0, nullptr, 0, nullptr);
    }();
    PostMessageA(runner, kRunStep, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(step))));
}

inline HWND RunningDialog()
{
    return FindWindowExA(nullptr, nullptr, kBrowseDialogClass, nullptr);
}

inline HWND Child(HWND dialog, int id)
{
    for (HWND child = FindWindowExA(dialog, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(dialog, child, nullptr, nullptr))
        if (GetDlgCtrlID(child) == id)
            return child;
    return nullptr;
}

inline int ButtonCount(HWND dialog)
{
    int count = 0;
    for (HWND button = FindWindowExA(dialog, nullptr, kButtonClass, nullptr); button;
         button = FindWindowExA(dialog, button, kButtonClass, nullptr))
        ++count;
    return count;
}

// Clicks a button of the running dialog by its control id.
inline void Press(int id)
{
    PostMessageA(Child(RunningDialog(), id), BM_CLICK, 0, 0);
}

inline bool OkEnabled()
{
    return IsWindowEnabled(Child(RunningDialog(), IDOK)) != FALSE;
}

inline const FolderTreeState& Tree()
{
    return *FolderTreeStateOf(Child(RunningDialog(), kBrowseTreeId));
}

} // namespace browsedialog
