// SPDX-License-Identifier: MIT
// Colour under transparency. A loader that filters a sheet without premultiplying blends an
// edge pixel with its transparent neighbours' colours, so a tile whose transparent pixels are
// white or black gets a light or dark fringe; giving them the colour of the nearest visible
// pixel leaves nothing to fringe with.
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <cstdint>
#include <span>

// Every pixel of alpha 0 takes the colour of a nearest pixel of alpha above 0, counting
// steps across and down; alpha (a byte a pixel) is left as it is. Without any visible
// pixel the colours stay.
void BleedColours(PixelRaster& colours, std::span<const std::uint8_t> alpha);
