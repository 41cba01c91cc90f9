// SPDX-License-Identifier: MIT
#include "platform/png/PngCodec.h"

#include "platform/gdi/BmpSampledRead.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/png/PngTestFiles.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<COLORREF>;

const std::string kReferences = std::string(DURNIK_SOURCE_DIR) + "/tests/png/data";

// Pillow's RGBA laid over white the way the reader is documented to: rounded to the nearest.
PixelRaster OverWhite(const std::string& rgba, int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    for (std::size_t index = 0; index + 3 < rgba.size(); index += 4) {
        const unsigned alpha = std::uint8_t(rgba[index + 3]);
        std::uint8_t channels[3];
        for (std::size_t channel = 0; channel < 3; ++channel) {
            const unsigned value = std::uint8_t(rgba[index + channel]);
            channels[channel] = std::uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255);
        }
        raster.pixels.push_back(RGB(channels[0], channels[1], channels[2]));
    }
    return raster;
}

std::string Write(const TemporaryDirectory& directory, const std::string& name, const Bytes& bytes)
{
    return directory.Write(name, std::string(bytes.begin(), bytes.end()));
}

// A sound file of width x height from our own writer, with some transparency.
Bytes SoundPng(int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    std::vector<std::uint8_t> alpha;
    for (int index = 0; index < width * height; ++index) {
        raster.pixels.push_back(RGB(std::uint8_t(index * 7), std::uint8_t(index * 13), std::uint8_t(index)));
        alpha.push_back(std::uint8_t(index * 3));
    }
    return WritePng(raster, alpha);
}

void ExpectRefused(const Bytes& file, const std::string& reason)
{
    try {
        ReadPng(TMemoryByteSource(file));
        FAIL() << "accepted: " << reason;
    } catch (const EInvalidGraphic& error) {
        const std::string opening = "The file is not a valid PNG picture: ";
        EXPECT_EQ(error.Message().rfind(opening, 0), 0u) << error.Message();
        EXPECT_NE(error.Message().find(reason), std::string::npos) << error.Message();
        EXPECT_EQ(error.Message().find('\n'), std::string::npos) << "one line: " << error.Message();
    }
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace

TEST(PngRead, EveryColourTypeAndDepthGivesThePixelsPillowGives)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kReferences)) {
        if (entry.path().extension() != ".png")
            continue;
        ++count;
        const std::string path = entry.path().string();
        std::string rgbaPath = path;
        rgbaPath.replace(rgbaPath.size() - 4, 4, ".rgba");
        const PixelRaster whole = ReadPngFile(path);
        ASSERT_EQ(whole.width, 13) << path;
        ASSERT_EQ(whole.height, 11) << path;
        EXPECT_EQ(whole, OverWhite(TemporaryDirectory::Read(rgbaPath), 13, 11)) << path;
        // Sampled while decoding, plain and interlaced alike, it is the same sampling of the
        // whole picture.
        for (const auto& [width, height] : { std::pair { 5, 4 }, std::pair { 40, 3 } }) {
            TSampler sampler(width, height);
            EXPECT_EQ(ReadPngFileSampled(path, sampler), SampleRaster(whole, width, height)) << path;
        }
    }
    EXPECT_EQ(count, 36) << "the reference set in " << kReferences;
}

TEST(PngRead, InterlacedPicturesWithEmptyPassesLoadLikeTheirPlainTwins)
{
    // One row or one column leaves later passes empty; so do sizes below the 8 x 8 grid.
    const auto grey = [](int x, int y) { return std::uint8_t(x * 40 + y * 7 + 1); };
    for (const auto& size :
        { std::pair { 1, 1 }, std::pair { 5, 1 }, std::pair { 9, 1 }, std::pair { 1, 5 }, std::pair { 1, 9 },
            std::pair { 3, 2 }, std::pair { 2, 3 }, std::pair { 8, 8 }, std::pair { 13, 11 } }) {
        // Plain names, not a structured binding, so the lambda below can capture them.
        const int width = size.first;
        const int height = size.second;
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const auto file = [&](bool interlaced) {
            return AssemblePng(PngHeader(std::uint32_t(width), std::uint32_t(height), 8, 0, interlaced),
                Deflated(GreyRows(width, height, interlaced, grey)));
        };
        PixelRaster plain { width, height, false, {} };
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                plain.pixels.push_back(RGB(grey(x, y), grey(x, y), grey(x, y)));
        ASSERT_EQ(ReadPng(TMemoryByteSource(file(false))), plain);
        const Bytes interlaced = file(true);
        EXPECT_EQ(ReadPng(TMemoryByteSource(interlaced)), plain);
        TSampler sampler(4, 3);
        EXPECT_EQ(ReadPngSampled(TMemoryByteSource(interlaced), sampler), SampleRaster(plain, 4, 3));
    }
}

TEST(PngRead, TransparencyIsLaidOverWhite)
{
    TemporaryDirectory directory;
    const PixelRaster colours { 5, 1, false, { clRed, clBlack, clBlue, clBlack, RGB(200, 100, 0) } };
    const std::string path
        = Write(directory, "a.png", WritePng(colours, std::vector<std::uint8_t> { 0, 128, 255, 64, 1 }));

    EXPECT_EQ(ReadPngFile(path).pixels,
        (Pixels { clWhite, RGB(127, 127, 127), clBlue, RGB(191, 191, 191), RGB(255, 254, 254) }));
}

TEST(PngRead, MalformedFilesAreRefusedWithOneLineSayingWhy)
{
    const Bytes sound = SoundPng(40, 30);
    ASSERT_NO_THROW(ReadPng(TMemoryByteSource(sound)));

    // A byte of the image data changed, its checksum left as it was.
    Bytes damaged = sound;
    const auto idat = std::search(damaged.begin(), damaged.end(), std::begin("IDAT"), std::begin("IDAT") + 4);
    ASSERT_NE(idat, damaged.end());
    idat[10] ^= 0x55;
    ExpectRefused(damaged, "");

    // Sizes a reader could never hold, and a few bytes claiming a picture of 256 million
    // pixels: both refused from the header, before decoding.
    ExpectRefused(AssemblePng(PngHeader(100000, 100000, 8, 6), Deflated(Bytes(10, 0))), "too large");
    ExpectRefused(AssemblePng(PngHeader(16000, 16000, 8, 0), Deflated(Bytes(16001 * 4, 0))),
        "larger than its compressed data can describe");
    // Rows missing from the image data.
    ExpectRefused(AssemblePng(PngHeader(10, 10, 8, 0), Deflated(Bytes(11 * 5, 0))), "");
    ExpectRefused(Text("not a picture at all"), "");
    ExpectRefused({}, "");

    // Every cut of a sound file, whether it ends in a header, the image data or the end marker.
    for (std::size_t length = 0; length < sound.size(); ++length) {
        SCOPED_TRACE("first " + std::to_string(length) + " of " + std::to_string(sound.size()) + " bytes");
        ExpectRefused(Bytes(sound.begin(), sound.begin() + std::ptrdiff_t(length)), "");
    }
}

TEST(PngRead, AFileGivesWhatItsBytesGiveAndItsErrorsNameIt)
{
    TemporaryDirectory directory;
    const Bytes sound = SoundPng(40, 30);
    const std::string path = Write(directory, "sound.png", sound);
    EXPECT_EQ(ReadPngFile(path), ReadPng(TMemoryByteSource(sound)));
    TSampler fromFile(7, 5);
    TSampler fromMemory(7, 5);
    EXPECT_EQ(ReadPngFileSampled(path, fromFile), ReadPngSampled(TMemoryByteSource(sound), fromMemory));

    const std::string text = directory.Write("text.png", "not a picture at all");
    for (const auto& read : { std::function([](const std::string& file) { ReadPngFile(file); }),
             std::function([](const std::string& file) {
                 TSampler sampler(4, 4);
                 ReadPngFileSampled(file, sampler);
             }) }) {
        try {
            read(text);
            FAIL() << "text was taken for a picture";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message().rfind(
                          "Cannot load \"" + text + "\": The file is not a valid PNG picture: ", 0),
                0u)
                << error.Message();
        }
    }
}

TEST(PngRead, FilesThatCannotBeReadAreInputErrors)
{
    TemporaryDirectory directory;
    EXPECT_THROW(ReadPngFile(directory / "missing.png"), EInOutError);
    EXPECT_THROW(ReadPngFile(directory.MakeDirectory("folder.png")), EInOutError);
    EXPECT_FALSE(IsPngFile(directory / "missing.png"));
    EXPECT_FALSE(IsPngFile(directory.Write("a.bmp", "BM")));
    EXPECT_TRUE(IsPngFile(Write(directory, "b.bmp", SoundPng(1, 1))));
}

TEST(PngWrite, AnEmptyRasterCannotBeSaved)
{
    EXPECT_THROW(WritePng(PixelRaster {}, {}), EInvalidGraphicOperation);
}
