// SPDX-License-Identifier: MIT
#include "widgets/ButtonGlyph.h"

#include "GlyphTestSupport.h"

namespace {

// Captions are measured in cells of 5 pixels, 13 high (CellTextEngine).
struct Layout {
    TPoint glyphPos;
    TRect textBounds;
    AnsiString caption;
};

class GlyphLayout : public GlyphTest {
protected:
    // A renderer with one square glyph of that size; 0 for none.
    void UseGlyph(int size)
    {
        auto strip = Filled(size, size, R);
        FRenderer.SetSourceGlyph(strip.get());
    }
    Layout Compute(const TRect& client, const AnsiString& caption, TButtonLayout layout, int margin,
        int spacing, bool popupMark = false, UINT flags = 0)
    {
        Layout result { {}, {}, caption };
        FRenderer.ComputeLayout(FCanvasOwner->Canvas(), client, result.caption, layout, margin, spacing,
            popupMark, result.glyphPos, result.textBounds, flags);
        return result;
    }
    TButtonGlyph FRenderer;
    std::unique_ptr<TBitmap> FCanvasOwner = Filled(1, 1, D);
};

// Each case places a 16-pixel square glyph beside its caption.
struct Placement {
    const char* what;
    TRect client;
    const char* caption;
    TButtonLayout layout;
    int margin;
    int spacing;
    bool popupMark;
    TPoint glyphPos;
    TRect textBounds;
};

const Placement kPlacements[] = {
    // Margin = 30 - (16 + 1 + 13) / 2 = 15.
    { "glyph above with given spacing is centred as a group", Rect(0, 0, 60, 60), "Abcd", blGlyphTop, -1, 1,
        false, { 22, 15 }, Rect(20, 32, 40, 45) },
    // (100 - (16 + 30)) / 3 = 18 before, between and after.
    { "automatic margin and spacing split the free space in three", Rect(0, 0, 100, 30), "Abcdef",
        blGlyphLeft, -1, -1, false, { 18, 7 }, Rect(52, 9, 82, 22) },
    { "glyph right of the caption counts from the right edge", Rect(0, 0, 100, 30), "Abcdef", blGlyphRight, 4,
        2, false, { 80, 7 }, Rect(48, 9, 78, 22) },
    // Spacing = (60 - (3 + 16)) / 2 - 13 / 2 = 14.
    { "glyph below with given margin centres the text in the rest", Rect(0, 0, 60, 60), "Abcd", blGlyphBottom,
        3, -1, false, { 22, 41 }, Rect(20, 14, 40, 27) },
    { "positions are relative to the client's corner", Rect(10, 5, 110, 35), "Abcdef", blGlyphLeft, -1, -1,
        false, { 28, 12 }, Rect(62, 14, 92, 27) },
    { "without caption the glyph is centred and spacing is dropped", Rect(0, 0, 40, 30), "", blGlyphLeft, -1,
        -1, false, { 12, 7 }, Rect(28, 15, 28, 15) },
    // Client 20 x 11 under a 16-pixel glyph: (11 - 16) / 3 = -1, not -2.
    { "negative shares truncate toward zero", Rect(0, 0, 20, 11), "Ab", blGlyphTop, -1, -1, false, { 2, -1 },
        Rect(5, 14, 15, 14) },
    // The text counts 30 + 9: (100 - (16 + 39)) / 3 = 15.
    { "a mark after the text takes nine pixels", Rect(0, 0, 100, 30), "Abcdef", blGlyphLeft, -1, -1, true,
        { 15, 7 }, Rect(46, 9, 76, 22) },
    // The glyph counts 22 wide, so it sits 3 pixels left of centre; the text does not move.
    { "a mark after a glyph above takes six pixels", Rect(0, 0, 60, 60), "Abcd", blGlyphTop, -1, 1, true,
        { 19, 15 }, Rect(20, 32, 40, 45) },
};

} // namespace

TEST_F(GlyphLayout, GlyphAndCaptionArePlacedByLayoutMarginAndSpacing)
{
    UseGlyph(16);
    for (const Placement& placement : kPlacements) {
        SCOPED_TRACE(placement.what);
        const Layout layout = Compute(placement.client, placement.caption, placement.layout, placement.margin,
            placement.spacing, placement.popupMark);
        EXPECT_EQ(layout.glyphPos, placement.glyphPos);
        EXPECT_EQ(layout.textBounds, placement.textBounds);
    }
}

TEST_F(GlyphLayout, WithoutGlyphTheCaptionIsCentred)
{
    const Layout layout = Compute(Rect(0, 0, 40, 30), "Ab", blGlyphLeft, -1, 5);
    EXPECT_EQ(layout.textBounds, Rect(15, 9, 25, 22));
    EXPECT_EQ(layout.glyphPos, (TPoint { 15, 15 }));
}

TEST_F(GlyphLayout, TheMarkReservesWidthButNoHeight)
{
    UseGlyph(16);
    // 40 - 16 - 2 - 2 - 9 = 11 pixels left: not even "..." fits, so that is all that stays.
    const Layout beside = Compute(Rect(0, 0, 40, 30), "Abcdef", blGlyphLeft, 2, 2, true);
    EXPECT_EQ(beside.caption, "...");
    EXPECT_EQ(beside.textBounds.Width(), 11);
    const Layout above = Compute(Rect(0, 0, 30, 30), "Abcdef", blGlyphTop, 0, 0, true);
    EXPECT_EQ(above.caption, "Abcdef");
    EXPECT_EQ(above.textBounds.Height(), 13);
}

TEST_F(GlyphLayout, ACaptionTooWideIsCutWithDotsPerLine)
{
    UseGlyph(16);
    const Layout layout = Compute(Rect(0, 0, 50, 40), "Abcdefgh\r\nAb\nxy  ", blGlyphLeft, 2, 2);
    // 50 - 16 - 2 - 2 = 30 pixels: six cells.
    EXPECT_EQ(layout.caption, "Abc...\r\nAb\r\nxy");
    EXPECT_EQ(layout.textBounds, Rect(20, 1, 50, 40));
}

TEST_F(GlyphLayout, AWrappingCaptionBreaksAndIsClampedToTheSpaceLeft)
{
    UseGlyph(16);
    FRenderer.SetWordWrap(true);
    // 40 - 16 - 2 - 2 = 20 pixels high for two lines of 13.
    const Layout layout = Compute(Rect(0, 0, 30, 40), "Ab Cd Ef", blGlyphTop, 2, 2);
    EXPECT_EQ(layout.caption, "Ab Cd Ef");
    EXPECT_EQ(layout.glyphPos, (TPoint { 7, 2 }));
    EXPECT_EQ(layout.textBounds, Rect(0, 20, 30, 40));
}

TEST_F(GlyphLayout, FittingCopiesAtMostMaxLengthBytes)
{
    auto canvasOwner = Filled(1, 1, D);
    TCanvas* canvas = canvasOwner->Canvas();
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Abcdefgh", 255, 30), "Abc...");
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Abcdefgh", 5, 30), "Abc..");
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Ab\r\n", 255, 30), "Ab");
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Ab\xC3\xA9", 3, 100), "Ab");
    FRenderer.SetWordWrap(true);
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Abcdefgh ", 255, 30), "Abcdefgh ");
    EXPECT_EQ(FRenderer.FitCaption(canvas, "Abcdefgh", 4, 30), "Abcd");
}
