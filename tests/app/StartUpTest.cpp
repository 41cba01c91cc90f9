// SPDX-License-Identifier: MIT
#include "app/ProgramCursors.h"
#include "platform/vcl/forms/Screen.h"
#include "platform/win32/resources/CursorRecord.h"
#include "resources/DurnikResources.h"
#include "tests/app/MainWindowFixture.h"

namespace {

TEST(ProgramCursors, HandsAreRegisteredAsFourteenThousandAndOne)
{
    RegisterDurnikResources();
    RegisterProgramCursors();
    const HCURSOR hand = Screen->Cursors(crHandCursor);
    const HCURSOR drag = Screen->Cursors(crDragCursor);
    ASSERT_NE(hand, nullptr);
    ASSERT_NE(drag, nullptr);
    EXPECT_NE(hand, drag);
    EXPECT_NE(hand, Screen->Cursors(crDefault));
    EXPECT_EQ(hand->andMask.width, 32);
    EXPECT_EQ(hand->hotSpot, (TPoint { 6, 16 }));
    EXPECT_EQ(drag->hotSpot, (TPoint { 15, 16 }));
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheLoop)
{
    Application->Initialize();
    TMainForm* window = CreateWindow();
    PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(window->Visible()) << "shown by Run, gone only with the program";
    Application->Initialize();
}

TEST_F(MainWindowTest, TheFirstFormCreatedIsTheMainForm)
{
    TMainForm* window = CreateWindow();
    EXPECT_EQ(Application->MainForm(), window);
    EXPECT_EQ(window->Owner(), Application);
    delete MainForm;
    MainForm = nullptr;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

} // namespace
