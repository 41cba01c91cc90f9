// SPDX-License-Identifier: MIT
#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Screen.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

TEST(FormWindowStyle, BorderStyleAndIconsDecideTheFrameAndBoxes)
{
    const DWORD single = FormWindowStyle(bsSingle, biSystemMenu | biMinimize);
    EXPECT_TRUE(single & WS_CAPTION);
    EXPECT_FALSE(single & WS_THICKFRAME);
    EXPECT_TRUE(single & WS_MINIMIZEBOX);
    EXPECT_FALSE(single & WS_MAXIMIZEBOX);
    EXPECT_TRUE(FormWindowStyle(bsSizeable, biSystemMenu) & WS_THICKFRAME);
    // A dialog frame never has the boxes; without the system menu there are none either.
    EXPECT_FALSE(FormWindowStyle(bsDialog, biSystemMenu | biMinimize | biMaximize)
        & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(FormWindowStyle(bsSingle, biMinimize) & (WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(FormWindowStyle(bsNone, biSystemMenu), WS_POPUP);
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { TDialogService::Instance().SetScripted(true); }
    void TearDown() override
    {
        delete FForm;
        TDialogService::Instance().Reset();
    }

    TForm* FForm = new TForm(nullptr);
};

TEST_F(FormTest, TopLevelWindowWithTheFormsClientSizeAndPlace)
{
    FForm->SetBounds(309, 211, 384, 153);
    FForm->SetBorderStyle(bsSingle);
    FForm->SetCaption("Kalvora ");
    EXPECT_FALSE(FForm->Visible());
    const HWND window = FForm->Handle();
    EXPECT_EQ(GetParent(window), nullptr);
    TRect client;
    GetClientRect(window, &client);
    EXPECT_EQ(client, Rect(0, 0, 384, 153));
    EXPECT_EQ(GetWindowTextString(window), "Kalvora ");
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME);
    FForm->SetBorderStyle(bsSizeable);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME);
}

TEST_F(FormTest, WindowMovedByTheUserStaysThereWhenResized)
{
    FForm->SetBounds(309, 211, 384, 153);
    const HWND window = FForm->Handle();
    // What the host reports when the user drags the window.
    SendMessageA(window, WM_MOVE, 0, MAKELPARAM(500, 300));
    EXPECT_EQ(FForm->Left(), 500);
    FForm->SetClientSize(385, 257);
    TRect placed;
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed, Bounds(500, 300, 385, 257));
}

TEST_F(FormTest, ScreenCenterPlacesTheFormWhenShown)
{
    FForm->SetBounds(0, 0, 200, 100);
    FForm->SetPosition(poScreenCenter);
    FForm->Show();
    EXPECT_EQ(FForm->Left(), (Screen->Width() - 200) / 2);
    EXPECT_EQ(FForm->Top(), (Screen->Height() - 100) / 2);
    EXPECT_TRUE(IsWindowVisible(FForm->Handle()));
}

TEST_F(FormTest, CreationErrorIsReportedAndTheFormGoesOn)
{
    FForm->OnCreate = [](TObject*) { throw EInvalidGraphic("The mask is not a bitmap"); };
    FForm->AfterConstruction();
    const auto& calls = TDialogService::Instance().Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Text, "The mask is not a bitmap.");
    EXPECT_EQ(FForm->ComponentState() & csDestroying, 0);
}

TEST_F(FormTest, AutoSizeFitsTheVisibleControlsAndGivesTheSizeBack)
{
    FForm->SetClientSize(384, 153);
    auto* panel = new TWinControl(FForm);
    panel->SetBounds(0, 160, 385, 97);
    panel->SetVisible(false);
    panel->SetParent(FForm);
    panel->SetVisible(true);
    FForm->SetAutoSize(true);
    EXPECT_EQ(FForm->ClientWidth(), 385);
    EXPECT_EQ(FForm->ClientHeight(), 257);
    panel->SetVisible(false);
    FForm->SetAutoSize(false);
    EXPECT_EQ(FForm->ClientWidth(), 384);
    EXPECT_EQ(FForm->ClientHeight(), 153);
}

TEST_F(FormTest, CloseQueryCanKeepTheFormOpen)
{
    FForm->Show();
    bool asked = false;
    FForm->OnCloseQuery = [&](TObject*, bool& canClose) {
        asked = true;
        canClose = false;
    };
    FForm->Close();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(FForm->Visible());
    FForm->OnCloseQuery = nullptr;
    FForm->Close();
    EXPECT_FALSE(FForm->Visible()) << "a form that is not the main form hides";
}

TEST_F(FormTest, MouseEnterAndLeaveFollowTheControlUnderTheMouse)
{
    // Without a host the mouse rests at the screen's origin.
    FForm->SetBounds(0, 0, 100, 100);
    auto* mark = new TGraphicControl(FForm);
    mark->SetBounds(0, 0, 10, 10);
    mark->SetParent(FForm);
    std::vector<UINT> heard;
    const auto original = mark->WindowProc;
    mark->WindowProc = [&, original](TMessage& message) {
        if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)
            heard.push_back(message.Msg);
        original(message);
    };
    FForm->Show();
    Application->DoMouseIdle();
    EXPECT_EQ(Application->MouseControl(), mark);
    Application->DoMouseIdle();
    EXPECT_EQ(heard, std::vector<UINT> { CM_MOUSEENTER }) << "told once while the mouse stays";

    mark->SetLeft(50);
    Application->DoMouseIdle();
    EXPECT_EQ(heard, (std::vector<UINT> { CM_MOUSEENTER, CM_MOUSELEAVE }));
    EXPECT_EQ(Application->MouseControl(), FForm);

    mark->SetLeft(0);
    Application->DoMouseIdle();
    delete mark;
    EXPECT_EQ(Application->MouseControl(), nullptr) << "a control freed under the mouse is forgotten";
    Application->DoMouseIdle();
    EXPECT_EQ(Application->MouseControl(), FForm);
    FForm->Hide();
    Application->DoMouseIdle();
    EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(FormTest, EnterAndEscapePressTheShowingDefaultAndCancelButtons)
{
    TForm form(nullptr);
    auto* box = new TGroupBox(&form);
    box->SetParent(&form);
    const auto addButton = [&](TWinControl* parent, const char* name) {
        auto* button = new TButton(&form);
        button->SetParent(parent);
        button->SetName(name);
        return button;
    };
    TButton* hiddenDefault = addButton(&form, "Hidden");
    hiddenDefault->SetDefault(true);
    hiddenDefault->SetVisible(false);
    TButton* disabledDefault = addButton(&form, "Disabled");
    disabledDefault->SetDefault(true);
    disabledDefault->SetEnabled(false);
    TButton* nestedDefault = addButton(box, "Nested");
    nestedDefault->SetDefault(true);
    TButton* cancel = addButton(&form, "Cancel");
    cancel->SetCancel(true);
    std::vector<AnsiString> clicked;
    for (TButton* button : { hiddenDefault, disabledDefault, nestedDefault, cancel })
        button->OnClick
            = [&clicked](TObject* sender) { clicked.push_back(static_cast<TButton*>(sender)->Name()); };

    EXPECT_EQ(form.Perform(CM_DIALOGKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(form.Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 1);
    EXPECT_EQ(form.Perform(CM_DIALOGKEY, VK_TAB, 0), 0) << "other keys are left alone";
    EXPECT_EQ(clicked, (std::vector<AnsiString> { "Nested", "Cancel" }));
    cancel->SetCancel(false);
    EXPECT_EQ(form.Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0) << "no cancel button, nothing handled";
}

TEST(ScreenCursors, StandardShapesAreThereAndProgramCursorsCanBeAdded)
{
    EXPECT_EQ(Screen->Cursors(crIBeam), LoadCursorA(HInstance, IDC_IBEAM));
    EXPECT_EQ(Screen->Cursors(crDefault), LoadCursorA(HInstance, IDC_ARROW));
    EXPECT_EQ(Screen->Cursors(12345), Screen->Cursors(crDefault)) << "unknown numbers give the default";
    const HCURSOR cross = LoadCursorA(HInstance, IDC_CROSS);
    Screen->SetCursors(12345, cross);
    EXPECT_EQ(Screen->Cursors(12345), cross);
    Screen->SetCursors(12345, nullptr);
    EXPECT_EQ(Screen->Cursors(12345), Screen->Cursors(crDefault));
}

} // namespace
