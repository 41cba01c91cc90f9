// SPDX-License-Identifier: MIT
// The program's named resources: cursors, bitmaps and icons, compiled in and registered
// once at start-up, then looked up by name the way a Windows program reads its own
// module's resources (LoadCursorA, LoadBitmapA, the window icon). Names compare without
// regard to ASCII letter case, as resource names do. Plain C++, one thread.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/Rect.h"
#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <vector>

// A monochrome cursor with the classic two-mask semantics, per pixel:
//   AND 1, XOR 0: transparent      AND 0, XOR 0: black
//   AND 0, XOR 1: white            AND 1, XOR 1: inverts the screen
// Both masks are monochrome rasters of the same size (32 x 32 for the program's own).
struct CursorResource {
    PixelRaster andMask;
    PixelRaster xorMask;
    TPoint hotSpot;
};

enum class CursorPixel : std::uint8_t { Transparent, Black, White, Inverted };

// What the cursor shows at (x, y), which must lie inside the masks.
CursorPixel CursorPixelAt(const CursorResource& cursor, int x, int y);

// One image of an icon: colour pixels plus an opacity per pixel (0 transparent .. 255
// opaque), so that edges can be smoothed. alpha holds width * height entries.
struct IconImage {
    PixelRaster color;
    std::vector<std::uint8_t> alpha;

    // The pixels as 0xAARRGGBB, not premultiplied, row after row: the layout most hosts
    // take for a 32-bit image with alpha.
    std::vector<std::uint32_t> ToArgb32() const;
};

// An icon in several sizes, smallest first; a host picks the sizes it needs.
struct IconResource {
    std::vector<IconImage> images;
};

// Registering a name that is already taken replaces the earlier resource. A resource whose
// parts disagree (masks of different sizes, a hot spot outside the cursor, an alpha
// plane of the wrong length, an empty picture) is refused with EInvalidGraphic.
void RegisterCursorResource(const AnsiString& name, CursorResource cursor);
void RegisterBitmapResource(const AnsiString& name, PixelRaster bitmap);
void RegisterIconResource(const AnsiString& name, IconResource icon);

// The registered resource, or nullptr when the name is unknown. The pointer stays valid
// until the same name is registered again.
const CursorResource* FindCursorResource(const AnsiString& name);
const PixelRaster* FindBitmapResource(const AnsiString& name);
const IconResource* FindIconResource(const AnsiString& name);
