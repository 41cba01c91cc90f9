// SPDX-License-Identifier: MIT
#include "resources/data/SampleData.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/FileStorage.h"
#include "resources/data/IsoMask.h"
#include "resources/data/SampleTextures.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

PixelRaster ReadPicture(const std::string& path) { return ReadBmp(ReadFileBytes(path)); }

int ChannelDistance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b))
        + std::abs(GetBValue(a) - GetBValue(b));
}

// Mean colour difference between column a and column b (or rows, when across is false).
double MeanDifference(const PixelRaster& picture, int a, int b, bool across)
{
    double sum = 0;
    for (int i = 0; i < picture.width; ++i)
        sum += across ? ChannelDistance(picture.At(a, i), picture.At(b, i)) : ChannelDistance(picture.At(i, a), picture.At(i, b));
    return sum / picture.width;
}

} // namespace

TEST(SampleData, WritesTheMaskAndTheSamplePicturesThatReadBack)
{
    TemporaryDirectory directory;
    const std::vector<AnsiString> written = WriteSampleData(directory.Path());
    EXPECT_EQ(written.size(), 1 + SampleTextures().size());

    const std::string maskPath = directory / "mask/iso.bmp";
    const PixelRaster mask = ReadPicture(maskPath);
    EXPECT_EQ(mask.width, 128);
    EXPECT_EQ(mask.height, 63);
    EXPECT_EQ(mask, DrawIsoMask(128, 63));
    const std::string header = TemporaryDirectory::Read(maskPath).substr(28, 2);
    EXPECT_EQ(header, std::string("\x18\x00", 2)) << "the mask is not a 24-bit file";

    for (const SampleTexture& texture : SampleTextures()) {
        const PixelRaster picture = ReadPicture(directory / (std::string("bmp/") + texture.fileName));
        EXPECT_EQ(picture.width, kSampleTextureSize) << texture.fileName;
        EXPECT_EQ(picture.height, kSampleTextureSize) << texture.fileName;
    }
}

TEST(SampleData, WritingAgainReplacesTheFiles)
{
    TemporaryDirectory directory;
    WriteSampleData(directory.Path());
    directory.Write("mask/iso.bmp", "not a picture");
    WriteSampleData(directory.Path());
    EXPECT_EQ(ReadPicture(directory / "mask/iso.bmp").width, 128);
}

TEST(SampleData, ADirectoryThatCannotBeMadeIsReported)
{
    TemporaryDirectory directory;
    const std::string blocker = directory.Write("file");
    try {
        WriteSampleData(blocker);
        FAIL() << "wrote below a plain file";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.Message().find("Cannot create the directory"), AnsiString::npos) << error.Message();
    }
}

TEST(SampleTextures, AreDrawnTheSameEveryTimeAndDifferFromEachOther)
{
    std::vector<PixelRaster> pictures;
    for (const SampleTexture& texture : SampleTextures()) {
        pictures.push_back(texture.draw(64));
        EXPECT_EQ(pictures.back(), texture.draw(64)) << texture.fileName;
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_NE(pictures[a], pictures[b]);
    }
}

// A texture that tiles has no seam: wrapping from the last column to the first changes
// the colour no more than the largest step between neighbours inside the picture does.
TEST(SampleTextures, TileWithoutASeamAndAreNotFlat)
{
    for (const SampleTexture& texture : SampleTextures()) {
        const PixelRaster picture = texture.draw(kSampleTextureSize);
        const int last = kSampleTextureSize - 1;
        for (const bool across : { true, false }) {
            double largestInside = 0;
            for (int i = 0; i < last; ++i)
                largestInside = std::max(largestInside, MeanDifference(picture, i, i + 1, across));
            const double seam = MeanDifference(picture, last, 0, across);
            EXPECT_LE(seam, 1.1 * largestInside) << texture.fileName << (across ? " left/right" : " top/bottom");
            // Far-apart lines differ clearly: the picture is not flat.
            EXPECT_GT(MeanDifference(picture, 0, kSampleTextureSize / 2, across), 12) << texture.fileName;
        }
    }
}

TEST(SampleTextures, RefuseSizesOutOfRange)
{
    for (const SampleTexture& texture : SampleTextures()) {
        EXPECT_THROW(texture.draw(0), EInvalidGraphic) << texture.fileName;
        EXPECT_THROW(texture.draw(kLargestTexture + 1), EInvalidGraphic) << texture.fileName;
    }
}
