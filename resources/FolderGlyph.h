// SPDX-License-Identifier: MIT
// The folder glyph of the file and directory edits' button: an open folder under a
// curved arrow, 14 x 12, on the transparent magenta that glyph bitmaps use. At 14 pixels
// wide the button keeps its natural width of 21.
#pragma once

#include "platform/gdi/PixelRaster.h"

inline constexpr COLORREF kGlyphTransparentColor = 0x00FF00FF;

PixelRaster FolderGlyph();
