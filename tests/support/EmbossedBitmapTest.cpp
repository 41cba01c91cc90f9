// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include "tests/support/PixelLetters.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr COLORREF Red = 0x0000FF;
constexpr COLORREF Paper = 0xFFFFFF;
constexpr COLORREF Back = 0x336699;
constexpr COLORREF Light = 0x00FFFF;
constexpr COLORREF Dark = 0x444444;

// One letter per pixel: '#' black, 'r' red, '.' white.
std::unique_ptr<TBitmap> GlyphOf(const Picture& rows)
{
    const std::map<char, COLORREF> colours { { '#', 0x000000 }, { 'r', Red }, { '.', Paper } };
    PixelRaster raster;
    raster.width = int(rows.front().size());
    raster.height = int(rows.size());
    for (const std::string& row : rows)
        for (char letter : row)
            raster.pixels.push_back(colours.at(letter));
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetRaster(raster);
    return glyph;
}

// 'b' back, 'h' highlight, 's' shadow, for the colours given.
Picture PictureOf(const TBitmap& bitmap, COLORREF back, COLORREF highlight, COLORREF shadow)
{
    return LettersOf(bitmap, { { back, 'b' }, { highlight, 'h' }, { shadow, 's' } });
}

Picture Embossed(const Picture& glyph, bool drawHighlight = true, TColor outline = clBlack)
{
    const auto source = GlyphOf(glyph);
    const auto result = MakeEmbossedBitmap(source.get(), outline, Back, Light, Dark, drawHighlight);
    return PictureOf(*result, Back, Light, Dark);
}

TEST(MakeDisabledBitmap, ASinglePixelGetsShadowAndAHighlightBelowRightOnTheFace)
{
    const auto glyph = GlyphOf({ "r...", ".#..", "....", "...." });
    const auto result = MakeDisabledBitmap(glyph.get(), clBlack);
    ASSERT_EQ(result->Width(), 4);
    ASSERT_EQ(result->Height(), 4);
    EXPECT_EQ(PictureOf(*result, ColorToRGB(clBtnFace), ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow)),
        (Picture { "bbbb", "bsbb", "bbhb", "bbbb" }));
    EXPECT_FALSE(result->Monochrome());
}

TEST(MakeEmbossedBitmap, TheShadowOfADiagonalNeighbourCoversTheFirstHighlight)
{
    EXPECT_EQ(
        Embossed({ "#....", ".#...", ".....", "....." }), (Picture { "sbbbb", "bsbbb", "bbhbb", "bbbbb" }));
}

TEST(MakeEmbossedBitmap, HighlightsFallingOffTheLastColumnOrRowAreDropped)
{
    EXPECT_EQ(Embossed({ "...#", "....", "#..#" }), (Picture { "bbbs", "bbbb", "sbbs" }));
}

TEST(MakeEmbossedBitmap, AGlyphWithoutTheOutlineColourGivesOnlyTheBack)
{
    EXPECT_EQ(Embossed({ "r.r", ".r." }), (Picture { "bbb", "bbb" }));
}

TEST(MakeEmbossedBitmap, WithoutHighlightOnlyTheShadowIsDrawn)
{
    EXPECT_EQ(Embossed({ "#..", ".#.", "..." }, false), (Picture { "sbb", "bsb", "bbb" }));
}

TEST(MakeEmbossedBitmap, TheOutlineColourChoosesThePixelsNotBlack)
{
    EXPECT_EQ(Embossed({ "#r.", "...", "..." }, true, Red), (Picture { "bsb", "bbh", "bbb" }));
}

TEST(MakeEmbossedBitmap, SystemColoursAreResolvedBeforeComparing)
{
    // The glyph holds plain colour values; the outline is given as a system colour.
    const auto glyph = GlyphOf({ "r#", ".." });
    PixelRaster raster = glyph->Raster();
    raster.At(0, 0) = ColorToRGB(clBtnShadow);
    glyph->SetRaster(raster);
    const auto result = MakeEmbossedBitmap(glyph.get(), clBtnShadow, Back, Light, Red, true);
    EXPECT_EQ(PictureOf(*result, Back, Light, Red), (Picture { "sb", "bh" }));
}

TEST(MakeEmbossedBitmap, LeavesTheGlyphAsItWas)
{
    const auto glyph = GlyphOf({ "#.", "r#" });
    const PixelRaster before = glyph->Raster();
    MakeDisabledBitmap(glyph.get(), clBlack);
    EXPECT_EQ(glyph->Raster(), before);
}

TEST(MakeEmbossedBitmap, AnEmptyGlyphGivesAnEmptyBitmap)
{
    TBitmap glyph;
    const auto result = MakeDisabledBitmap(&glyph, clBlack);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->Empty());
}

} // namespace
