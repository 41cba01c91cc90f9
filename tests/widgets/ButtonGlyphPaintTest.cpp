// SPDX-License-Identifier: MIT
#include "widgets/ButtonGlyph.h"

#include "GlyphTestSupport.h"

namespace {

const std::map<COLORREF, char> kLegend = { { D, '.' }, { kText, 'T' }, { kShadow, 'S' }, { kHighlight, 'H' },
    { R, 'R' }, { G, 'G' }, { B, 'B' } };

Picture Letters(const TBitmap& bitmap)
{
    return LettersOf(bitmap, kLegend);
}
Picture LettersIn(const TBitmap& bitmap, const TRect& rect)
{
    return Letters(*Crop(bitmap, rect));
}

// A renderer with one 4 x 4 image, green but for its transparent lower-left pixel.
std::unique_ptr<TButtonGlyph> GreenGlyphRenderer()
{
    Pixels pixels(16, G);
    pixels[12] = M;
    return RendererWith(MakeBitmap(4, 4, pixels).get());
}

const Picture kMarkWithBorder {
    ".........",
    ".TTTTTTT.",
    "..TTTTT..",
    "...TTT...",
    "....T....",
    ".........",
};

} // namespace

TEST_F(GlyphTest, TheDropMarkIsADownwardArrowInButtonText)
{
    TButtonGlyph renderer;
    auto target = Filled(9, 6, D);
    renderer.DrawDropMark(target->Canvas(), 1, 2, gsUp);
    EXPECT_EQ(Letters(*target), kMarkWithBorder);
}

TEST_F(GlyphTest, TheDisabledDropMarkIsEmbossed)
{
    TButtonGlyph renderer;
    auto target = Filled(9, 6, D);
    renderer.DrawDropMark(target->Canvas(), 1, 2, gsDisabled);
    const Picture expected {
        ".........",
        ".SSSSSSS.",
        "..SSSSSHH",
        "...SSSHH.",
        "....SHH..",
        ".....H...",
    };
    EXPECT_EQ(Letters(*target), expected);
}

TEST_F(GlyphTest, ACaptionIsDrawnOnceInTheFontColourWithoutBackground)
{
    TButtonGlyph renderer;
    auto target = Filled(7, 13, D);
    TCanvas* canvas = target->Canvas();
    canvas->Font()->SetColor(R);
    renderer.DrawCaption(canvas, "A", Rect(1, 1, 11, 14), gsUp, DT_LEFT);
    const Picture expected {
        ".......",
        ".......",
        ".......",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".RRRR..",
        ".......",
        ".......",
    };
    EXPECT_EQ(Letters(*target), expected);
    EXPECT_EQ(canvas->Brush()->Style(), bsClear);
}

TEST_F(GlyphTest, ADisabledCaptionIsDrawnTwiceHighlightUnderShadow)
{
    TButtonGlyph renderer;
    auto target = Filled(7, 13, D);
    TCanvas* canvas = target->Canvas();
    renderer.DrawCaption(canvas, "A", Rect(1, 1, 11, 14), gsDisabled, DT_LEFT);
    const Picture expected {
        ".......",
        ".......",
        ".......",
        ".SSSS..",
        ".SSSSH.",
        ".SSSSH.",
        ".SSSSH.",
        ".SSSSH.",
        ".SSSSH.",
        ".SSSSH.",
        ".SSSSH.",
        "..HHHH.",
        ".......",
    };
    EXPECT_EQ(Letters(*target), expected);
    EXPECT_EQ(canvas->Font()->Color(), clBtnShadow);
}

TEST_F(GlyphTest, RenderDrawsGlyphAndCaptionWhereTheLayoutPutsThem)
{
    auto renderer = GreenGlyphRenderer();
    auto target = Filled(16, 20, D);
    TCanvas* canvas = target->Canvas();
    canvas->Font()->SetColor(B);
    const TRect bounds
        = renderer->Render(canvas, Rect(0, 0, 16, 20), "A", blGlyphLeft, 2, 3, false, gsUp, DT_LEFT);
    // Glyph at (2, 8), text at 2 + 4 + 3 = 9 and 10 - 13 / 2 = 4.
    EXPECT_EQ(bounds, Rect(9, 4, 14, 17));
    const Picture expected {
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        ".........BBBB...",
        ".........BBBB...",
        "..GGGG...BBBB...",
        "..GGGG...BBBB...",
        "..GGGG...BBBB...",
        "...GGG...BBBB...",
        ".........BBBB...",
        ".........BBBB...",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    };
    EXPECT_EQ(Letters(*target), expected);
}

TEST_F(GlyphTest, WithTheGlyphLeftTheMarkFollowsTheTextThreePixelsOn)
{
    auto renderer = GreenGlyphRenderer();
    auto target = Filled(40, 20, D);
    const TRect bounds
        = renderer->Render(target->Canvas(), Rect(0, 0, 40, 20), "A", blGlyphLeft, 2, 3, true, gsUp, DT_LEFT);
    EXPECT_EQ(bounds, Rect(9, 4, 14, 17));
    // Mark at (14 + 3, 4 + 13 / 2): its top row is 9.
    EXPECT_EQ(LettersIn(*target, Rect(16, 8, 25, 14)), kMarkWithBorder);
}

TEST_F(GlyphTest, WithTheGlyphAboveTheMarkFollowsTheGlyph)
{
    auto renderer = GreenGlyphRenderer();
    auto target = Filled(30, 30, D);
    renderer->Render(target->Canvas(), Rect(0, 0, 30, 30), "", blGlyphTop, -1, -1, true, gsUp, DT_CENTER);
    // The glyph counts 4 + 6 wide: x = 15 - 5 = 10; y = margin = 30 / 2 - 4 / 2 = 13; mark at (15, 15).
    const Picture expected {
        "..............",
        ".GGGG.........",
        ".GGGG.TTTTTTT.",
        ".GGGG..TTTTT..",
        "..GGG...TTT...",
        ".........T....",
        "..............",
    };
    EXPECT_EQ(LettersIn(*target, Rect(9, 12, 23, 19)), expected);
    EXPECT_EQ(CountDrawn(*target, D), 15 + 16);
}

TEST_F(GlyphTest, WithNeitherGlyphNorCaptionTheMarkIsCentred)
{
    TButtonGlyph renderer;
    auto target = Filled(25, 25, D);
    renderer.Render(target->Canvas(), Rect(0, 0, 25, 25), "", blGlyphLeft, -1, -1, true, gsUp, DT_CENTER);
    // x = (0 + 25 - 7) / 2 = 9; y = 12, the middle of the empty text bounds.
    EXPECT_EQ(LettersIn(*target, Rect(8, 10, 17, 16)), kMarkWithBorder);
    EXPECT_EQ(CountDrawn(*target, D), 16);
}

TEST_F(GlyphTest, RenderingDisabledUsesTheDisabledGlyphAndEmbossedText)
{
    auto strip = MakeBitmap(4, 2, { R, R, G, G, M, R, M, G });
    TButtonGlyph renderer;
    renderer.SetSourceGlyph(strip.get());
    auto target = Filled(20, 16, D);
    const TRect bounds = renderer.Render(
        target->Canvas(), Rect(0, 0, 20, 16), "A", blGlyphLeft, 0, 1, false, gsDisabled, DT_LEFT);
    EXPECT_EQ(bounds, Rect(3, 2, 8, 15));
    // Image 1 at (0, 7); the highlight copy of the text at (4, 5), the shadow copy at (3, 4).
    const Picture expected {
        "...SSSSH..",
        "GG.SSSSH..",
        ".G.SSSSH..",
        "...SSSSH..",
        "...SSSSH..",
        "...SSSSH..",
        "....HHHH..",
    };
    EXPECT_EQ(LettersIn(*target, Rect(0, 6, 10, 13)), expected);
    EXPECT_EQ(CountDrawn(*target, D), 3 + 32 + 11);
}
