// SPDX-License-Identifier: MIT
// Finding windows by class and text.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>

using namespace win32_internal;

HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName)
{
    if (parent && !IsLive(parent))
        return nullptr;
    const std::vector<HWND>& candidates = parent ? parent->children : TopLevelWindows();
    auto next = candidates.begin();
    if (childAfter) {
        next = std::find(candidates.begin(), candidates.end(), childAfter);
        if (next == candidates.end())
            return nullptr;
        ++next;
    }
    for (; next != candidates.end(); ++next) {
        const HWND window = *next;
        if (className && !SameText(window->className, className))
            continue;
        if (windowName && window->text != windowName)
            continue;
        return window;
    }
    return nullptr;
}
