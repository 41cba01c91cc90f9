// SPDX-License-Identifier: MIT
// The program's two extra screen cursors, 32 x 32 monochrome.
#pragma once

#include "platform/win32/resources/ResourceTable.h"

inline constexpr TPoint kHandCursorHotSpot { 6, 16 };
inline constexpr TPoint kDragCursorHotSpot { 15, 16 };

// A pointing hand, index finger up; the hot spot is the tip of the finger.
CursorResource HandCursor();
// A grabbing (closed) hand; the hot spot lies in the middle of the fist.
CursorResource DragCursor();
