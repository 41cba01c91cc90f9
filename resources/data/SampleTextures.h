// SPDX-License-Identifier: MIT
// The sample pictures shipped in bmp/: seamless textures of grass, cobbles, water and
// sand, drawn from fixed seeds so every build ships the same files.
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <span>

inline constexpr int kSampleTextureSize = 256;
inline constexpr int kSmallestTexture = 16;
inline constexpr int kLargestTexture = 4096;

// Each draws a size x size colour picture; a size outside kSmallestTexture ..
// kLargestTexture raises EInvalidGraphic.
PixelRaster DrawGrass(int size);
PixelRaster DrawStone(int size);
PixelRaster DrawWater(int size);
PixelRaster DrawSand(int size);

struct SampleTexture {
    const char* fileName; // in the bmp directory
    PixelRaster (*draw)(int size);
};

std::span<const SampleTexture> SampleTextures();
