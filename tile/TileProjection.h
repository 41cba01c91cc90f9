// SPDX-License-Identifier: MIT
// How a source picture is laid onto the tile before the mask: stretched over the whole
// tile, or laid flat onto the tile's diamond so that a square, seamless texture makes floor
// tiles that meet their neighbours without a seam.
#pragma once

#include "platform/gdi/SampleMap.h"

#include <cstdint>

// Block: a block tile (BlockProjection.h), taller than the others by its depth.
enum class TTileProjection : std::uint8_t { Stretch, Iso, Block };

// Laid flat: tile pixel (x, y) of a W x H tile takes source pixel (floor(u * sw), floor(v * sh))
// with u = ((2x+1)H + (2y+1)W - WH) / 2WH and v = ((2y+1)W - (2x+1)H + WH) / 2WH, in exact
// integers; where u or v falls outside [0, 1) it takes none. The source's top-left corner
// lands on the top tip and its top edge runs to the right tip. The tile holds at most
// kBmpMaxPixels pixels, so every product fits in 64 bits.
std::optional<TSourcePixel> IsoSample(int x, int y, int width, int height, int sourceWidth, int sourceHeight);

// The same projection continued past the diamond, the source repeating in both directions,
// so a seamless texture runs on into the neighbouring cells exactly; x and y may lie
// outside the tile.
TSourcePixel WrappedIsoSample(int x, int y, int width, int height, int sourceWidth, int sourceHeight);

// blockDepth is the height of a block's side faces, for Block only.
TSampleRule ProjectionRule(TTileProjection projection, int blockDepth = 0);
