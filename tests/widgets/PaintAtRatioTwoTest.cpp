// SPDX-License-Identifier: MIT
// Speed buttons and the directory edit's button on a window painted at twice the logical size.
#include "widgets/SpeedButton.h"
#include "widgets/ToolEdit.h"

#include "SpeedButtonTestSupport.h"
#include "platform/win32/resources/ResourceTable.h"
#include "resources/FolderGlyph.h"
#include "tests/platform/vcl/controls/RatioPaint.h"

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 22;

class PaintAtRatioTwo : public SpeedButtonTest {
protected:
    // The built-in text engine sizes its boxes by the font, so a caption's physical size shows;
    // the cell engine of the other button tests is one size for every font.
    void SetUp() override
    {
        SpeedButtonTest::SetUp();
        SetTextEngine(nullptr);
    }

    TSpeedButton* CaptionButton()
    {
        TSpeedButton* button = NewButton(10, 10);
        button->SetBounds(10, 10, kWidth, kHeight);
        button->SetCaption("Stretch");
        return button;
    }
    PaintedAtOneAndTwo Painted(TSpeedButton* button)
    {
        return PaintAtOneAndTwo(Window(), button->BoundsRect());
    }

    // The device columns 0 .. 3 and the last four, half way down: the two logical rings.
    static std::vector<COLORREF> EdgeColumns(const PixelRaster& atTwo)
    {
        const int row = atTwo.height / 2;
        const int last = atTwo.width - 1;
        return { atTwo.At(0, row), atTwo.At(1, row), atTwo.At(2, row), atTwo.At(3, row),
            atTwo.At(last - 3, row), atTwo.At(last - 2, row), atTwo.At(last - 1, row), atTwo.At(last, row) };
    }

    // The frame rings are the 1x frame enlarged to the pixel, and the caption is drawn anew at
    // the physical size: edges inside 2 x 2 blocks, about twice as wide.
    static void ExpectSharpCaptionInsideDoubledFrame(const PaintedAtOneAndTwo& painted, int ringWidth)
    {
        const PixelRaster doubled = Doubled(painted.atOne);
        const int inset = 2 * ringWidth;
        const int width = 2 * kWidth;
        const int height = 2 * kHeight;
        for (const TRect& ring : { Rect(0, 0, width, inset), Rect(0, height - inset, width, height),
                 Rect(0, 0, inset, height), Rect(width - inset, 0, width, height) })
            EXPECT_EQ(DifferingPixels(painted.atTwo, doubled, ring), 0);
        const TRect inside = Rect(inset, inset, width - inset, height - inset);
        EXPECT_GT(SplitBlocks(painted.atTwo, inside), 0);
        const COLORREF text = ColorToRGB(clWindowText);
        EXPECT_TRUE(SpansTwiceAsWide(ExtentOf(painted.atTwo, text), ExtentOf(painted.atOne, text)));
    }
};

TEST_F(PaintAtRatioTwo, UpButtonHasTwoPixelRingsAndASharpCaption)
{
    const PaintedAtOneAndTwo painted = Painted(CaptionButton());
    EXPECT_EQ(EdgeColumns(painted.atTwo),
        (std::vector<COLORREF> { kHighlight, kHighlight, kFace, kFace, kShadow, kShadow, kFrame, kFrame }));
    ExpectSharpCaptionInsideDoubledFrame(painted, 2);
}

TEST_F(PaintAtRatioTwo, DownButtonHasTwoPixelRingsAndASharpCaption)
{
    TSpeedButton* button = CaptionButton();
    Press(button);
    ASSERT_EQ(button->ButtonState(), gsDown);
    const PaintedAtOneAndTwo painted = Painted(button);
    EXPECT_EQ(EdgeColumns(painted.atTwo),
        (std::vector<COLORREF> { kFrame, kFrame, kShadow, kShadow, kFace, kFace, kHighlight, kHighlight }));
    ExpectSharpCaptionInsideDoubledFrame(painted, 2);
    Release(button);
}

TEST_F(PaintAtRatioTwo, FlatButtonUnderTheMouseHasItsThinRingTwoPixelsWideAndASharpCaption)
{
    TSpeedButton* button = CaptionButton();
    button->SetFlat(true);
    const TPoint over = button->ClientToScreen(Point(5, 5));
    SetCursorPos(over.x, over.y);
    button->Perform(CM_MOUSEENTER, 0, 0);
    ASSERT_TRUE(button->MouseInside());
    const PaintedAtOneAndTwo painted = Painted(button);
    EXPECT_EQ(EdgeColumns(painted.atTwo),
        (std::vector<COLORREF> { kHighlight, kHighlight, kFace, kFace, kFace, kFace, kShadow, kShadow }));
    ExpectSharpCaptionInsideDoubledFrame(painted, 1);
}

// The directory edit's button holds a picture and a frame only: at ratio 2 it is its 1x
// painting enlarged, every pixel.
TEST_F(PaintAtRatioTwo, DirectoryEditButtonIsItsOneTimesPaintingEnlarged)
{
    RegisterBitmapResource("FEDITBMP", FolderGlyph());
    auto* edit = new TDirectoryEdit(&Window());
    edit->SetBounds(8, 8, 121, 21);
    edit->SetParent(&Window());
    edit->HandleNeeded();
    TSpeedButton* button = edit->Button();
    const TPoint corner = button->ClientToScreen(Point(0, 0));
    const TPoint windowCorner = Window().ClientToScreen(Point(0, 0));
    const TRect area
        = Bounds(corner.x - windowCorner.x, corner.y - windowCorner.y, button->Width(), button->Height());
    const PaintedAtOneAndTwo painted = PaintAtOneAndTwo(Window(), area);
    ASSERT_GT(DifferingPixels(painted.atOne,
                  PixelRaster { area.Width(), area.Height(), false,
                      Pixels(std::size_t(area.Width() * area.Height()), kFace) },
                  Rect(0, 0, area.Width(), area.Height())),
        0)
        << "the button shows its glyph";
    EXPECT_EQ(painted.atTwo, Doubled(painted.atOne));
}

} // namespace
