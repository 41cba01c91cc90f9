// SPDX-License-Identifier: MIT
// A speed button under presses that end somewhere else than they began (a double click, a
// second mouse button, a failing menu), its group and menu links, and its mouse events as a
// form description names them.
#include "SpeedButtonTestSupport.h"
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/forms/Forms.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

class SpeedButtonPress : public SpeedButtonTest {
protected:
    // Sends a mouse message at a point of the button with the buttons held after it.
    void MouseWithKeys(TSpeedButton* button, UINT message, WPARAM keys, int x, int y)
    {
        const TPoint screen = button->ClientToScreen(Point(x, y));
        SetCursorPos(screen.x, screen.y);
        const TPoint client = Window().ScreenToClient(screen);
        SendMessageA(Window().Handle(), message, keys, MAKELPARAM(client.x, client.y));
    }
};

// A form publishing one handler for each mouse event of a speed button.
class TMouseEventsForm : public TForm {
public:
    TMouseEventsForm()
        : TForm(nullptr)
    {
        RegisterSpeedCtrls();
    }
    const char* ClassName() const override { return "TMouseEventsForm"; }
    std::any FindEventMethod(const AnsiString& name, const std::type_info& eventType) override
    {
        static const TMethodTable<TMouseEventsForm> methods {
            { "BtnMouseDown", &TMouseEventsForm::BtnMouseDown },
            { "BtnMouseMove", &TMouseEventsForm::BtnMouseMove },
            { "BtnMouseUp", &TMouseEventsForm::BtnMouseUp },
        };
        if (std::any method = methods.Find(this, name, eventType); method.has_value())
            return method;
        return TForm::FindEventMethod(name, eventType);
    }

    void BtnMouseDown(TObject*, TMouseButton, TShiftState, int x, int y)
    {
        Log.push_back("down " + At(x, y));
    }
    void BtnMouseMove(TObject*, TShiftState, int x, int y) { Log.push_back("move " + At(x, y)); }
    void BtnMouseUp(TObject*, TMouseButton, TShiftState, int x, int y) { Log.push_back("up " + At(x, y)); }

    std::vector<AnsiString> Log;

private:
    static AnsiString At(int x, int y) { return IntToStr(x) + "," + IntToStr(y); }
};

} // namespace

TEST_F(SpeedButtonPress, TheSecondPressOfADoubleClickHoldsTheMouseLikeTheFirst)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(button);
    EXPECT_EQ(clicks, 1);
    Mouse(button, WM_LBUTTONDBLCLK, 5, 5);
    EXPECT_TRUE(button->MouseCapture());
    Tick(button);
    EXPECT_EQ(clicks, 2) << "the held second press repeats too";
    Release(button, 60, 5);
    EXPECT_FALSE(button->Tracking()) << "the release outside reached the button";
    EXPECT_EQ(button->ButtonState(), gsUp);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpeedButtonPress, ARightButtonLetGoWhileTheLeftIsHeldKeepsTheMouse)
{
    TSpeedButton* button = NewButton();
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Press(button);
    MouseWithKeys(button, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 5, 5);
    MouseWithKeys(button, WM_RBUTTONUP, MK_LBUTTON, 5, 5);
    EXPECT_TRUE(button->MouseCapture());
    EXPECT_TRUE(button->Tracking());
    Release(button, 60, 5);
    EXPECT_FALSE(button->Tracking());
    EXPECT_EQ(button->ButtonState(), gsUp);
    EXPECT_EQ(clicks, 0) << "let go outside";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpeedButtonPress, LeavingItsGroupBringsALatchedButtonUp)
{
    TSpeedButton* button = NewButton(10, 10, 1);
    button->SetDown(true);
    ASSERT_EQ(button->ButtonState(), gsExclusive);
    button->SetGroupIndex(0);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->ButtonState(), gsUp);
    button->SetGroupIndex(1);
    EXPECT_FALSE(button->Down()) << "rejoining a group does not latch it again";
}

TEST_F(SpeedButtonPress, ASiblingThatOnlyChangesASettingLeavesTheDownButtonDown)
{
    TSpeedButton* down = NewButton(10, 10, 1);
    TSpeedButton* sibling = NewButton(40, 10, 1);
    TSpeedButton* joining = NewButton(70, 10, 0);
    down->SetDown(true);
    sibling->SetAllowAllUp(true);
    EXPECT_TRUE(down->AllowAllUp()) << "the setting reached the group";
    joining->SetGroupIndex(1);
    EXPECT_TRUE(down->Down());
    EXPECT_EQ(down->ButtonState(), gsExclusive);
}

TEST_F(SpeedButtonPress, AMenuAndTheButtonsThatOpenItAreSafeInEveryOrderOfFreeing)
{
    // A and B share a menu owned by a third component; both opened it, B last, then B let it
    // go. A still holds the menu, and the menu remembers B as its opener.
    std::array<int, 3> order { 0, 1, 2 }; // 0: A, 1: B, 2: the menu's owner
    do {
        SCOPED_TRACE(std::to_string(order[0]) + std::to_string(order[1]) + std::to_string(order[2]));
        TSpeedButton* a = NewButton(10, 10);
        TSpeedButton* b = NewButton(40, 10);
        auto* owner = new TComponent(nullptr);
        auto* menu = new TPopupMenu(owner);
        a->SetDropDownMenu(menu);
        b->SetDropDownMenu(menu);
        for (TSpeedButton* opener : { a, b }) {
            TDialogService::Instance().PrepareMenu(-1);
            ClickAt(opener);
        }
        ASSERT_EQ(menu->PopupComponent(), b);
        b->SetDropDownMenu(nullptr);

        bool aAlive = true;
        bool bAlive = true;
        bool menuAlive = true;
        for (const int step : order) {
            if (step == 0) {
                delete a;
                aAlive = false;
            } else if (step == 1) {
                delete b;
                bAlive = false;
            } else {
                delete owner;
                menuAlive = false;
            }
            if (aAlive) {
                EXPECT_EQ(a->DropDownMenu(), menuAlive ? menu : nullptr);
            }
            if (menuAlive) {
                EXPECT_EQ(menu->PopupComponent(), bAlive ? static_cast<TComponent*>(b) : nullptr);
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(SpeedButtonPress, AnEnterHandlerMayFreeTheButtonThatWasEnabled)
{
    TSpeedButton* button = NewButton();
    button->SetEnabled(false);
    const TPoint over = button->ClientToScreen(Point(5, 5));
    SetCursorPos(over.x, over.y);
    int entered = 0;
    button->OnMouseEnter = [&](TObject*) {
        ++entered;
        delete button;
    };
    button->SetEnabled(true);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(Window().ControlCount(), 0);
}

TEST_F(SpeedButtonPress, AFailingMenuItemEndsThePressAndNoMenuPressRepeats)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    auto* menu = new TPopupMenu(&Window());
    auto* item = new TMenuItem(menu);
    item->SetCaption("Fail");
    item->OnClick = [](TObject*) { throw std::runtime_error("item failed"); };
    menu->Items()->Add(item);
    button->SetDropDownMenu(menu);

    TDialogService::Instance().PrepareMenu(0);
    EXPECT_THROW(Press(button), std::runtime_error);
    EXPECT_FALSE(button->Tracking());
    EXPECT_EQ(button->ButtonState(), gsUp);
    Release(button);

    item->OnClick = nullptr;
    TDialogService::Instance().PrepareMenu(0);
    Press(button);
    EXPECT_TRUE(button->AutoRepeatTimer() == nullptr || !button->AutoRepeatTimer()->Enabled())
        << "a press that opened the menu has nothing to repeat";
    Release(button);
}

TEST_F(SpeedButtonPress, MouseEventsAreBoundFromAFormDescription)
{
    TMouseEventsForm form;
    ReadComponentText(&form,
        "object MouseEventsForm: TMouseEventsForm\n"
        "  object Btn: TSpeedButton\n"
        "    OnMouseDown = BtnMouseDown\n"
        "    OnMouseMove = BtnMouseMove\n"
        "    OnMouseUp = BtnMouseUp\n"
        "  end\n"
        "end\n");
    auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent("Btn"));
    ASSERT_NE(button, nullptr);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 6));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(7, 8));
    EXPECT_EQ(form.Log, (std::vector<AnsiString> { "down 3,4", "move 5,6", "up 7,8" }));
}
