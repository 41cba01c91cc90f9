// SPDX-License-Identifier: MIT
#include "widgets/SpeedButton.h"

#include "SpeedButtonTestSupport.h"
#include "platform/win32/internal/WindowRecord.h"

namespace {

constexpr int kSize = 25;
constexpr COLORREF kGrey = 0x4C4C4C; // the grey of pure red
constexpr COLORREF kParent = 0x00FFFF; // the window beneath a transparent button

const std::map<COLORREF, char> kLegend = { { kFace, '.' }, { kHighlight, 'H' }, { kShadow, 'S' },
    { kFrame, 'F' }, { K, 'k' }, { R, 'R' }, { kGrey, 'g' }, { kParent, 'Y' } };

// Builds the expected 25 x 25 picture from the outside in.
class Expected {
public:
    explicit Expected(char fill)
        : FRows(kSize, std::string(kSize, fill))
    {
    }
    // The ring inset from the edge: top row and left column but for their far corners in
    // top, bottom row and right column in bottom.
    Expected& Ring(int inset, char top, char bottom)
    {
        const int last = kSize - 1 - inset;
        for (int along = inset; along <= last; ++along) {
            if (along < last) {
                FRows[std::size_t(inset)][std::size_t(along)] = top;
                FRows[std::size_t(along)][std::size_t(inset)] = top;
            }
            FRows[std::size_t(along)][std::size_t(last)] = bottom;
            FRows[std::size_t(last)][std::size_t(along)] = bottom;
        }
        return *this;
    }
    // Face where x + y is even, highlight where it is odd, inside the rectangle.
    Expected& Checkered(const TRect& area)
    {
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                FRows[std::size_t(y)][std::size_t(x)] = (x + y) % 2 ? 'H' : '.';
        return *this;
    }
    // The 3 x 3 test glyph with its top-left corner at (x, y).
    Expected& Glyph(int x, int y, char ring, char centre)
    {
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                FRows[std::size_t(y + row)][std::size_t(x + column)]
                    = row == 1 && column == 1 ? centre : ring;
        return *this;
    }
    const Picture& Rows() const { return FRows; }

private:
    Picture FRows;
};

class SpeedButtonPaint : public SpeedButtonTest {
protected:
    // A 25 x 25 button at (10, 10) with a black 3 x 3 glyph whose centre is red.
    TSpeedButton* GlyphButton(int groupIndex = 0)
    {
        TSpeedButton* button = NewButton(10, 10, groupIndex);
        auto glyph = MakeBitmap(3, 3, { K, K, K, K, R, K, K, K, K });
        glyph->SetTransparentColor(clFuchsia);
        button->SetGlyph(glyph.get());
        return button;
    }
    Picture Painted(TSpeedButton* button)
    {
        Window().Invalidate();
        Window().PaintNow();
        const PixelRaster& raster = Window().Handle()->paintBuffer.raster;
        Picture rows;
        for (int y = 0; y < kSize; ++y) {
            rows.emplace_back();
            for (int x = 0; x < kSize; ++x) {
                const auto found = kLegend.find(raster.At(button->Left() + x, button->Top() + y));
                rows.back() += found == kLegend.end() ? '?' : found->second;
            }
        }
        return rows;
    }
    void HoverOver(TSpeedButton* button)
    {
        const TPoint over = button->ClientToScreen(Point(5, 5));
        SetCursorPos(over.x, over.y);
        button->Perform(CM_MOUSEENTER, 0, 0);
        ASSERT_TRUE(button->MouseInside());
    }
};

} // namespace

TEST_F(SpeedButtonPaint, Up)
{
    TSpeedButton* button = GlyphButton();
    EXPECT_EQ(
        Painted(button), Expected('.').Ring(0, 'H', 'F').Ring(1, '.', 'S').Glyph(11, 11, 'k', 'R').Rows());
}

TEST_F(SpeedButtonPaint, HeldDownTheContentMovesOnePixel)
{
    TSpeedButton* button = GlyphButton();
    Press(button);
    EXPECT_EQ(
        Painted(button), Expected('.').Ring(0, 'F', 'H').Ring(1, 'S', '.').Glyph(12, 12, 'k', 'R').Rows());
}

TEST_F(SpeedButtonPaint, LatchedTheFaceIsCheckered)
{
    TSpeedButton* button = GlyphButton(1);
    button->SetDown(true);
    EXPECT_EQ(Painted(button),
        Expected('.')
            .Ring(0, 'F', 'H')
            .Ring(1, 'S', '.')
            .Checkered(Rect(2, 2, 23, 23))
            .Glyph(12, 12, 'k', 'R')
            .Rows());
}

TEST_F(SpeedButtonPaint, FlatAndNotUnderTheMouseItHasNoBorderAndAGreyGlyph)
{
    TSpeedButton* button = GlyphButton();
    button->SetFlat(true);
    EXPECT_EQ(Painted(button), Expected('.').Glyph(11, 11, 'k', 'g').Rows());
    button->SetGrayedInactive(false);
    EXPECT_EQ(Painted(button), Expected('.').Glyph(11, 11, 'k', 'R').Rows());
}

TEST_F(SpeedButtonPaint, FlatUnderTheMouseItHasTheThinUpBorder)
{
    TSpeedButton* button = GlyphButton();
    button->SetFlat(true);
    HoverOver(button);
    EXPECT_EQ(Painted(button), Expected('.').Ring(0, 'H', 'S').Glyph(11, 11, 'k', 'R').Rows());
}

TEST_F(SpeedButtonPaint, FlatAndLatchedItIsCheckeredOnlyWhileTheMouseIsAway)
{
    TSpeedButton* button = GlyphButton(1);
    button->SetFlat(true);
    button->SetDown(true);
    EXPECT_EQ(Painted(button),
        Expected('.').Ring(0, 'F', 'H').Checkered(Rect(1, 1, 24, 24)).Glyph(12, 12, 'k', 'g').Rows());
    HoverOver(button);
    EXPECT_EQ(Painted(button), Expected('.').Ring(0, 'F', 'H').Glyph(12, 12, 'k', 'R').Rows());
}

TEST_F(SpeedButtonPaint, TransparentItShowsItsParent)
{
    Window().SetColor(TColor(kParent));
    TSpeedButton* button = GlyphButton();
    button->SetFlat(true);
    button->SetTransparent(true);
    EXPECT_EQ(Painted(button), Expected('Y').Glyph(11, 11, 'k', 'g').Rows());
}

TEST_F(SpeedButtonPaint, DisabledTheGlyphIsEmbossed)
{
    TSpeedButton* button = GlyphButton();
    button->SetEnabled(false);
    EXPECT_EQ(
        Painted(button), Expected('.').Ring(0, 'H', 'F').Ring(1, '.', 'S').Glyph(11, 11, 'S', 'H').Rows());
}

namespace {

class RecordingButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;
    std::vector<TCanvas*> Canvases;

protected:
    void PaintContent(TCanvas* canvas, const TRect& rect, TGlyphState look, bool drawMark) override
    {
        Canvases.push_back(canvas);
        TSpeedButton::PaintContent(canvas, rect, look, drawMark);
    }
};

} // namespace

TEST_F(SpeedButtonPaint, EverythingIsDrawnOffScreenFirst)
{
    auto* button = new RecordingButton(&Window());
    button->SetParent(&Window());
    button->SetBounds(10, 10, 25, 25);
    Press(button);
    Move(button, 40, 5);
    Painted(button);
    ASSERT_FALSE(button->Canvases.empty());
    for (TCanvas* canvas : button->Canvases)
        EXPECT_EQ(canvas, button->PaintBuffer()->Canvas());
    EXPECT_EQ(button->PaintBuffer()->Width(), 25);
}
