// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

void FitRectToScreen(TRect& rect)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Right and bottom are pulled in first, so a rectangle larger than the screen ends up with
    // its left and top edges on the screen.
    if (rect.Right > screenWidth) {
        rect.Left = screenWidth - RectWidth(rect);
        rect.Right = screenWidth;
    }
    if (rect.Left < 0) {
        rect.Right -= rect.Left;
        rect.Left = 0;
    }
    if (rect.Bottom > screenHeight) {
        rect.Top = screenHeight - RectHeight(rect);
        rect.Bottom = screenHeight;
    }
    if (rect.Top < 0) {
        rect.Bottom -= rect.Top;
        rect.Top = 0;
    }
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
