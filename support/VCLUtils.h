// SPDX-License-Identifier: MIT
// Drawing, window and text helpers for the widgets: embossed (disabled) glyph images, the
// backdrop beneath a transparent control, rectangle measures, queue and window placement
// helpers, caption shortening and the active-window test. None of them keeps state.
#pragma once

#include "platform/vcl/controls/Control.h"
#include "platform/vcl/graphics/Graphics.h"
#include "platform/win32/windows/WinUser.h"

#include <memory>

// A new bitmap of the glyph's size in backColor, where every glyph pixel of outlineColor shows
// in shadowColor and, when drawHighlight is set, the pixel one right and one down of it shows in
// highlightColor unless it is an outline pixel itself. The mask is built and combined by the
// raster engine, so colours compare as the drawing surface resolves them.
std::unique_ptr<TBitmap> MakeEmbossedBitmap(TBitmap* glyph, TColor outlineColor, TColor backColor,
    TColor highlightColor, TColor shadowColor, bool drawHighlight);
// The embossed image in the button colours: face, highlight and shadow.
std::unique_ptr<TBitmap> MakeDisabledBitmap(TBitmap* glyph, TColor outlineColor);

// Paints into dest, at dest's origin, what the control's parent and the windowless siblings
// stacked beneath the control show in the control's rectangle. Nothing without a parent.
void DrawParentBackdrop(TControl* control, TCanvas* dest);

// Negative when the rectangle is inverted.
inline int RectWidth(const TRect& rect)
{
    return rect.Width();
}
inline int RectHeight(const TRect& rect)
{
    return rect.Height();
}

// Drops the first queued message of that number for the window (nullptr: any window of the
// calling thread), without waiting. A pending quit request is never lost on the way.
void DiscardPendingMessage(HWND window, UINT message);

// Moves the rectangle, keeping its size, so that it lies on the primary screen; when it is
// larger than the screen its left and top edges win.
void FitRectToScreen(TRect& rect);
// Centres the window on the primary screen, fitted to it; size, stacking and activation stay.
void CenterWindowOnScreen(HWND window);

// The text itself when it fits maxWidth pixels in the canvas's font; otherwise the first
// leading part followed by "..." that fits, trying two characters fewer first and one more
// each time after, down to "..." alone, which is returned even when it does not fit.
// Characters are counted, so a multi-byte character is never split.
AnsiString ShortenTextToWidth(const AnsiString& text, TCanvas* canvas, int maxWidth);

// True when the active window is one of the calling thread's top-level windows.
bool OwnsActiveWindow();
