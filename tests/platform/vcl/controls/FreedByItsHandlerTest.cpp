// SPDX-License-Identifier: MIT
// Controls whose own handlers free them: the code that ran the handler returns through a
// freed control without touching it (run under the address sanitizer to see a fault).
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A windowless control that clicks by itself and tells of every mouse event.
class TClickArea : public TGraphicControl {
public:
    explicit TClickArea(TComponent* owner)
        : TGraphicControl(owner)
    {
        FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
    }
};

TClickArea* PlacedArea(TTestWindow& window)
{
    auto* area = new TClickArea(&window);
    area->SetParent(&window);
    area->SetBounds(10, 10, 40, 20);
    return area;
}

void SendMouse(TTestWindow& window, UINT message, WPARAM keys)
{
    SendMessageA(window.Handle(), message, keys, MAKELPARAM(20, 15));
}

} // namespace

TEST(FreedByItsHandler, AClickThatFreesItsControlSkipsTheMouseUp)
{
    TTestWindow window(100, 60);
    window.HandleNeeded();
    TClickArea* area = PlacedArea(window);
    int mouseUps = 0;
    area->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
    area->OnClick = [&](TObject*) { delete area; };
    SendMouse(window, WM_LBUTTONDOWN, MK_LBUTTON);
    SendMouse(window, WM_LBUTTONUP, 0);
    EXPECT_EQ(window.ControlCount(), 0);
    EXPECT_EQ(mouseUps, 0);
    EXPECT_EQ(GetCapture(), nullptr) << "the window lets the mouse go with its child";
}

TEST(FreedByItsHandler, ADoubleClickThatFreesItsControlSkipsThePress)
{
    TTestWindow window(100, 60);
    window.HandleNeeded();
    TClickArea* area = PlacedArea(window);
    int presses = 0;
    area->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    area->OnDblClick = [&](TObject*) { delete area; };
    SendMouse(window, WM_LBUTTONDBLCLK, MK_LBUTTON);
    EXPECT_EQ(window.ControlCount(), 0);
    EXPECT_EQ(presses, 0);
}

TEST(FreedByItsHandler, AChildMayFreeTheWindowItStandsOn)
{
    auto* window = new TTestWindow(100, 60);
    window->HandleNeeded();
    TClickArea* area = PlacedArea(*window);
    area->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { delete window; };
    SendMessageA(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 15));
    EXPECT_EQ(GetCapture(), nullptr);
}
