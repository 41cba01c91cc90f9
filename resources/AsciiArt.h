// SPDX-License-Identifier: MIT
// Small pictures written as rows of characters, one character per pixel, so that a
// cursor or glyph can be reviewed in the source as the picture it is.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/Rect.h"
#include "platform/win32/resources/ResourceTable.h"

#include <span>
#include <string_view>

using ArtRows = std::span<const std::string_view>;

struct ArtColor {
    char symbol;
    COLORREF color;
};

// Every row must be as long as the first and use only symbols of the palette; anything
// else raises EInvalidGraphic naming the row and column.
PixelRaster RasterFromArt(ArtRows rows, std::span<const ArtColor> palette);

// Cursor art: '.' transparent, '#' black, 'o' white.
CursorResource CursorFromArt(ArtRows rows, TPoint hotSpot);
