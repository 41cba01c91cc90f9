// SPDX-License-Identifier: MIT
// The application icon "MAINICON": an isometric grass tile, a green diamond with a
// darker edge standing on a thin slab of earth, on a transparent background.
#pragma once

#include "platform/win32/resources/ResourceTable.h"

// The icon drawn at size x size pixels (at least 1), edges smoothed by coverage.
IconImage DrawTileIcon(int size);

// The icon at 16, 32, 48 and 64 pixels.
IconResource TileIcon();
