// SPDX-License-Identifier: MIT
// The default tile mask: a white isometric diamond on black whose four tips touch the
// middle of each edge of the picture.
#pragma once

#include "platform/gdi/PixelRaster.h"

inline constexpr int kDefaultMaskWidth = 128;
inline constexpr int kDefaultMaskHeight = 63;

// A colour raster (written as a 24-bit file) holding only black and white. A pixel is
// white when its centre lies inside or on the diamond, so the picture is symmetric left
// to right and top to bottom. Sizes from 1 to 65536 per side; others raise EInvalidGraphic.
PixelRaster DrawIsoMask(int width, int height);
