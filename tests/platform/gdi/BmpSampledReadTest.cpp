// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpSampledRead.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/NearestSample.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tests/platform/gdi/BmpTestFiles.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<COLORREF>;

// Stored bytes whose every pixel differs, for a picture of the given depth.
Bytes Varied(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t index = 0; index < count; ++index)
        bytes[index] = std::uint8_t(index * 37 + index / 7);
    return bytes;
}

std::size_t Stride(int width, int bitCount)
{
    return (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
}

Bytes Uncompressed(int width, int height, int bitCount, Pixels palette = {})
{
    return AssembleBmp(
        BmpParts()
            .Width(width)
            .Height(height)
            .BitCount(std::uint16_t(bitCount))
            .ColorsUsed(std::uint32_t(palette.size()))
            .Palette(palette)
            .Pixels(Varied(Stride(width, bitCount) * std::size_t(height < 0 ? -height : height))));
}

Pixels GreyPalette(int count)
{
    Pixels palette;
    for (int index = 0; index < count; ++index)
        palette.push_back(RGB(std::uint8_t(index), std::uint8_t(255 - index), std::uint8_t(index * 3)));
    return palette;
}

// What the canvas makes of the whole decoded picture: the reference every sample must meet.
PixelRaster StretchedOnACanvas(const Bytes& file, int width, int height)
{
    TBitmap source;
    source.SetRaster(ReadBmp(file));
    TBitmap target;
    target.SetMonochrome(source.Monochrome());
    target.SetWidth(width);
    target.SetHeight(height);
    target.Canvas()->StretchDraw(Rect(0, 0, width, height), &source);
    return target.Raster();
}

// Rows of two runs each in changing colours, every row ended by an end-of-line code, with a
// delta skipping two pixels on the third row and no end-of-bitmap code.
Bytes RunLengthPicture(int width, int height, std::uint32_t compression)
{
    Bytes stream;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t first = std::uint8_t(row % 7);
        const std::uint8_t second = std::uint8_t((row * 3 + 1) % 7);
        const std::uint8_t packed = compression == kRle4 ? std::uint8_t(first << 4 | second) : first;
        stream.insert(stream.end(), { std::uint8_t(width / 2), packed });
        if (row == 2) {
            stream.insert(stream.end(), { 0, 2, 2, 0 }); // delta: two pixels right
            stream.insert(stream.end(), { std::uint8_t(width - width / 2 - 2), second });
        } else {
            stream.insert(stream.end(), { std::uint8_t(width - width / 2), second });
        }
        stream.insert(stream.end(), { 0, 0 });
    }
    return AssembleBmp(BmpParts()
                           .Width(width)
                           .Height(height)
                           .BitCount(compression == kRle4 ? 4 : 8)
                           .Compression(compression)
                           .ColorsUsed(7)
                           .Palette(GreyPalette(7))
                           .Pixels(stream));
}

struct SampledCase {
    const char* name;
    Bytes file;
};

} // namespace

TEST(BmpSampledRead, MatchesTheCanvasStretchForEveryLayoutAndSize)
{
    const SampledCase cases[] = {
        { "24 bpp bottom-up", Uncompressed(37, 23, 24) },
        { "24 bpp top-down", Uncompressed(37, -23, 24) },
        { "32 bpp", Uncompressed(9, 5, 32) },
        { "16 bpp", Uncompressed(17, 11, 16) },
        { "8 bpp", Uncompressed(19, 13, 8, GreyPalette(256)) },
        { "4 bpp", Uncompressed(21, 6, 4, GreyPalette(16)) },
        { "monochrome", Uncompressed(33, 9, 1, { clBlack, clWhite }) },
        { "rle8 rows", RunLengthPicture(40, 150, kRle8) },
        { "rle4 rows", RunLengthPicture(21, 7, kRle4) },
        { "rle8",
            AssembleBmp(BmpParts()
                            .Width(4)
                            .Height(2)
                            .BitCount(8)
                            .Compression(kRle8)
                            .ColorsUsed(3)
                            .Palette({ clRed, clBlue, clLime })
                            .Pixels({ 4, 1, 0, 0, 4, 2, 0, 1 })) },
    };
    const std::pair<int, int> sizes[] = { { 128, 63 }, { 5, 3 }, { 1, 1 }, { 300, 2 } };
    for (const auto& [name, file] : cases) {
        const TMemoryByteSource bytes(file);
        for (const auto& [width, height] : sizes) {
            TSampler sampler(width, height);
            const PixelRaster sampled = ReadBmpSampled(bytes, sampler);
            EXPECT_EQ(sampled, StretchedOnACanvas(file, width, height))
                << name << " to " << width << " x " << height;
            EXPECT_EQ(sampled, SampleRaster(ReadBmp(file), width, height)) << name;
        }
    }
}

TEST(BmpSampledRead, ReadsOnlyTheHeaderOfALargePictureBeforeCheckingIt)
{
    // Far more pixels than the file holds: refused from the header, nothing allocated for them.
    TemporaryDirectory directory;
    const Bytes file = AssembleBmp(BmpParts().Width(100000).Height(100000));
    const std::string path = directory.Write("huge.bmp", std::string(file.begin(), file.end()));
    try {
        ReadBmpFileSampled(path, 128, 63);
        FAIL() << "a header larger than its file was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(
            error.Message().rfind("Cannot load \"" + path + "\": The file is not a valid bitmap", 0), 0u)
            << error.Message();
    }
}

TEST(BmpSampledRead, ReportsFilesThatCannotBeRead)
{
    TemporaryDirectory directory;
    const std::string folder = directory.MakeDirectory("folder.bmp");
    EXPECT_THROW(ReadBmpFileSampled(folder, 4, 4), EInOutError);
    EXPECT_THROW(ReadBmpFileSampled(directory / "missing.bmp", 4, 4), EInOutError);
    Bytes cut = RunLengthPicture(40, 150, kRle8);
    cut.resize(cut.size() - 200);
    const std::string truncated = directory.Write("cut.bmp", std::string(cut.begin(), cut.end()));
    EXPECT_THROW(ReadBmpFileSampled(truncated, 4, 4), EInvalidGraphic);
    const std::string empty = directory.Write("empty.bmp", "");
    EXPECT_THROW(ReadBmpFileSampled(empty, 4, 4), EInvalidGraphic);
    const Bytes file = Uncompressed(4, 4, 24);
    const std::string good = directory.Write("good.bmp", std::string(file.begin(), file.end()));
    EXPECT_THROW(ReadBmpFileSampled(good, 0, 4), EInvalidGraphicOperation);
}

TEST(BmpSampledRead, AnySamplingTakesTheSourcePixelsItsRuleNames)
{
    // Rows taken out of order and some pixels taking none: the picture turned a quarter and
    // mirrored, with every fifth diagonal left white.
    const TSampleRule rule = [](int x, int y, int width, int height, int sourceWidth,
                                 int sourceHeight) -> std::optional<TSourcePixel> {
        if ((x + y) % 5 == 0)
            return std::nullopt;
        return TSourcePixel { NearestSourceIndex(y, height, sourceWidth),
            sourceHeight - 1 - NearestSourceIndex(x, width, sourceHeight) };
    };
    const SampledCase cases[] = {
        { "24 bpp", Uncompressed(37, 23, 24) },
        { "monochrome", Uncompressed(33, 9, 1, { clBlack, clWhite }) },
        { "rle8 rows", RunLengthPicture(40, 150, kRle8) },
        { "rle4 rows", RunLengthPicture(21, 7, kRle4) },
    };
    for (const auto& [name, file] : cases) {
        const PixelRaster decoded = ReadBmp(file);
        TSampler sampler(31, 17, rule);
        const PixelRaster sampled = ReadBmpSampled(TMemoryByteSource(file), sampler);
        ASSERT_EQ(sampled.width, 31);
        ASSERT_EQ(sampled.height, 17);
        EXPECT_EQ(sampled.monochrome, decoded.monochrome) << name;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 31; ++x) {
                const std::optional<TSourcePixel> source = rule(x, y, 31, 17, decoded.width, decoded.height);
                const COLORREF expected
                    = source ? decoded.At(int(source->x), int(source->y)) : COLORREF(clWhite);
                ASSERT_EQ(sampled.At(x, y), expected) << name << " at " << x << ", " << y;
                EXPECT_EQ(sampler.Map().Covers(x, y), source.has_value());
            }
        }
    }
}

TEST(BmpSampledRead, AFileGivesWhatItsBytesGiveAndItsErrorsNameIt)
{
    TemporaryDirectory directory;
    for (const Bytes& file : { Uncompressed(19, 13, 8, GreyPalette(256)), RunLengthPicture(21, 7, kRle4) }) {
        const std::string path = directory.Write("picture.bmp", std::string(file.begin(), file.end()));
        TSampler sampler(7, 5);
        EXPECT_EQ(ReadBmpFileSampled(path, 7, 5), ReadBmpSampled(TMemoryByteSource(file), sampler));
    }
    const Bytes bad = AssembleBmp(BmpParts().BitCount(7));
    const std::string path = directory.Write("bad.bmp", std::string(bad.begin(), bad.end()));
    const std::string reason
        = "The file is not a valid bitmap: a colour depth of 7 bits per pixel is not supported";
    try {
        TSampler sampler(4, 4);
        ReadBmpSampled(TMemoryByteSource(bad), sampler);
        FAIL() << "a depth of 7 bits was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), reason);
    }
    try {
        ReadBmpFileSampled(path, 4, 4);
        FAIL() << "a depth of 7 bits was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), "Cannot load \"" + path + "\": " + reason);
    }
}

TEST(BmpSampledRead, OneSamplerServesPicturesOfEveryShapeInTurn)
{
    // A batch reuses one sampler for every file: its map must follow each picture's height as
    // well as its width, in either order.
    const Bytes files[] = { Uncompressed(10, 5, 24), Uncompressed(10, 20, 24), Uncompressed(10, 5, 24),
        Uncompressed(12, 5, 24), RunLengthPicture(10, 30, kRle8), Uncompressed(10, 20, 24) };
    TSampler shared(7, 9);
    for (const Bytes& file : files) {
        const PixelRaster decoded = ReadBmp(file);
        SCOPED_TRACE(std::to_string(decoded.width) + " x " + std::to_string(decoded.height));
        EXPECT_EQ(ReadBmpSampled(TMemoryByteSource(file), shared), SampleRaster(decoded, 7, 9));
        EXPECT_EQ(shared.Map().SourceWidth(), decoded.width);
        EXPECT_EQ(shared.Map().SourceHeight(), decoded.height);
    }
}
