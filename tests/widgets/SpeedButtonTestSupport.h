// SPDX-License-Identifier: MIT
// A window of our own holding speed buttons, with the mouse driven through its messages as
// the host would, the cursor placed by hand and the window active.
#pragma once

#include "GlyphTestSupport.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"
#include "widgets/SpeedButton.h"

#include <memory>

class SpeedButtonTest : public GlyphTest {
protected:
    void SetUp() override
    {
        GlyphTest::SetUp();
        FWindow = std::make_unique<TTestWindow>(200, 100, clBtnFace);
        FWindow->HandleNeeded();
        SetActiveWindow(FWindow->Handle());
        SetCursorPos(-100, -100);
        TDialogService::Instance().Reset();
        TDialogService::Instance().SetScripted(true);
    }
    void TearDown() override
    {
        FWindow.reset();
        TDialogService::Instance().Reset();
        SetCursorPos(0, 0);
        GlyphTest::TearDown();
    }

    TTestWindow& Window() { return *FWindow; }

    TSpeedButton* NewButton(int left = 10, int top = 10, int groupIndex = 0)
    {
        auto* button = new TSpeedButton(FWindow.get());
        button->SetParent(FWindow.get());
        button->SetLeft(left);
        button->SetTop(top);
        button->SetGroupIndex(groupIndex);
        return button;
    }

    // Mouse input at a point of the button's client area, through the window as the host
    // delivers it; the cursor goes there first.
    void Mouse(TSpeedButton* button, UINT message, int x, int y)
    {
        const TPoint screen = button->ClientToScreen(Point(x, y));
        SetCursorPos(screen.x, screen.y);
        const TPoint client = FWindow->ScreenToClient(screen);
        const WPARAM keys = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
        SendMessageA(FWindow->Handle(), message, keys, MAKELPARAM(client.x, client.y));
    }
    void Press(TSpeedButton* button, int x = 5, int y = 5) { Mouse(button, WM_LBUTTONDOWN, x, y); }
    void Move(TSpeedButton* button, int x, int y) { Mouse(button, WM_MOUSEMOVE, x, y); }
    void Release(TSpeedButton* button, int x = 5, int y = 5) { Mouse(button, WM_LBUTTONUP, x, y); }
    void ClickAt(TSpeedButton* button, int x = 5, int y = 5)
    {
        Press(button, x, y);
        Release(button, x, y);
    }

    // Delivers one tick of the button's repeat timer by hand.
    static void Tick(TSpeedButton* button)
    {
        ASSERT_NE(button->AutoRepeatTimer(), nullptr);
        SendMessageA(button->AutoRepeatTimer()->Handle(), WM_TIMER, 1, 0);
    }

private:
    std::unique_ptr<TTestWindow> FWindow;
};
