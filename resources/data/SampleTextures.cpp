// SPDX-License-Identifier: MIT
#include "resources/data/SampleTextures.h"

#include "platform/rtl/SysUtils.h"
#include "resources/ColorMix.h"
#include "resources/data/Noise.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr double kTau = 2 * std::numbers::pi;

PixelRaster BlankTexture(int size)
{
    if (size < kSmallestTexture || size > kLargestTexture)
        throw EInvalidGraphic("A sample picture of " + IntToStr(size) + " pixels cannot be drawn");
    PixelRaster raster;
    raster.width = size;
    raster.height = size;
    raster.pixels.resize(std::size_t(size) * std::size_t(size));
    return raster;
}

// Fills every pixel from its position as fractions (u, v) of the picture.
PixelRaster PaintTexture(int size, const std::function<Rgb(double u, double v, int x, int y)>& paint)
{
    PixelRaster raster = BlankTexture(size);
    for (int y = 0; y < size; ++y) {
        COLORREF* row = raster.Row(y);
        for (int x = 0; x < size; ++x)
            row[x] = ToColorRef(paint((x + 0.5) / size, (y + 0.5) / size, x, y));
    }
    return raster;
}

// Spreads fractal noise, which crowds around 0.5, over most of [0, 1].
double Contrast(double value, double gain) { return std::clamp(0.5 + (value - 0.5) * gain, 0.0, 1.0); }

Rgb RgbOf(COLORREF color) { return { double(GetRValue(color)), double(GetGValue(color)), double(GetBValue(color)) }; }

int WrapIndex(int value, int size) { return ((value % size) + size) % size; }

} // namespace

// Grass: mottled ground green under thousands of short blades, each leaning a little and
// lighter at its tip. Blades wrap around the edges like the noise does.
PixelRaster DrawGrass(int size)
{
    const TileableFractal ground(101, 4, 5);
    PixelRaster raster = PaintTexture(size, [&](double u, double v, int, int) {
        return Mix(Rgb { 0x2A, 0x5E, 0x1C }, Rgb { 0x5C, 0x9E, 0x34 }, Contrast(ground.At(u, v), 2.2));
    });

    SeededRandom random(102);
    const int bladeCount = size * size / 5;
    for (int blade = 0; blade < bladeCount; ++blade) {
        const int rootX = random.Below(size);
        const int rootY = random.Below(size);
        const int length = 3 + random.Below(6);
        const double lean = random.Between(-0.45, 0.45);
        const Rgb color = Mix(Rgb { 0x2E, 0x70, 0x1E }, Rgb { 0x8C, 0xC8, 0x4A }, random.Unit());
        for (int step = 0; step < length; ++step) {
            const double tip = double(step) / length;
            const int x = WrapIndex(rootX + int(std::lround(lean * step)), size);
            const int y = WrapIndex(rootY - step, size);
            const Rgb shade = Mix(color * 0.8, color * 1.15, tip);
            raster.At(x, y) = ToColorRef(Mix(RgbOf(raster.At(x, y)), shade, 0.85));
        }
    }
    return raster;
}

// Cobbles: a jittered grid of stone centres; a pixel belongs to the nearest centre and is
// mortar where the two nearest centres are almost equally far. Stones darken towards
// their rims so they look rounded.
PixelRaster DrawStone(int size)
{
    constexpr int stonesPerSide = 6;
    struct Stone {
        double x;
        double y;
        Rgb color;
    };
    std::vector<Stone> stones;
    SeededRandom random(201);
    const double cell = double(size) / stonesPerSide;
    for (int row = 0; row < stonesPerSide; ++row) {
        for (int column = 0; column < stonesPerSide; ++column) {
            const double grey = random.Between(0x78, 0xB0);
            const double warmth = random.Between(-10, 10);
            stones.push_back({ (column + random.Between(0.2, 0.8)) * cell, (row + random.Between(0.2, 0.8)) * cell,
                { grey + warmth, grey, grey - warmth } });
        }
    }

    const TileableFractal grain(202, 16, 3);
    return PaintTexture(size, [&](double u, double v, int x, int y) {
        const int cellColumn = int(x / cell);
        const int cellRow = int(y / cell);
        double nearest = std::numeric_limits<double>::max();
        double second = nearest;
        const Stone* owner = nullptr;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int column = cellColumn + dx;
                const int row = cellRow + dy;
                const Stone& stone = stones[std::size_t(WrapIndex(row, stonesPerSide) * stonesPerSide
                    + WrapIndex(column, stonesPerSide))];
                // The stone's copy in the neighbouring tile when the cell wrapped.
                const double stoneX = stone.x + (column - WrapIndex(column, stonesPerSide)) * cell;
                const double stoneY = stone.y + (row - WrapIndex(row, stonesPerSide)) * cell;
                const double distance = std::hypot(x + 0.5 - stoneX, y + 0.5 - stoneY);
                if (distance < nearest) {
                    second = nearest;
                    nearest = distance;
                    owner = &stone;
                } else if (distance < second) {
                    second = distance;
                }
            }
        }
        const double speckle = Contrast(grain.At(u, v), 2.5);
        const double gap = (second - nearest) / cell;
        if (gap < 0.07)
            return Mix(Rgb { 0x30, 0x2E, 0x2A }, Rgb { 0x4A, 0x46, 0x40 }, speckle);
        const double rim = std::clamp(nearest / cell, 0.0, 1.0);
        const double shade = (1.08 - 0.45 * rim * rim) * (0.88 + 0.24 * speckle);
        // The edge of the stone facing the mortar is a little darker still.
        const double bevel = gap < 0.12 ? 0.8 : 1.0;
        return owner->color * (shade * bevel);
    });
}

// Water: waves whose whole numbers of crests fit the picture, bent by noise, from deep
// blue in the troughs to pale foam on the highest crests.
PixelRaster DrawWater(int size)
{
    const TileableFractal bend(301, 3, 4);
    const TileableFractal ripple(302, 12, 3);
    return PaintTexture(size, [&](double u, double v, int, int) {
        const double distortion = 2.5 * (bend.At(u, v) - 0.5);
        const double swell = std::sin(kTau * (2 * u + 3 * v) + kTau * distortion);
        const double chop = std::sin(kTau * (5 * u - 2 * v) + 1.7 + kTau * distortion);
        const double height = std::clamp(0.5 + 0.28 * swell + 0.14 * chop + 0.5 * (ripple.At(u, v) - 0.5), 0.0, 1.0);
        const Rgb water = Mix(Rgb { 0x12, 0x3C, 0x78 }, Rgb { 0x3A, 0x8A, 0xC4 }, height);
        const double foam = std::clamp((height - 0.86) / 0.14, 0.0, 1.0);
        return Mix(water, Rgb { 0xDC, 0xF0, 0xFF }, foam * 0.8);
    });
}

// Sand: warm noise under wind ripples, with a fine grain of lighter and darker specks.
PixelRaster DrawSand(int size)
{
    const TileableFractal dunes(401, 3, 5);
    const TileableFractal bend(402, 2, 3);
    return PaintTexture(size, [&](double u, double v, int x, int y) {
        const double base = Contrast(dunes.At(u, v), 1.8);
        const double ripples = std::sin(kTau * (3 * u + 9 * v) + kTau * 1.5 * (bend.At(u, v) - 0.5));
        const double grain = UnitFromHash(HashOf(403, x, y)) - 0.5;
        const Rgb sand = Mix(Rgb { 0xC8, 0xA4, 0x68 }, Rgb { 0xE8, 0xCE, 0x94 }, base);
        return sand * (1 + 0.07 * ripples + 0.12 * grain);
    });
}

namespace {

constexpr SampleTexture kSampleTextures[] = {
    { "grass.bmp", DrawGrass },
    { "stone.bmp", DrawStone },
    { "water.bmp", DrawWater },
    { "sand.bmp", DrawSand },
};

} // namespace

std::span<const SampleTexture> SampleTextures() { return kSampleTextures; }
