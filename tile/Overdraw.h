// SPDX-License-Identifier: MIT
// PNG tiles that reach a few pixels past their cell. A map editor or engine that scales and
// smooths blends each diamond's edge with what lies outside it; when that is transparent, a
// see-through hairline runs between neighbours. A tile grown by N pixels on every side, opaque
// up to N pixels around its cell and showing there what the neighbour shows, overlaps its
// neighbours instead. Inside the cell the tile is exactly the tile without overdraw.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tile/BlockProjection.h"
#include "tile/TileProjection.h"

#include <cstdint>
#include <vector>

// The least that leaves no hole in a 4 x 4 map drawn by Tiled at scales 0.5, 0.75, 1, 1.5 and 2,
// smoothed or not, with 128 x 63 and 128 x 64 cells of every projection; without it up to
// 6 % of a smoothed map's inside shows through (tests/tools/SeamlessMapTest.cpp renders them).
inline constexpr int kDefaultOverdraw = 1;
inline constexpr int kMostOverdraw = 64;

// The sample rule of a tile grown by overdraw (more than 0) pixels on every side: the
// projection's own rule inside the cell, continued past it: iso and block as the projection
// runs on with the source repeating, stretch as the stretched picture's nearest edge pixel.
// blockDepth is for Block only.
TSampleRule OverdrawRule(TTileProjection projection, int blockDepth, int overdraw);

// The mask a grown tile is composed with, (width + 2 * overdraw) x (height + 2 * overdraw):
// inside, the mask stretched to width x height (white without one) wherever the tile without
// overdraw is visible (the mask not black and cellRule covering the pixel); white wherever
// such a pixel lies within overdraw pixels across and down; black elsewhere. Composing with
// it keeps the cell exact and shows the picture in the ring, and its brightness is the
// grown tile's opacity.
PixelRaster OverdrawMask(TGraphic* mask, const TSampleRule& cellRule, int width, int height, int overdraw);

// What composing a tile grown by overdraw takes: how it samples its source, and the mask it
// is composed with, the brightness of which is its opacity.
struct TOverdrawPlan {
    TSampleRule rule;
    PixelRaster mask;
};

// The plan for tiles of this projection whose cell-sized tile is width x tileHeight (a
// block's side faces included); mask is nullptr for blocks, which take none.
TOverdrawPlan PlanOverdraw(
    TGraphic* mask, TTileProjection projection, int width, int tileHeight, int blockDepth, int overdraw);

// Whether each pixel of a width x height raster lies within distance pixels, across and
// down, of one for which inside is true: a square dilation.
std::vector<bool> Dilated(const std::vector<bool>& inside, int width, int height, int distance);
