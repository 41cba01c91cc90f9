// SPDX-License-Identifier: MIT
// Bitmaps by name from the program's resources, and the few system bitmaps the widgets use,
// drawn by our own code. The caller owns the returned bitmap and deletes it (DeleteObject),
// or hands it to a TBitmap, which takes it over.
#pragma once

#include "platform/win32/windows/WinUser.h"

// The arrow of a combo box's drop-down button.
inline constexpr int OBM_COMBO = 32738;

// A named bitmap of the program's resources, or nullptr when there is none of that name.
HBITMAP LoadBitmapA(HINSTANCE instance, const char* name);
// A system bitmap by number (no module), or nullptr for a number we do not draw.
HBITMAP LoadBitmapA(HINSTANCE instance, int systemBitmapId);
