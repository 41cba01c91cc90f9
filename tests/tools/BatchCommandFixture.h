// SPDX-License-Identifier: MIT
// durnik-batch run in the test's own process on a temporary tree, and the PNG files it
// writes decoded independently of our own reader.
#pragma once

#include "platform/png/PngCodec.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/tile/BatchTestPictures.h"
#include "tools/BatchCommand.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <spng.h>
#include <sstream>
#include <string>
#include <vector>

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchCommandTest : public ::testing::Test {
protected:
    TemporaryDirectory root;
    std::string program = root.MakeDirectory("program") + "/";
    std::string in = root.MakeDirectory("in");
    std::string out = root.MakeDirectory("out");

    BatchCommandTest()
    {
        root.MakeDirectory("program/mask");
        TPicture mask;
        LoadHalfMask(mask);
        mask.SaveToFile(program + "mask/iso.bmp");
    }

    CommandRun Run(std::vector<const char*> arguments)
    {
        std::ostringstream outStream;
        std::ostringstream errStream;
        CommandRun run;
        run.status = RunBatchCommand(arguments, { outStream, errStream, program, false });
        run.out = outStream.str();
        run.err = errStream.str();
        return run;
    }
};

// The 8-bit RGBA pixels of a PNG file, decoded by libspng directly.
struct Rgba {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;
    const std::uint8_t* At(int x, int y) const
    {
        return &bytes[4 * (std::size_t(y) * std::size_t(width) + std::size_t(x))];
    }
};

inline Rgba DecodeRgba(const std::string& path)
{
    const std::string file = TemporaryDirectory::Read(path);
    spng_ctx* context = spng_ctx_new(0);
    spng_set_png_buffer(context, file.data(), file.size());
    spng_ihdr header {};
    Rgba image;
    std::size_t size = 0;
    if (spng_get_ihdr(context, &header) == 0
        && spng_decoded_image_size(context, SPNG_FMT_RGBA8, &size) == 0) {
        image.bytes.resize(size);
        if (spng_decode_image(context, image.bytes.data(), size, SPNG_FMT_RGBA8, 0) == 0) {
            image.width = int(header.width);
            image.height = int(header.height);
        }
    }
    spng_ctx_free(context);
    return image;
}

inline void WriteTestPng(const std::string& path, int width, int height, int seed)
{
    const PixelRaster raster = TestPicture(width, height, seed)->Raster();
    const std::vector<std::uint8_t> bytes
        = WritePng(raster, std::vector<std::uint8_t>(raster.pixels.size(), 255));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline PixelRaster LoadedBitmap(const std::string& path)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    return bitmap.Raster();
}

inline std::vector<std::string> SortedNames(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// Every pixel of a decoded PNG tile: the colour of colours, the opacity alphaAt(x, y).
inline void ExpectRgbaTile(
    const Rgba& tile, const PixelRaster& colours, const std::function<int(int, int)>& alphaAt)
{
    ASSERT_EQ(tile.width, colours.width);
    ASSERT_EQ(tile.height, colours.height);
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            const std::uint8_t* pixel = tile.At(x, y);
            ASSERT_EQ(RGB(pixel[0], pixel[1], pixel[2]), colours.At(x, y)) << x << ", " << y;
            ASSERT_EQ(pixel[3], alphaAt(x, y)) << x << ", " << y;
        }
    }
}
