// SPDX-License-Identifier: MIT
#include "widgets/SpeedButton.h"

#include "SpeedButtonTestSupport.h"
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/menus/ActnList.h"

#include <stdexcept>
#include <string>

namespace {

enum class Step : std::uint8_t { Press, Move, Release, Disable, Enable, Paint };

struct Action {
    Step step;
    int x = 5;
    int y = 5;
};

struct StateRow {
    const char* name;
    int groupIndex;
    std::vector<Action> actions;
    TGlyphState state;
    int clicks;
    bool down;
};

// The button is 25 x 25 at (10, 10); its client area ends at 25 on both axes.
const StateRow kStateRows[] = {
    { "PressShowsItDown", 0, { { Step::Press } }, gsDown, 0, false },
    { "MovingOutShowsItUp", 0, { { Step::Press }, { Step::Move, 30, 5 } }, gsUp, 0, false },
    { "MovingBackInShowsItDownAgain", 0, { { Step::Press }, { Step::Move, 30, 5 }, { Step::Move, 6, 6 } },
        gsDown, 0, false },
    { "ReleaseInsideClicks", 0, { { Step::Press }, { Step::Release } }, gsUp, 1, false },
    { "ReleaseOutsideDoesNotClick", 0, { { Step::Press }, { Step::Move, 30, 5 }, { Step::Release, 30, 5 } },
        gsUp, 0, false },
    { "TheRowBelowCountsAsInside", 0, { { Step::Press }, { Step::Move, 5, 25 }, { Step::Release, 5, 25 } },
        gsUp, 1, false },
    { "TheColumnRightOfItDoesNot", 0, { { Step::Press }, { Step::Move, 25, 5 }, { Step::Release, 25, 5 } },
        gsUp, 0, false },
    { "MovingOnTheRowBelowKeepsItDown", 0, { { Step::Press }, { Step::Move, 5, 25 } }, gsDown, 0, false },
    { "AGroupedReleaseInsideLatchesIt", 1, { { Step::Press }, { Step::Release } }, gsExclusive, 1, true },
    { "AGroupedReleaseOutsideLeavesItUp", 1,
        { { Step::Press }, { Step::Move, 30, 5 }, { Step::Release, 30, 5 } }, gsUp, 0, false },
    { "PressingTheLatchedButtonKeepsItLatched", 1,
        { { Step::Press }, { Step::Release }, { Step::Press }, { Step::Move, 30, 5 } }, gsExclusive, 1,
        true },
    { "ReleasingTheLatchedOneOutsideKeepsItLatched", 1,
        { { Step::Press }, { Step::Release }, { Step::Press }, { Step::Move, 30, 5 },
            { Step::Release, 30, 5 } },
        gsExclusive, 1, true },
    { "APaintedDisabledButtonIsDisabled", 0, { { Step::Disable }, { Step::Paint } }, gsDisabled, 0, false },
    { "ReEnabledLatchedItShowsLatchedAgain", 1,
        { { Step::Press }, { Step::Release }, { Step::Disable }, { Step::Paint }, { Step::Enable },
            { Step::Paint } },
        gsExclusive, 1, true },
};

class SpeedButtonState : public SpeedButtonTest, public ::testing::WithParamInterface<StateRow> { };

} // namespace

TEST_P(SpeedButtonState, FollowsTheMouse)
{
    const StateRow& row = GetParam();
    TSpeedButton* button = NewButton(10, 10, row.groupIndex);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    for (const Action& action : row.actions) {
        switch (action.step) {
        case Step::Press:
            Press(button, action.x, action.y);
            break;
        case Step::Move:
            Move(button, action.x, action.y);
            break;
        case Step::Release:
            Release(button, action.x, action.y);
            break;
        case Step::Disable:
            button->SetEnabled(false);
            break;
        case Step::Enable:
            button->SetEnabled(true);
            break;
        case Step::Paint:
            Window().PaintNow();
            break;
        }
    }
    EXPECT_EQ(button->ButtonState(), row.state);
    EXPECT_EQ(clicks, row.clicks);
    EXPECT_EQ(button->Down(), row.down);
}

INSTANTIATE_TEST_SUITE_P(Rows, SpeedButtonState, ::testing::ValuesIn(kStateRows),
    [](const ::testing::TestParamInfo<StateRow>& row) { return std::string(row.param.name); });

TEST_F(SpeedButtonTest, AnUngroupedButtonNeverStaysDown)
{
    TSpeedButton* button = NewButton();
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->ButtonState(), gsUp);
}

TEST_F(SpeedButtonTest, AtMostOneButtonOfAGroupIsDown)
{
    for (const bool allowAllUp : { false, true }) {
        SCOPED_TRACE(allowAllUp ? "all may be up" : "one stays down");
        TSpeedButton* a = NewButton(10, 10, 1);
        TSpeedButton* b = NewButton(40, 10, 1);
        TSpeedButton* c = NewButton(70, 10, 1);
        a->SetAllowAllUp(allowAllUp);
        a->SetDown(true);
        ClickAt(b);
        EXPECT_FALSE(a->Down());
        EXPECT_TRUE(b->Down());
        EXPECT_FALSE(c->Down());
        EXPECT_EQ(a->ButtonState(), gsUp);
        EXPECT_EQ(b->ButtonState(), gsExclusive);
        ClickAt(b);
        EXPECT_EQ(b->Down(), !allowAllUp);
        delete a;
        delete b;
        delete c;
    }
}

TEST_F(SpeedButtonTest, AllowAllUpSpreadsToTheGroupOnceTheParentHasAWindow)
{
    TTestWindow loading(100, 50);
    auto* a = new TSpeedButton(&loading);
    auto* b = new TSpeedButton(&loading);
    auto* other = new TSpeedButton(&loading);
    for (TSpeedButton* button : { a, b, other })
        button->SetParent(&loading);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    a->SetAllowAllUp(true);
    EXPECT_FALSE(b->AllowAllUp()) << "no window yet: the group hears nothing";

    loading.HandleNeeded();
    a->SetAllowAllUp(false);
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    EXPECT_FALSE(other->AllowAllUp()) << "another group";
}

TEST_F(SpeedButtonTest, AGroupMessageFromAStrangerIsIgnored)
{
    TSpeedButton* button = NewButton(10, 10, 1);
    button->SetDown(true);
    int notAButton = 0;
    button->Perform(CM_GROUPBUTTONPRESSED, 1, reinterpret_cast<LPARAM>(&notAButton));
    button->Perform(CM_GROUPBUTTONPRESSED, 1, reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(button->Down());
}

TEST_F(SpeedButtonTest, AutoRepeatClicksOnlyWhileHeldInside)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };

    Press(button);
    TTimer* timer = button->AutoRepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 500u) << "the first repeat waits InitPause";
    Tick(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(timer->Interval(), 100u) << "then RepeatInterval";
    Tick(button);
    EXPECT_EQ(clicks, 2);

    Move(button, 40, 5);
    Tick(button);
    EXPECT_EQ(clicks, 2) << "outside the button the ticks go on without clicks";
    Move(button, 5, 5);
    Tick(button);
    EXPECT_EQ(clicks, 3);

    Release(button);
    EXPECT_EQ(clicks, 4) << "the release inside adds the ordinary click";
    EXPECT_FALSE(timer->Enabled());
    Tick(button);
    EXPECT_EQ(clicks, 4) << "a tick still queued after the release does nothing";
}

TEST_F(SpeedButtonTest, AThrowingClickStopsTheRepeat)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    button->OnClick = [](TObject*) { throw std::runtime_error("no more"); };
    Press(button);
    EXPECT_THROW(Tick(button), std::runtime_error);
    ASSERT_NE(button->AutoRepeatTimer(), nullptr);
    EXPECT_FALSE(button->AutoRepeatTimer()->Enabled());
}

TEST_F(SpeedButtonTest, AClickMayClearAllowTimerDuringItsOwnTick)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        button->SetAllowTimer(false);
        EXPECT_EQ(button->AutoRepeatTimer(), nullptr);
    };
    Press(button);
    const HWND timerWindow = button->AutoRepeatTimer()->Handle();
    SendMessageA(timerWindow, WM_TIMER, 1, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(IsWindow(timerWindow)) << "the tick returns through a whole timer";
    TTestWindow::PumpMessages();
    EXPECT_FALSE(IsWindow(timerWindow)) << "the timer is freed once control is back in the queue";
    Release(button);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, AClickMayFreeTheButtonDuringATick)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    bool freed = false;
    button->OnClick = [&](TObject*) {
        // The handler goes with the button: nothing of it may be touched after the delete.
        freed = true;
        delete button;
    };
    Press(button);
    const HWND timerWindow = button->AutoRepeatTimer()->Handle();
    SendMessageA(timerWindow, WM_TIMER, 1, 0);
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsWindow(timerWindow));
    EXPECT_EQ(Window().ControlCount(), 0);
    EXPECT_EQ(GetCapture(), nullptr) << "a freed button holds the mouse no more";
}

TEST_F(SpeedButtonTest, AReleaseClickMayFreeTheButton)
{
    TSpeedButton* button = NewButton();
    button->SetAllowTimer(true);
    button->OnClick = [&](TObject*) { delete button; };
    Press(button);
    Release(button);
    EXPECT_EQ(Window().ControlCount(), 0);
}

TEST_F(SpeedButtonTest, MenuPointsFollowPositionAndAlignment)
{
    TSpeedButton* button = NewButton();
    button->SetBounds(10, 10, 30, 21);
    EXPECT_EQ(button->DropDownMenuPoint(), Point(0, 0)) << "no menu";
    auto* menu = new TPopupMenu(&Window());
    button->SetDropDownMenu(menu);
    struct Row {
        TDropDownMenuPos position;
        TPopupAlignment alignment;
        TPoint point;
    };
    const Row rows[] = {
        { dmpBottom, paLeft, Point(-1, 21) },
        { dmpBottom, paRight, Point(31, 21) },
        { dmpBottom, paCenter, Point(15, 21) },
        { dmpRight, paLeft, Point(30, -1) },
        { dmpRight, paRight, Point(-1, -1) },
        { dmpRight, paCenter, Point(15, 21) },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.position) + "/" + std::to_string(row.alignment));
        button->SetMenuPosition(row.position);
        menu->SetAlignment(row.alignment);
        EXPECT_EQ(button->DropDownMenuPoint(), row.point);
    }
}

TEST_F(SpeedButtonTest, APressOpensTheMenuAtTheLowerLeftCornerWithoutAClick)
{
    TForm form(nullptr);
    form.SetBounds(30, 20, 200, 100);
    form.Show();
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetBounds(10, 10, 25, 25);
    auto* menu = new TPopupMenu(&form);
    auto* item = new TMenuItem(&form);
    item->SetCaption("Open");
    int chosen = 0;
    item->OnClick = [&](TObject*) { ++chosen; };
    menu->Items()->Add(item);
    button->SetDropDownMenu(menu);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    TDialogService::Instance().PrepareMenu(0);

    // The menu's loop takes the release, so only the press reaches the button.
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    const auto& calls = TDialogService::Instance().Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Kind, TDialogKind::PopupMenu);
    EXPECT_EQ(calls[0].MenuPoint, Point(30 + 10 - 1, 20 + 10 + 25));
    EXPECT_EQ(calls[0].MenuAlignment, PopupAlignment::Left);
    EXPECT_EQ(menu->PopupComponent(), button);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(clicks, 0) << "the press that opened the menu does not click";
    EXPECT_EQ(button->ButtonState(), gsUp);
    EXPECT_FALSE(button->Tracking());
    EXPECT_FALSE(button->MouseCapture()) << "nothing may keep the mouse after the menu";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SpeedButtonTest, AClickThatClosedTheMenuOnTheButtonIsDiscarded)
{
    TSpeedButton* button = NewButton(10, 10);
    auto* menu = new TPopupMenu(&Window());
    button->SetDropDownMenu(menu);
    // While the menu is open the user clicks the button again (which closes the menu) and
    // then somewhere else; both clicks wait in the queue when the menu returns.
    menu->OnPopup = [&](TObject*) {
        const TPoint onButton = button->ClientToScreen(Point(5, 5));
        SetCursorPos(onButton.x, onButton.y);
        PostMessageA(Window().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
        const TPoint elsewhere = Window().ClientToScreen(Point(100, 60));
        SetCursorPos(elsewhere.x, elsewhere.y);
        PostMessageA(Window().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 60));
    };
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Press(button);
    MSG left;
    ASSERT_TRUE(PeekMessageA(&left, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(left.pt, Window().ClientToScreen(Point(100, 60))) << "only the click on the button went";
    EXPECT_FALSE(PeekMessageA(&left, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    Release(button);
    EXPECT_EQ(clicks, 0);
}

TEST_F(SpeedButtonTest, AMenuThatDoesNotPopUpByItselfStaysShut)
{
    TSpeedButton* button = NewButton();
    auto* menu = new TPopupMenu(&Window());
    menu->SetAutoPopup(false);
    button->SetDropDownMenu(menu);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(button);
    EXPECT_TRUE(TDialogService::Instance().Calls().empty());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->TryDropDownMenu(button->DropDownMenuPoint(), true)) << "asked for by hand, it opens";
}

TEST_F(SpeedButtonTest, AFreedMenuIsForgotten)
{
    TSpeedButton* button = NewButton();
    auto* menu = new TPopupMenu(&Window());
    button->SetDropDownMenu(menu);
    delete menu;
    EXPECT_EQ(button->DropDownMenu(), nullptr);
    ClickAt(button);
}

TEST_F(SpeedButtonTest, TheCaptionsAcceleratorClicksAnEnabledButton)
{
    TSpeedButton* button = NewButton();
    button->SetCaption("&Go");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'g', 0), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'o', 0), 0);
    button->SetEnabled(false);
    EXPECT_EQ(button->Perform(CM_DIALOGCHAR, 'G', 0), 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, AnAltKeyOnTheFormReachesTheAccelerator)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    auto* button = new TSpeedButton(&form);
    button->SetParent(&form);
    button->SetCaption("Sa&ve");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(form.Handle(), WM_SYSCHAR, 'V', 0);
    EXPECT_EQ(clicks, 1);
    SendMessageA(form.Handle(), WM_CHAR, 'v', 0);
    EXPECT_EQ(clicks, 2) << "no control of the form wants characters";
    SendMessageA(form.Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, AClickGivesItsModalResultToTheParentForm)
{
    TForm form(nullptr);
    auto* group = new TGroupBox(&form);
    group->SetParent(&form);
    auto* button = new TSpeedButton(&form);
    button->SetParent(group);
    button->SetModalResult(mrOk);
    button->Click();
    EXPECT_EQ(form.ModalResult(), mrOk);
    button->SetModalResult(mrNone);
    button->Click();
    EXPECT_EQ(form.ModalResult(), mrNone) << "also when it is none";
}

TEST_F(SpeedButtonTest, MouseEnterFiresAgainAfterAClickWithTheCursorStillOver)
{
    TSpeedButton* button = NewButton();
    int enters = 0;
    int leaves = 0;
    button->OnMouseEnter = [&](TObject*) { ++enters; };
    button->OnMouseLeave = [&](TObject*) { ++leaves; };
    const TPoint over = button->ClientToScreen(Point(5, 5));
    SetCursorPos(over.x, over.y);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 1);
    ClickAt(button);
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(leaves, 0);
    EXPECT_TRUE(button->MouseInside());
}

TEST_F(SpeedButtonTest, NoHoverWhileAnotherProgramIsInFront)
{
    TSpeedButton* button = NewButton();
    int enters = 0;
    button->OnMouseEnter = [&](TObject*) { ++enters; };
    HostActivationChanged(Window().Handle(), false);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 0);
    EXPECT_FALSE(button->MouseInside());
    HostActivationChanged(Window().Handle(), true);
    button->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(enters, 1);
}

TEST_F(SpeedButtonTest, TheActionsImageBecomesTheGlyphOnMagenta)
{
    TCustomImageList images(4, 4);
    Pixels pixels(16, B);
    pixels[0] = M;
    images.Add(MakeBitmap(4, 4, { R, R, R, R, R, R, R, R, R, R, R, R, R, R, R, R }).get(), nullptr);
    auto mask = Filled(4, 4, K);
    mask->Canvas()->SetPixels(0, 0, clWhite);
    images.Add(MakeBitmap(4, 4, pixels).get(), mask.get());
    TActionList list(nullptr);
    list.SetImages(&images);
    TAction action(nullptr);
    action.SetActionList(&list);
    action.SetCaption("Run");
    action.SetImageIndex(1);
    action.SetChecked(true);

    TSpeedButton* button = NewButton(10, 10, 3);
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "Run");
    EXPECT_TRUE(button->Down()) << "a grouped button shows the action's state";
    Pixels expected(16, B);
    expected[0] = M;
    EXPECT_EQ(PixelsOf(*button->Glyph()), expected);
    EXPECT_EQ(button->Glyph()->TransparentColor(), clFuchsia);
    EXPECT_EQ(button->NumGlyphs(), 1);

    int runs = 0;
    action.OnExecute = [&](TObject*) { ++runs; };
    button->Click();
    EXPECT_EQ(runs, 1) << "without OnClick a click runs the action";
    action.SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    button->SetAction(nullptr);
}

TEST_F(SpeedButtonTest, AFormDescriptionCanHoldSpeedButtonsAndTheirMenu)
{
    RegisterSpeedCtrls();
    TForm form(nullptr);
    ReadComponentText(&form, R"(object Gallery: TForm
  object RunBtn: TSpeedButton
    Left = 4
    Top = 6
    Width = 30
    Caption = '&Run'
    GroupIndex = 2
    Down = True
    AllowAllUp = True
    Flat = True
    DropDownMenu = RunMenu
    MenuPosition = dmpRight
    Layout = blGlyphLeft
    Margin = -5
    Spacing = -1
    NumGlyphs = 9
    InitPause = 300
    RepeatInterval = 50
    ModalResult = mrOk
    ParentShowHint = False
  end
  object RunMenu: TPopupMenu
    Alignment = paCenter
    object FirstItem: TMenuItem
      Caption = 'First'
    end
  end
end
)");
    auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent("RunBtn"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->BoundsRect(), Rect(4, 6, 34, 31));
    EXPECT_EQ(button->Caption(), "&Run");
    EXPECT_TRUE(button->Down());
    EXPECT_TRUE(button->AllowAllUp());
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->DropDownMenu(), form.FindComponent("RunMenu"));
    EXPECT_EQ(button->MenuPosition(), dmpRight);
    EXPECT_EQ(button->Layout(), blGlyphLeft);
    EXPECT_EQ(button->Margin(), -1) << "below -1 is ignored";
    EXPECT_EQ(button->Spacing(), -1);
    EXPECT_EQ(button->NumGlyphs(), 5) << "above 5 is stored as 5";
    EXPECT_EQ(button->InitPause(), 300u);
    EXPECT_EQ(button->RepeatInterval(), 50u);
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(button->ShowHint());
    EXPECT_FALSE(button->ParentShowHint());
    ASSERT_EQ(button->DropDownMenu()->Items()->Count(), 1);
    EXPECT_EQ(button->DropDownMenu()->Alignment(), paCenter);
    EXPECT_EQ(button->DropDownMenu()->Items()->Items(0)->Caption(), "First");
}

TEST_F(SpeedButtonTest, ConstructedItHasItsDefaults)
{
    TSpeedButton* button = NewButton(0, 0);
    EXPECT_EQ(button->BoundsRect(), Rect(0, 0, 25, 25));
    EXPECT_EQ(button->Layout(), blGlyphTop);
    EXPECT_EQ(button->Spacing(), 1);
    EXPECT_EQ(button->Margin(), -1);
    EXPECT_EQ(button->InitPause(), 500u);
    EXPECT_EQ(button->RepeatInterval(), 100u);
    EXPECT_TRUE(button->GrayedInactive());
    EXPECT_TRUE(button->MarkDropDown());
    EXPECT_TRUE(button->ShowHint());
    EXPECT_FALSE(button->ParentShowHint());
    EXPECT_TRUE(button->ParentFont());
    EXPECT_EQ(button->ControlStyle() & csClickEvents, 0u) << "the button fires its own clicks";
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1) << "0 is ignored";
}

TEST_F(SpeedButtonTest, AStoredGlyphIsReadAndItsLookBuiltOnceLoaded)
{
    RegisterSpeedCtrls();
    auto strip = MakeBitmap(2, 1, { R, G });
    const AnsiString hex = StoredBitmapData(*strip);
    TForm form(nullptr);
    ReadComponentText(&form,
        "object Gallery: TForm\n  object FlatBtn: TSpeedButton\n    Flat = True\n    Glyph.Data = {" + hex
            + "}\n  end\nend\n");
    auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent("FlatBtn"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(PixelsOf(*button->Glyph()), (Pixels { R, G }));
    EXPECT_EQ(button->NumGlyphs(), 2) << "two square images";
    EXPECT_NE(button->GlyphRenderer()->StateIndexes(gsInactive), -1)
        << "the flat look is built ahead of painting";
    button->SetEnabled(false);
    EXPECT_NE(button->GlyphRenderer()->StateIndexes(gsDisabled), -1);
}
