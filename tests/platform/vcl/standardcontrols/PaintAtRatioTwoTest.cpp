// SPDX-License-Identifier: MIT
// Labels and group boxes on a window painted at twice the logical size.
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "tests/platform/vcl/controls/RatioPaint.h"

#include <gtest/gtest.h>

namespace {

// A control with a caption placed on the window, which owns it.
template <typename Control> Control* Placed(TTestWindow& window, const TRect& bounds, const char* caption)
{
    auto* control = new Control(&window);
    control->SetParent(&window);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    control->SetCaption(caption);
    return control;
}

} // namespace

TEST(PaintAtRatioTwo, TheWindowBufferDoublesAndIsRepaintedWhole)
{
    TTestWindow window(30, 20, clBtnFace);
    window.PaintNow();
    HostPixelRatioChanged(window.Handle(), 2);
    const PixelRaster& buffer = window.Handle()->paintBuffer.raster;
    EXPECT_EQ(buffer.width, 60);
    EXPECT_EQ(buffer.height, 40);
    window.PaintNow();
    for (const COLORREF pixel : buffer.pixels)
        ASSERT_EQ(pixel, ColorToRGB(clBtnFace));
    EXPECT_EQ(window.Width(), 30) << "the window's size stays logical";
}

TEST(PaintAtRatioTwo, ALabelsTextHasPhysicalDetailAndStaysInItsPlace)
{
    TTestWindow window(100, 40, clBtnFace);
    Placed<TLabel>(window, Bounds(10, 10, 40, 13), "Width:");
    const auto [atOne, atTwo] = PaintAtOneAndTwo(window, Rect(0, 0, 100, 40));
    const TRect labelArea = Rect(20, 20, 100, 46);
    EXPECT_GT(SplitBlocks(atTwo, labelArea), 0) << "not the 1x text enlarged";
    EXPECT_GT(DifferingPixels(atTwo, Doubled(atOne), labelArea), 0);
    // Text pixels only inside the label's device area.
    const COLORREF text = ColorToRGB(clWindowText);
    int inside = 0;
    for (int y = 0; y < atTwo.height; ++y)
        for (int x = 0; x < atTwo.width; ++x)
            if (atTwo.At(x, y) == text) {
                ASSERT_TRUE(labelArea.Contains(Point(x, y))) << x << ", " << y;
                ++inside;
            }
    EXPECT_GT(inside, 0);
    EXPECT_TRUE(SpansTwiceAsWide(ExtentOf(atTwo, text), ExtentOf(atOne, text)));
}

TEST(PaintAtRatioTwo, AGroupBoxFrameIsTwoPixelLinesAndItsCaptionHasPhysicalDetail)
{
    TTestWindow window(120, 80, clBtnFace);
    Placed<TGroupBox>(window, Bounds(10, 10, 100, 60), "Settings:");
    const auto [atOne, atTwo] = PaintAtOneAndTwo(window, Rect(0, 0, 120, 80));
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    const COLORREF highlight = ColorToRGB(clBtnHighlight);
    const COLORREF face = ColorToRGB(clBtnFace);
    // The etched left and right edges half way down: shadow then highlight, each two pixels.
    const int row = 80;
    EXPECT_EQ(atTwo.At(19, row), face);
    EXPECT_EQ(atTwo.At(20, row), shadow);
    EXPECT_EQ(atTwo.At(21, row), shadow);
    EXPECT_EQ(atTwo.At(22, row), highlight);
    EXPECT_EQ(atTwo.At(23, row), highlight);
    EXPECT_EQ(atTwo.At(24, row), face);
    EXPECT_EQ(atTwo.At(216, row), shadow);
    EXPECT_EQ(atTwo.At(217, row), shadow);
    EXPECT_EQ(atTwo.At(218, row), highlight);
    EXPECT_EQ(atTwo.At(219, row), highlight);
    // Everything below the caption line is the 1x painting enlarged, to the pixel.
    const PixelRaster doubled = Doubled(atOne);
    EXPECT_EQ(DifferingPixels(atTwo, doubled, Rect(0, 60, 240, 160)), 0);
    // The caption is not.
    const TRect caption = Rect(20, 20, 220, 50);
    EXPECT_GT(SplitBlocks(atTwo, caption), 0);
    EXPECT_GT(DifferingPixels(atTwo, doubled, caption), 0);
    const COLORREF text = ColorToRGB(clWindowText);
    EXPECT_TRUE(SpansTwiceAsWide(ExtentOf(atTwo, text), ExtentOf(atOne, text)));
}

// A windowless control whose own area alone is repainted is found under a clip that is in
// device pixels.
TEST(PaintAtRatioTwo, ALabelRepaintedAloneShowsItsNewCaption)
{
    TTestWindow window(200, 40, clBtnFace);
    auto* label = Placed<TLabel>(window, Bounds(60, 10, 60, 13), "Width:");
    HostPixelRatioChanged(window.Handle(), 2);
    ASSERT_GT(window.CountPixels(Rect(120, 20, 240, 46), clWindowText), 0);
    label->SetCaption("");
    EXPECT_EQ(window.CountPixels(Rect(120, 20, 240, 46), clWindowText), 0);
    label->SetCaption("Height:");
    EXPECT_GT(window.CountPixels(Rect(120, 20, 240, 46), clWindowText), 0);
}
