// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Forms.h"

#include "platform/gdi/Text.h"
#include "platform/win32/windows/Host.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

namespace {

class Pad : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Presses = 0;
    int DoubleClicks = 0;
    int Cancels = 0;
    void DblClick() override { ++DoubleClicks; }
    static const TMessageTable& Messages()
    {
        static const TMessageTable table(
            &TGraphicControl::Messages(), { { CM_CANCELMODE, &MessageHandler<Pad, &Pad::CMCancelMode> } });
        return table;
    }
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void MouseDown(TMouseButton, TShiftState, int, int) override { ++Presses; }
    void CMCancelMode(TMessage& message)
    {
        ++Cancels;
        TControl::CMCancelMode(message);
    }
};

Pad* NewPad(TWinControl& parent, int left, int top)
{
    auto* pad = new Pad(&parent);
    pad->SetParent(&parent);
    pad->SetBounds(left, top, 20, 20);
    return pad;
}

} // namespace

TEST(MouseCapture, APressedWindowlessControlHoldsTheMouseUntilItLetsGo)
{
    TTestWindow window(100, 60);
    Pad* pad = NewPad(window, 10, 10);
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_TRUE(pad->MouseCapture());
    EXPECT_EQ(GetCaptureControl(), pad);
    SendMessageA(window.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(80, 50));
    EXPECT_FALSE(pad->MouseCapture());
    EXPECT_EQ(GetCapture(), nullptr);

    pad->SetMouseCapture(true);
    EXPECT_EQ(GetCapture(), window.Handle());
    EXPECT_TRUE(pad->MouseCapture());
    pad->SetMouseCapture(false);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(MouseCapture, ACaptureTakenElsewhereEndsTheChildsCapture)
{
    TTestWindow window(100, 60);
    TTestWindow other(50, 50);
    Pad* pad = NewPad(window, 10, 10);
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    // A menu loop, say, swallows the release.
    SetCapture(other.Handle());
    EXPECT_FALSE(pad->MouseCapture());
    ReleaseCapture();
    SendMessageA(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 40));
    EXPECT_EQ(pad->Presses, 1) << "a later press away from it is not the pad's";
}

TEST(MouseCapture, SendCancelModeReleasesTheCapturingControlButNotTheSender)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    Pad* pad = NewPad(form, 10, 10);
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    form.SendCancelMode(pad);
    EXPECT_EQ(pad->Cancels, 0);
    EXPECT_TRUE(pad->MouseCapture());
    form.SendCancelMode(nullptr);
    EXPECT_EQ(pad->Cancels, 1);
    EXPECT_FALSE(pad->MouseCapture());
    EXPECT_EQ(GetParentForm(pad), &form);
    EXPECT_EQ(GetParentForm(&form), &form);
}

TEST(MouseCapture, DoubleClicksFireDblClickOnlyForControlsWithClickEvents)
{
    TTestWindow window(100, 60);
    Pad* pad = NewPad(window, 10, 10);
    SendMessageA(window.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_EQ(pad->DoubleClicks, 1);
    EXPECT_EQ(pad->Presses, 1) << "the second press is a press too";
    pad->SetControlStyle(pad->ControlStyle() & ~TControlStyle(csClickEvents));
    SendMessageA(window.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_EQ(pad->DoubleClicks, 1);
    EXPECT_EQ(pad->Presses, 2);
}

TEST(MouseCapture, FindDragTargetFindsWindowlessChildrenAndOptionallyDisabledOnes)
{
    TTestWindow window(100, 60);
    window.HandleNeeded();
    Pad* pad = NewPad(window, 10, 10);
    const TPoint over = window.ClientToScreen(Point(15, 15));
    EXPECT_EQ(FindDragTarget(over, false), pad);
    pad->SetEnabled(false);
    EXPECT_EQ(FindDragTarget(over, false), &window);
    EXPECT_EQ(FindDragTarget(over, true), pad);
    EXPECT_EQ(FindDragTarget(window.ClientToScreen(Point(80, 50)), true), &window);
}

TEST(MouseCapture, WithoutAHostTheCursorStaysWhereItWasPut)
{
    SetCursorPos(123, 45);
    TPoint cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor, Point(123, 45));
    SetCursorPos(0, 0);
}

TEST(Activation, TheHostSaysWhenAnotherProgramIsInFront)
{
    TTestWindow window(100, 60);
    SetActiveWindow(window.Handle());
    EXPECT_EQ(GetActiveWindow(), window.Handle());
    HostActivationChanged(window.Handle(), false);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    HostActivationChanged(window.Handle(), true);
    EXPECT_EQ(GetActiveWindow(), window.Handle());
}

TEST(BiDiMode, RightToLeftSwapsTheAlignmentAndAddsReading)
{
    TTestWindow window(100, 60);
    Pad* pad = NewPad(window, 10, 10);
    EXPECT_EQ(pad->DrawTextBiDiModeFlags(DT_LEFT), DT_LEFT);
    window.SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(pad->BiDiMode(), bdRightToLeft) << "the child follows its parent";
    EXPECT_EQ(pad->DrawTextBiDiModeFlags(DT_LEFT), DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(pad->DrawTextBiDiModeFlags(DT_RIGHT), DT_LEFT | DT_RTLREADING);
    EXPECT_EQ(pad->DrawTextBiDiModeFlags(DT_CENTER), DT_CENTER | DT_RTLREADING);
    pad->SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_EQ(pad->DrawTextBiDiModeFlags(DT_LEFT), DT_LEFT | DT_RTLREADING);
}

TEST(ShowHint, FollowsTheParentUntilSetItself)
{
    TTestWindow window(100, 60);
    Pad* pad = NewPad(window, 10, 10);
    window.SetShowHint(true);
    EXPECT_TRUE(pad->ShowHint());
    pad->SetShowHint(false);
    EXPECT_FALSE(pad->ParentShowHint());
    window.SetShowHint(false);
    window.SetShowHint(true);
    EXPECT_FALSE(pad->ShowHint());
    pad->SetParentShowHint(true);
    EXPECT_TRUE(pad->ShowHint());
}
