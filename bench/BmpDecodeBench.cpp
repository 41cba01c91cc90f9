// SPDX-License-Identifier: MIT
// Decoding a 6000 x 4000, 24-bit BMP from memory: ReadBmp against Qt's QImage reader
// and stb_image, each in its own output format.
#include "platform/gdi/BmpCodec.h"

#include <benchmark/benchmark.h>
#include <stb_image.h>

#ifdef DURNIK_BENCH_WITH_QT
#include <QImage>
#endif

#include <cstdint>
#include <vector>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

// A photo-sized picture with varied pixels, so no reader gains from repetition.
const std::vector<std::uint8_t>& SampleBmp()
{
    static const std::vector<std::uint8_t> bytes = [] {
        PixelRaster raster { .width = kWidth, .height = kHeight, .monochrome = false, .pixels = {} };
        raster.pixels.reserve(std::size_t(kWidth) * kHeight);
        std::uint32_t seed = 12345;
        for (int pixel = 0; pixel < kWidth * kHeight; ++pixel) {
            seed = seed * 1664525u + 1013904223u;
            raster.pixels.push_back(seed >> 8);
        }
        return WriteBmp(raster);
    }();
    return bytes;
}

void CountBytes(benchmark::State& state)
{
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(SampleBmp().size()));
}

void DecodeWithReadBmp(benchmark::State& state)
{
    const auto& bytes = SampleBmp();
    for (auto _ : state) {
        const PixelRaster raster = ReadBmp(bytes);
        benchmark::DoNotOptimize(raster.pixels.data());
    }
    CountBytes(state);
}

void DecodeWithStbImage(benchmark::State& state)
{
    const auto& bytes = SampleBmp();
    for (auto _ : state) {
        int width = 0;
        int height = 0;
        int channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(bytes.data(), int(bytes.size()), &width, &height, &channels, 0);
        if (pixels == nullptr)
            state.SkipWithError("stb_image could not read the picture");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    CountBytes(state);
}

#ifdef DURNIK_BENCH_WITH_QT
void DecodeWithQImage(benchmark::State& state)
{
    const auto& bytes = SampleBmp();
    for (auto _ : state) {
        QImage image;
        if (!image.loadFromData(bytes.data(), int(bytes.size()), "BMP"))
            state.SkipWithError("QImage could not read the picture");
        benchmark::DoNotOptimize(image.constBits());
    }
    CountBytes(state);
}
#endif

} // namespace

BENCHMARK(DecodeWithReadBmp)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(DecodeWithStbImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);
#ifdef DURNIK_BENCH_WITH_QT
BENCHMARK(DecodeWithQImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->ReportAggregatesOnly(true);
#endif

BENCHMARK_MAIN();
