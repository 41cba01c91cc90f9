// SPDX-License-Identifier: MIT
// From a 6000 x 4000 picture's name to its tile on the window: the window loads the whole
// picture (it shows it), paints it and generates the tile. The PNG is timed against
// durnik-batch's decoding of the same file, which samples only the rows a tile takes but
// must inflate every one. Argument 0 is a photo-like picture (smooth shading with a little
// grain, which compresses as photographs and textures do: the realistic case), 1 random
// pixels (which compress worst: the worst case for PNG).
#include "app/Main.h"
#include "platform/png/PngCodec.h"
#include "platform/qt/QtHost.h"
#include "platform/vcl/forms/Application.h"
#include "tile/TileProjection.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

struct PictureFiles {
    std::string bmp;
    std::string png;
};

struct Workspace {
    std::filesystem::path folder;
    PictureFiles kinds[2]; // photo-like, random
};

// Smooth colour fields with a little grain, as a photograph or a painted texture has.
PixelRaster PhotoLike()
{
    PixelRaster raster { kWidth, kHeight, false, {} };
    raster.pixels.reserve(std::size_t(kWidth) * kHeight);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            const auto channel
                = [grain](double value) { return std::uint32_t(std::clamp(int(value) + grain, 0, 255)); };
            const double red = 128 + 90 * std::sin(x / 370.0) * std::cos(y / 510.0);
            const double green = 120 + 70 * std::sin((x + y) / 290.0);
            const double blue = 100 + 60 * std::cos((x - 2 * y) / 640.0);
            raster.pixels.push_back(channel(red) | channel(green) << 8 | channel(blue) << 16);
        }
    return raster;
}

PixelRaster RandomPixels()
{
    PixelRaster raster { kWidth, kHeight, false, {} };
    raster.pixels.reserve(std::size_t(kWidth) * kHeight);
    std::uint32_t seed = 12345;
    for (int pixel = 0; pixel < kWidth * kHeight; ++pixel) {
        seed = seed * 1664525u + 1013904223u;
        raster.pixels.push_back(seed >> 8 & 0xFFFFFF);
    }
    return raster;
}

PictureFiles Save(const PixelRaster& raster, const std::filesystem::path& stem)
{
    PictureFiles files { stem.string() + ".bmp", stem.string() + ".png" };
    TBitmap bitmap;
    bitmap.SetRaster(raster);
    bitmap.SaveToFile(files.bmp);
    const std::vector<std::uint8_t> opaque(raster.pixels.size(), 255);
    const std::vector<std::uint8_t> png = WritePng(raster, opaque);
    std::ofstream(files.png, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    return files;
}

// Pictures of varied pixels in a scratch folder, written once for every benchmark.
const Workspace& Pictures()
{
    static const Workspace workspace = [] {
        Workspace made;
        made.folder
            = std::filesystem::temp_directory_path() / ("durnik-open-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made.folder / "config");
        made.kinds[0] = Save(PhotoLike(), made.folder / "photo");
        made.kinds[1] = Save(RandomPixels(), made.folder / "random");
        return made;
    }();
    return workspace;
}

// The program's window, made once, with its settings in the scratch folder.
TMainForm* Window()
{
    static int argc = 1;
    static char name[] = "durnik-bench";
    static char* argv[] = { name, nullptr };
    static const auto window = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("XDG_CONFIG_HOME", (Pictures().folder / "config").c_str(), 1);
        static QtHostSession host(argc, argv);
        Application->SetExeName((Pictures().folder / "durnik").string());
        Application->CreateForm(MainForm);
        MainForm->Show();
        return MainForm;
    }();
    return window;
}

void OpenShowAndGenerate(benchmark::State& state, const std::string& picture)
{
    TMainForm* window = Window();
    for (auto _ : state) {
        window->OpenSource(picture);
        window->Repaint();
        window->GenBtnClick(nullptr);
        window->Repaint();
        benchmark::DoNotOptimize(window->IsoImg->Picture()->Bitmap()->Raster().pixels.data());
    }
}

const PictureFiles& Kind(const benchmark::State& state)
{
    return Pictures().kinds[state.range(0)];
}

void WindowOpensBmp(benchmark::State& state)
{
    OpenShowAndGenerate(state, Kind(state).bmp);
}

void WindowOpensPng(benchmark::State& state)
{
    OpenShowAndGenerate(state, Kind(state).png);
}

void BatchDecodesPng(benchmark::State& state)
{
    TSampler sampler(128, 63, ProjectionRule(TTileProjection::Stretch));
    for (auto _ : state) {
        const PixelRaster raster = ReadPngFileSampled(Kind(state).png, sampler);
        benchmark::DoNotOptimize(raster.pixels.data());
    }
}

} // namespace

// Each benchmark on both pictures, timed the same way.
void OnBothPictures(benchmark::internal::Benchmark* timing)
{
    timing->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(WindowOpensBmp)->Apply(OnBothPictures);
BENCHMARK(WindowOpensPng)->Apply(OnBothPictures);
BENCHMARK(BatchDecodesPng)->Apply(OnBothPictures);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete MainForm;
    std::filesystem::remove_all(Pictures().folder);
    return 0;
}
