// SPDX-License-Identifier: MIT
#include "platform/gdi/Rop3.h"

#include "tests/platform/gdi/GdiTestSurface.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

// Bit i of these three bytes is (i >> 2, i >> 1, i) & 1, so bit i of a channel computed
// from them in the order (P, S, D) is exactly bit i of the truth table.
constexpr std::uint8_t kPatternByte = 0xF0;
constexpr std::uint8_t kSourceByte = 0xCC;
constexpr std::uint8_t kDestByte = 0xAA;

// The three channels rotate the roles of the bytes, so each channel sees a different
// arrangement of the eight (P, S, D) combinations.
constexpr COLORREF kPattern = RGB(kPatternByte, kSourceByte, kDestByte);
constexpr COLORREF kSource = RGB(kSourceByte, kDestByte, kPatternByte);
constexpr COLORREF kDest = RGB(kDestByte, kPatternByte, kSourceByte);

// Looks up each bit of a channel in the table on its own.
std::uint8_t TableChannel(std::uint8_t table, std::uint8_t pattern, std::uint8_t source, std::uint8_t dest)
{
    std::uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int index = 4 * ((pattern >> bit) & 1) + 2 * ((source >> bit) & 1) + ((dest >> bit) & 1);
        if ((table >> index) & 1)
            result |= std::uint8_t(1 << bit);
    }
    return result;
}

COLORREF TablePixel(std::uint8_t table, COLORREF pattern, COLORREF source, COLORREF dest)
{
    return RGB(TableChannel(table, GetRValue(pattern), GetRValue(source), GetRValue(dest)),
        TableChannel(table, GetGValue(pattern), GetGValue(source), GetGValue(dest)),
        TableChannel(table, GetBValue(pattern), GetBValue(source), GetBValue(dest)));
}

class RopCode : public ::testing::TestWithParam<int> {
protected:
    std::uint8_t Table() const { return std::uint8_t(GetParam()); }
    DWORD Code() const { return DWORD(GetParam()) << 16; }
};

TEST_P(RopCode, RedChannelIsTheTruthTableItself)
{
    EXPECT_EQ(GetRValue(ApplyRop3(Table(), kPattern, kSource, kDest)), Table());
}

TEST_P(RopCode, EveryChannelFollowsTheTable)
{
    EXPECT_EQ(ApplyRop3(Table(), kPattern, kSource, kDest), TablePixel(Table(), kPattern, kSource, kDest));
}

// The row engine has fast paths for common codes; they must agree with the table.
TEST_P(RopCode, RowEngineFollowsTheTableWithStrayHighBytes)
{
    const std::array<COLORREF, 3> pattern { kPattern, kSource, kDest };
    const std::array<COLORREF, 3> source { kSource | 0xFF000000, kDest, kPattern };
    std::array<COLORREF, 3> dest { kDest, kPattern | 0x7F000000, kSource };
    ApplyRop3Row(Table(), dest.data(), source.data(), pattern.data(), dest.size());
    EXPECT_EQ(dest[0], TablePixel(Table(), kPattern, kSource, kDest));
    EXPECT_EQ(dest[1], TablePixel(Table(), kSource, kDest, kPattern));
    EXPECT_EQ(dest[2], TablePixel(Table(), kDest, kPattern, kSource));
}

TEST_P(RopCode, BitBltCombinesBrushSourceAndDestination)
{
    TestSurface dest(1, 1, { kDest });
    TestSurface source(1, 1, { kSource });
    SelectedBrush brush(dest.Dc(), CreateSolidBrush(kPattern));
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 1, 1, source.Dc(), 0, 0, Code()));
    EXPECT_EQ(dest.At(0, 0), TablePixel(Table(), kPattern, kSource, kDest));
}

TEST_P(RopCode, OnlyCodesThatReadTheSourceNeedOne)
{
    TestSurface dest(1, 1, { kDest });
    SelectedBrush brush(dest.Dc(), CreateSolidBrush(kPattern));
    const BOOL expected = RopUsesSource(Table()) ? FALSE : TRUE;
    EXPECT_EQ(BitBlt(dest.Dc(), 0, 0, 1, 1, nullptr, 0, 0, Code()), expected);
    EXPECT_EQ(PatBlt(dest.Dc(), 0, 0, 1, 1, Code()), expected);
    if (!RopUsesSource(Table()))
        EXPECT_EQ(dest.At(0, 0), TablePixel(Table(), kPattern, 0, TablePixel(Table(), kPattern, 0, kDest)));
    else
        EXPECT_EQ(dest.At(0, 0), kDest);
}

INSTANTIATE_TEST_SUITE_P(AllCodes, RopCode, ::testing::Range(0, 256));

TEST(RopOperands, NamedCodesReadWhatTheirFormulaNames)
{
    EXPECT_TRUE(RopUsesSource(RopTruthTable(SRCCOPY)));
    EXPECT_FALSE(RopUsesPattern(RopTruthTable(SRCCOPY)));
    EXPECT_FALSE(RopUsesDest(RopTruthTable(SRCCOPY)));
    EXPECT_TRUE(RopUsesSource(RopTruthTable(MERGEPAINT)));
    EXPECT_TRUE(RopUsesDest(RopTruthTable(MERGEPAINT)));
    EXPECT_FALSE(RopUsesPattern(RopTruthTable(MERGEPAINT)));
    EXPECT_TRUE(RopUsesPattern(RopTruthTable(PATCOPY)));
    EXPECT_FALSE(RopUsesSource(RopTruthTable(PATCOPY)));
    EXPECT_TRUE(RopUsesPattern(RopTruthTable(DSPDxax)));
    EXPECT_TRUE(RopUsesSource(RopTruthTable(DSPDxax)));
    EXPECT_TRUE(RopUsesDest(RopTruthTable(DSPDxax)));
    EXPECT_FALSE(RopUsesSource(RopTruthTable(DSTINVERT)));
    EXPECT_FALSE(RopUsesDest(RopTruthTable(BLACKNESS)));
    EXPECT_FALSE(RopUsesPattern(RopTruthTable(WHITENESS)));
}

// The tile composer copies the stretched picture, then merges the mask with MERGEPAINT:
// each channel ends as t OR (255 - m). The 256 x 256 pictures below meet every (t, m)
// pair in each channel.
TEST(ComposerCodes, CopyThenMergePaintGivesSourceOrNotMaskOnEveryChannelValue)
{
    constexpr int kSize = 256;
    TestSurface picture(kSize, kSize);
    TestSurface mask(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            picture.Raster().At(x, y) = RGB(std::uint8_t(x), std::uint8_t(y), std::uint8_t(255 - x));
            mask.Raster().At(x, y) = RGB(std::uint8_t(y), std::uint8_t(x), std::uint8_t(x ^ y));
        }
    }
    TestSurface tile(kSize, kSize, Depth::Colour, RGB(1, 2, 3));
    ASSERT_TRUE(StretchBlt(tile.Dc(), 0, 0, kSize, kSize, picture.Dc(), 0, 0, kSize, kSize, SRCCOPY));
    ASSERT_TRUE(StretchBlt(tile.Dc(), 0, 0, kSize, kSize, mask.Dc(), 0, 0, kSize, kSize, MERGEPAINT));

    int mismatches = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const COLORREF t = picture.At(x, y);
            const COLORREF m = mask.At(x, y);
            const COLORREF expected = RGB(GetRValue(t) | (255 - GetRValue(m)), GetGValue(t) | (255 - GetGValue(m)),
                GetBValue(t) | (255 - GetBValue(m)));
            if (tile.At(x, y) != expected && ++mismatches <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ComposerCodes, GreyAndRedMasksForceTheClearedBits)
{
    TestSurface tile(2, 1, { RGB(0x12, 0x12, 0x12), RGB(0x80, 0x80, 0x80) });
    TestSurface mask(2, 1, { RGB(0x80, 0x80, 0x80), RGB(0xFF, 0, 0) });
    ASSERT_TRUE(BitBlt(tile.Dc(), 0, 0, 2, 1, mask.Dc(), 0, 0, MERGEPAINT));
    EXPECT_EQ(tile.PixelValues(), (Pixels { RGB(0x7F, 0x7F, 0x7F), RGB(0x80, 0xFF, 0xFF) }));
}

} // namespace
