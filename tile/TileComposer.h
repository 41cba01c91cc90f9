// SPDX-License-Identifier: MIT
// The tile rule: the source stretched over the whole tile, then the mask merged over it so
// that black mask pixels turn the tile white and white ones let the source show
// (tile = source OR NOT mask, channel by channel).
#pragma once

#include "platform/vcl/graphics/Graphics.h"

// Sizes the tile to width x height and composes it; the tile canvas's copy mode is SRCCOPY
// before and after. An empty source or mask draws nothing.
void ComposeTile(TGraphic* source, TGraphic* mask, TBitmap& tile, int width, int height);

// The same on pictures, as the window holds them: the tile is the picture's bitmap.
void ComposeTile(TPicture& source, TPicture& mask, TPicture& tile, int width, int height);
