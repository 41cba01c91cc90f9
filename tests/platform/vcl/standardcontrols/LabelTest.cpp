// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

TEST(Label, CaptionIsDrawnInTheFontColourOnTheParentColour)
{
    TTestWindow window(100, 40, clBtnFace);
    auto* label = new TLabel(&window);
    label->SetParent(&window);
    label->SetBounds(10, 10, 40, 13);
    label->SetCaption("Input:");
    const TRect area = label->BoundsRect();
    EXPECT_GT(window.CountPixels(area, clWindowText), 0);
    EXPECT_GT(window.CountPixels(area, clBtnFace), 0);
    EXPECT_EQ(window.CountPixels(Rect(0, 0, 100, 10), clWindowText), 0) << "nothing outside the label";
}

TEST(Label, AutoSizeFitsTheCaptionAndFollowsItsChanges)
{
    TTestWindow window(200, 40);
    auto* label = new TLabel(&window);
    label->SetParent(&window);
    label->SetCaption("Width:");
    const int shortWidth = label->Width();
    EXPECT_GT(shortWidth, 0);
    label->SetCaption("Width: and more");
    EXPECT_GT(label->Width(), shortWidth);
    label->SetAutoSize(false);
    label->SetCaption("W");
    EXPECT_GT(label->Width(), shortWidth) << "without automatic sizing the bounds stay";
}

TEST(Label, AutoSizeWaitsWhileLoadingSoStoredBoundsSurviveReading)
{
    TTestWindow window(200, 40);
    auto* label = new TLabel(&window);
    label->IncludeState(csLoading | csReading);
    label->SetParent(&window);
    label->SetBounds(200, 36, 27, 13);
    label->SetCaption("Input:");
    EXPECT_EQ(label->Width(), 27);
}

TEST(Label, ADisabledCaptionIsEngraved)
{
    TTestWindow window(100, 40, clBtnFace);
    auto* label = new TLabel(&window);
    label->SetParent(&window);
    label->SetCaption("Tile:");
    label->SetEnabled(false);
    const TRect area = Bounds(0, 0, label->Width() + 1, label->Height() + 1);
    EXPECT_GT(window.CountPixels(area, clBtnHighlight), 0);
    EXPECT_GT(window.CountPixels(area, clBtnShadow), 0);
    EXPECT_EQ(window.CountPixels(area, clWindowText), 0);
}

TEST(Label, TransparentKeepsThePixelsBelow)
{
    TTestWindow window(100, 40, clBtnFace);
    auto* label = new TLabel(&window);
    label->SetParent(&window);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 100, 40);
    label->SetColor(clWhite);
    label->SetCaption("");
    EXPECT_EQ(window.PixelAt(50, 20), ColorToRGB(clWhite));
    label->SetTransparent(true);
    EXPECT_EQ(window.PixelAt(50, 20), ColorToRGB(clBtnFace));
}
