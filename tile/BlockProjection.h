// SPDX-License-Identifier: MIT
// Block tiles: the iso tile's diamond as the top face and, below it, the two side faces a
// block shows to an isometric camera, each as high as the block's depth and darkened, so
// that blocks stacked on a floor read as solid. The mask plays no part: a block is opaque
// inside its outline and white (transparent in PNG) outside it.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tile/TileFileConverters.h"

#include <cstdint>
#include <optional>

// The tallest side faces a block may have, so that a tile stays a size PNG readers take.
inline constexpr int kMostBlockDepth = 16384;

struct TBlockShape {
    int depth = 0; // the side faces' height in pixels; 0: the top face's height
    double leftShade = 0.8; // the left face's colour channels are multiplied by this, in [0, 1]
    double rightShade = 0.6; // the right face's
};

enum class TBlockFace : std::uint8_t { None, Top, Left, Right };

// The face of a block tile width x (height + depth) that pixel (x, y) lies on; the top face
// is the diamond of a width x height iso tile.
TBlockFace BlockFace(int x, int y, int width, int height, int depth);

// The source pixel a block tile's pixel takes: on the top face as IsoSample, on a side face
// with the face's left edge as the picture's left and its upper edge as the picture's top.
std::optional<TSourcePixel> BlockSample(
    int x, int y, int width, int height, int depth, int sourceWidth, int sourceHeight);

// The face and the source pixel of a point past the block's outline (x and y may lie outside
// the tile): above the side faces the top face continues as WrappedIsoSample, beside and
// below them each side face continues as its nearest column and row. Inside the outline
// both agree with BlockFace and BlockSample.
TBlockFace ContinuedBlockFace(int x, int y, int width, int height, int depth);
TSourcePixel ContinuedBlockSample(
    int x, int y, int width, int height, int depth, int sourceWidth, int sourceHeight);

// The sample rule of block tiles of this depth; the destination is the whole block tile, so
// the top face is depth pixels less high than the tile.
TSampleRule BlockRule(int depth);

// The depth a shape gives a top face of this height.
int BlockDepth(const TBlockShape& shape, int height);

// Darkens the side faces of a block tile sampled through BlockRule: each channel c of the
// left face becomes floor(c * leftShade + 0.5), of the right face the same with rightShade.
// A tile grown by overdraw pixels on every side (Overdraw.h) is shaded as its faces continue.
void ShadeBlockFaces(PixelRaster& tile, int height, const TBlockShape& shape, int overdraw = 0);

// A whole block tile of a picture, as the window would show it: width x (height + depth),
// white outside the block.
PixelRaster BlockTile(const PixelRaster& picture, int width, int height, const TBlockShape& shape);

// Reads a block tile's source through read and darkens its side faces; shape.depth must be
// set (BlockDepth). Touches nothing shared, so it may run on read-ahead threads.
TSampledReader ShadedBlockReader(TSampledReader read, const TBlockShape& shape, int overdraw = 0);
