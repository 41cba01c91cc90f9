// SPDX-License-Identifier: MIT
// What a cursor handle points at: a standard shape of the host, or our own 1-bit image.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/Rect.h"

struct CursorRecord {
    int standardId = 0; // IDC_* for a host shape; 0 for an image of ours
    PixelRaster andMask; // 1 keeps the screen
    PixelRaster xorMask; // with AND 0: 0 black, 1 white
    TPoint hotSpot;
    bool shared = true; // loaded cursors live for the whole run
};
