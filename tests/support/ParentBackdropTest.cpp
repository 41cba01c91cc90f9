// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include "platform/vcl/controls/GraphicControl.h"
#include "tests/support/PixelLetters.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr TColor Green = 0x00AA00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Magenta = 0xFF00FF;
constexpr TColor Black = 0x000000;
constexpr TColor Cyan = 0xFFFF00;

// Erased in green by its brush; paints a one-pixel blue column at x = 8, drawn far too tall so
// that the clip to its client area shows.
class TParent : public TCustomControl {
public:
    TParent()
        : TCustomControl(nullptr)
    {
        SetColor(Green);
        SetBounds(0, 0, 20, 10);
    }

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Blue);
        Canvas()->FillRect(Rect(8, -50, 9, 50));
    }
};

// A windowless child that floods far beyond its bounds in one colour, noting each paint and
// whether it and its parent were in the paint-copy state at the time.
class TBlock : public TGraphicControl {
public:
    TBlock(TParent& parent, TColor colour, TRect bounds)
        : TGraphicControl(nullptr)
        , FColour(colour)
    {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(&parent);
    }

    int Paints = 0;
    bool PaintedAsCopy = false;
    bool ParentPaintedAsCopy = false;

protected:
    void Paint() override
    {
        ++Paints;
        PaintedAsCopy = (ControlState() & csPaintCopy) != 0;
        ParentPaintedAsCopy = (Parent()->ControlState() & csPaintCopy) != 0;
        Canvas()->Brush()->SetColor(FColour);
        Canvas()->FillRect(Rect(-50, -50, 50, 50));
    }

private:
    TColor FColour;
};

// A windowed sibling; it must never be painted into the backdrop.
class TWindowedBlock : public TCustomControl {
public:
    explicit TWindowedBlock(TParent& parent)
        : TCustomControl(nullptr)
    {
        SetBounds(3, 1, 4, 4);
        SetParent(&parent);
    }
    int Paints = 0;

protected:
    void Paint() override { ++Paints; }
};

// G green, B blue, R red, Y yellow, M magenta, C cyan, . black (untouched).
Picture PictureOf(const TBitmap& bitmap)
{
    return LettersOf(bitmap,
        { { Green, 'G' }, { Blue, 'B' }, { Red, 'R' }, { Yellow, 'Y' }, { Magenta, 'M' }, { Cyan, 'C' },
            { Black, '.' } });
}

class Backdrop : public testing::Test {
protected:
    Backdrop()
    {
        dest.SetSize(6, 4);
        dest.Canvas()->Brush()->SetColor(Black);
        dest.Canvas()->FillRect(Rect(0, 0, 6, 4));
    }

    TParent parent;
    TBitmap dest;
};

TEST_F(Backdrop, PaintsTheParentAndOnlyTheWindowlessSiblingsBeneathThatOverlap)
{
    // Parent 20 x 10; the control covers x 4..9, y 2..5.
    TBlock beneath(parent, Red, Bounds(2, 1, 4, 3));
    TBlock beside(parent, Yellow, Bounds(12, 2, 3, 3));
    TBlock hidden(parent, Cyan, Bounds(4, 2, 6, 4));
    hidden.Hide();
    TWindowedBlock windowed(parent);
    TBlock control(parent, Black, Bounds(4, 2, 6, 4));
    TBlock above(parent, Magenta, Bounds(6, 3, 2, 2));

    DrawParentBackdrop(&control, dest.Canvas());

    EXPECT_EQ(PictureOf(dest), (Picture { "RRGGBG", "RRGGBG", "GGGGBG", "GGGGBG" }));
    EXPECT_EQ(beneath.Paints, 1);
    EXPECT_EQ(beside.Paints, 0);
    EXPECT_EQ(hidden.Paints, 0);
    EXPECT_EQ(windowed.Paints, 0);
    EXPECT_EQ(control.Paints, 0);
    EXPECT_EQ(above.Paints, 0);
}

TEST_F(Backdrop, TheBottomMostChildGetsTheParentAlone)
{
    TBlock control(parent, Black, Bounds(4, 2, 6, 4));
    TBlock above(parent, Red, Bounds(4, 2, 6, 4));
    DrawParentBackdrop(&control, dest.Canvas());
    EXPECT_EQ(PictureOf(dest), (Picture { "GGGGBG", "GGGGBG", "GGGGBG", "GGGGBG" }));
    EXPECT_EQ(above.Paints, 0);
}

TEST_F(Backdrop, NothingOutsideTheParentsClientAreaIsPainted)
{
    // The control hangs one row below the parent; the parent's column is drawn too tall.
    TBlock control(parent, Black, Bounds(6, 7, 6, 4));
    DrawParentBackdrop(&control, dest.Canvas());
    EXPECT_EQ(PictureOf(dest), (Picture { "GGBGGG", "GGBGGG", "GGBGGG", "......" }));
}

TEST_F(Backdrop, PaintCopyStateHoldsWhilePaintingAndIsClearedAfter)
{
    TBlock beneath(parent, Red, Bounds(2, 1, 4, 3));
    TBlock control(parent, Black, Bounds(4, 2, 6, 4));
    DrawParentBackdrop(&control, dest.Canvas());
    EXPECT_TRUE(beneath.PaintedAsCopy);
    EXPECT_TRUE(beneath.ParentPaintedAsCopy);
    EXPECT_EQ(beneath.ControlState() & csPaintCopy, 0U);
    EXPECT_EQ(parent.ControlState() & csPaintCopy, 0U);
}

TEST_F(Backdrop, AControlWithoutParentDrawsNothing)
{
    TBlock control(parent, Black, Bounds(4, 2, 6, 4));
    control.SetParent(nullptr);
    DrawParentBackdrop(&control, dest.Canvas());
    DrawParentBackdrop(nullptr, dest.Canvas());
    EXPECT_EQ(PictureOf(dest), (Picture { "......", "......", "......", "......" }));
}

TEST_F(Backdrop, LandsAtTheDestinationsOwnOriginAndLeavesItsStateAsItWas)
{
    TBlock beneath(parent, Red, Bounds(2, 1, 4, 3));
    TBlock control(parent, Black, Bounds(4, 2, 6, 4));
    HDC dc = dest.Canvas()->Handle();
    SetViewportOrgEx(dc, 1, 2, nullptr);
    IntersectClipRect(dc, 0, 0, 4, 2);
    DrawParentBackdrop(&control, dest.Canvas());
    EXPECT_EQ(PictureOf(dest), (Picture { "......", "......", ".RRGG.", ".RRGG." }));

    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin, Point(1, 2));
    TRect clip;
    GetClipBox(dc, &clip);
    EXPECT_EQ(clip, Rect(0, 0, 4, 2));
}

} // namespace
