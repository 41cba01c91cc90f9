// SPDX-License-Identifier: MIT
// Finding windows by class and text.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <cctype>

using namespace win32_internal;

namespace {

bool SameTextIgnoringCase(const AnsiString& a, const char* b)
{
    const AnsiString other = b;
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

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
        if (className && !SameTextIgnoringCase(window->className, className))
            continue;
        if (windowName && window->text != windowName)
            continue;
        return window;
    }
    return nullptr;
}
