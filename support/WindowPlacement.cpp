// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

namespace {

// Moves the span [low, high) into [0, limit), keeping its length. The far edge is pulled in
// first, so a span longer than the screen ends up starting at 0.
void FitSpan(int& low, int& high, int limit)
{
    if (high > limit) {
        low = limit - (high - low);
        high = limit;
    }
    if (low < 0) {
        high -= low;
        low = 0;
    }
}

} // namespace

void FitRectToScreen(TRect& rect)
{
    FitSpan(rect.Left, rect.Right, GetSystemMetrics(SM_CXSCREEN));
    FitSpan(rect.Top, rect.Bottom, GetSystemMetrics(SM_CYSCREEN));
}

void CenterWindowOnScreen(HWND window)
{
    TRect bounds;
    if (!GetWindowRect(window, &bounds))
        return;
    const int width = RectWidth(bounds);
    const int height = RectHeight(bounds);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    TRect centred = Bounds(left, top, width, height);
    FitRectToScreen(centred);
    SetWindowPos(
        window, nullptr, centred.Left, centred.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
