// SPDX-License-Identifier: MIT
// Composing one 128 x 63 tile: from a decoded 1024 x 768 picture as the window does, and
// from the picture's file as durnik-batch does (sampled rows only).
#include "platform/gdi/BmpSampledRead.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tile/TileComposer.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <unistd.h>

namespace {

PixelRaster Varied(int width, int height, std::uint32_t seed)
{
    PixelRaster raster { .width = width, .height = height, .monochrome = false, .pixels = {} };
    raster.pixels.reserve(std::size_t(width) * std::size_t(height));
    for (int pixel = 0; pixel < width * height; ++pixel) {
        seed = seed * 1664525u + 1013904223u;
        raster.pixels.push_back(seed >> 8);
    }
    return raster;
}

PixelRaster Diamond(int width, int height)
{
    PixelRaster raster { .width = width, .height = height, .monochrome = false, .pixels = {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool inside = std::abs(2 * x - width + 1) * height + std::abs(2 * y - height + 1) * width <= width * height;
            raster.pixels.push_back(inside ? clWhite : clBlack);
        }
    return raster;
}

void ComposeFromDecodedPicture(benchmark::State& state)
{
    TBitmap source;
    source.SetRaster(Varied(1024, 768, 1));
    TBitmap mask;
    mask.SetRaster(Diamond(128, 63));
    TBitmap tile;
    for (auto _ : state) {
        ComposeTile(&source, &mask, tile, 128, 63);
        benchmark::DoNotOptimize(tile.Raster().pixels.data());
    }
}

void ComposeFromFileSampled(benchmark::State& state)
{
    char path[] = "/tmp/durnik-compose-bench-XXXXXX";
    const int descriptor = ::mkstemp(path);
    ::close(descriptor);
    TBitmap picture;
    picture.SetRaster(Varied(1024, 768, 2));
    picture.SaveToFile(path);
    TBitmap mask;
    mask.SetRaster(Diamond(128, 63));
    TBitmap source;
    TBitmap tile;
    for (auto _ : state) {
        source.SetRaster(ReadBmpFileSampled(path, 128, 63));
        ComposeTile(&source, &mask, tile, 128, 63);
        benchmark::DoNotOptimize(tile.Raster().pixels.data());
    }
    std::remove(path);
}

} // namespace

BENCHMARK(ComposeFromDecodedPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeFromFileSampled)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
