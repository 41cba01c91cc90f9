// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/gdi/Text.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A group box placed on the window; the window owns it.
TGroupBox* PlacedBox(TTestWindow& window, int left, int top, int width, int height)
{
    auto* box = new TGroupBox(&window);
    box->SetParent(&window);
    box->SetBounds(left, top, width, height);
    return box;
}

int CaptionLineHeight(TGroupBox& box)
{
    TEXTMETRIC metrics;
    GetTextMetricsA(box.Canvas()->Handle(), &metrics);
    return metrics.tmHeight;
}

} // namespace

TEST(GroupBox, FrameIsEtchedAroundTheBoxBelowHalfTheCaptionLine)
{
    TTestWindow window(120, 80, clBtnFace);
    auto* box = PlacedBox(window, 10, 10, 100, 60);
    const int top = 10 + CaptionLineHeight(*box) / 2 - 1;

    EXPECT_EQ(window.PixelAt(10, top), ColorToRGB(clBtnShadow)) << "outer top-left corner";
    EXPECT_EQ(window.PixelAt(11, top + 1), ColorToRGB(clBtnHighlight)) << "light line inside";
    EXPECT_EQ(window.PixelAt(60, top), ColorToRGB(clBtnShadow));
    EXPECT_EQ(window.PixelAt(60, top + 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(window.PixelAt(109, 40), ColorToRGB(clBtnHighlight)) << "right edge is light outside";
    EXPECT_EQ(window.PixelAt(108, 40), ColorToRGB(clBtnShadow));
    EXPECT_EQ(window.PixelAt(60, 69), ColorToRGB(clBtnHighlight)) << "bottom edge";
    EXPECT_EQ(window.PixelAt(60, 68), ColorToRGB(clBtnShadow));
    EXPECT_EQ(window.PixelAt(60, 40), ColorToRGB(clBtnFace)) << "inside is the box colour";
    EXPECT_EQ(window.PixelAt(5, 40), ColorToRGB(clBtnFace)) << "outside is the window's";
}

TEST(GroupBox, CaptionInterruptsTheTopEdge)
{
    TTestWindow window(120, 80, clBtnFace);
    auto* box = PlacedBox(window, 0, 0, 120, 80);
    const int lineHeight = CaptionLineHeight(*box);
    const int top = lineHeight / 2 - 1;
    const TRect topEdge = Rect(9, top, 100, top + 2);
    const int edgePixelsBefore = window.CountPixels(topEdge, clBtnShadow);
    box->SetCaption("Settings:");
    box->Invalidate();
    EXPECT_LT(window.CountPixels(topEdge, clBtnShadow), edgePixelsBefore);
    EXPECT_GT(window.CountPixels(Rect(8, 0, 100, lineHeight), clWindowText), 0);
    EXPECT_EQ(window.PixelAt(110, top), ColorToRGB(clBtnShadow)) << "the edge goes on after the caption";
}

TEST(GroupBox, ChildrenPaintInsideItAndFollowItsColour)
{
    TTestWindow window(120, 80, clBtnFace);
    auto* box = PlacedBox(window, 0, 20, 120, 60);
    auto* label = new TLabel(&window);
    label->SetParent(box);
    label->SetBounds(8, 16, 20, 13);
    label->SetCaption("Tile:");
    EXPECT_EQ(label->Color(), box->Color());
    EXPECT_GT(window.CountPixels(Bounds(8, 36, label->Width(), label->Height()), clWindowText), 0);
    box->Hide();
    EXPECT_EQ(window.CountPixels(Bounds(8, 36, label->Width(), label->Height()), clWindowText), 0);
}

TEST(GroupBox, RepaintsAllItsWindowRepaintsAroundIt)
{
    // Two small areas of the window far apart, one on each side of the box: the window
    // repaints the rectangle around both, right across the box, which must repaint too.
    TTestWindow window(120, 80, clBtnFace);
    PlacedBox(window, 20, 20, 80, 40);
    window.PaintNow();
    const TRect left = Rect(0, 0, 4, 4);
    const TRect right = Rect(116, 76, 120, 80);
    InvalidateRect(window.Handle(), &left, TRUE);
    InvalidateRect(window.Handle(), &right, TRUE);
    EXPECT_EQ(window.PixelAt(20, 40), ColorToRGB(clBtnShadow)) << "the box's left edge is gone";
    EXPECT_EQ(window.PixelAt(99, 40), ColorToRGB(clBtnHighlight)) << "the box's right edge is gone";
}
