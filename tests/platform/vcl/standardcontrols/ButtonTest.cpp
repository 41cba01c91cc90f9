// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/vcl/forms/Forms.h"
#include "platform/win32/windows/Host.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

TEST(Button, IsANativePushButtonCarryingItsCaption)
{
    TTestWindow window(200, 100);
    auto* button = new TButton(&window);
    button->SetParent(&window);
    button->SetCaption("Open...");
    ASSERT_EQ(button->Handle()->kind, WindowKind::NativeButton);
    EXPECT_EQ(GetWindowTextString(button->Handle()), "Open...");
    button->SetCaption("Save");
    EXPECT_EQ(GetWindowTextString(button->Handle()), "Save");
    EXPECT_TRUE(button->TabStop());
}

TEST(Button, AClickOfTheHostReachesOnClickThroughTheQueue)
{
    TTestWindow window(200, 100);
    auto* button = new TButton(&window);
    button->SetParent(&window);
    int clicks = 0;
    TObject* sender = nullptr;
    button->OnClick = [&](TObject* from) {
        ++clicks;
        sender = from;
    };
    HostButtonClicked(button->Handle());
    EXPECT_EQ(clicks, 0) << "the click waits in the queue";
    TTestWindow::PumpMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, button);
}

TEST(Button, ADisabledButtonIgnoresClicks)
{
    TTestWindow window(200, 100);
    auto* button = new TButton(&window);
    button->SetParent(&window);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    button->SetEnabled(false);
    HostButtonClicked(button->Handle());
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    TTestWindow::PumpMessages();
    EXPECT_EQ(clicks, 0);
}

TEST(Button, AClickGivesTheFormItsModalResultBeforeOnClick)
{
    TForm form(nullptr);
    auto* group = new TGroupBox(&form);
    group->SetParent(&form);
    auto* button = new TButton(&form);
    button->SetParent(group);
    button->SetModalResult(mrOk);
    TModalResult seenByHandler = mrNone;
    button->OnClick = [&](TObject*) { seenByHandler = form.ModalResult(); };
    button->Click();
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_EQ(seenByHandler, mrOk);
}

TEST(Button, DefaultShowsInTheWindowStyle)
{
    TTestWindow window(200, 100);
    auto* button = new TButton(&window);
    button->SetParent(&window);
    button->SetDefault(true);
    EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & 0xF, LONG_PTR(BS_DEFPUSHBUTTON));
    button->SetDefault(false);
    EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & 0xF, LONG_PTR(BS_PUSHBUTTON));
}
