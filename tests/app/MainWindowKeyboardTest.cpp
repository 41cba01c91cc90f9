// SPDX-License-Identifier: MIT
// The main window without the mouse: its commands and the settings panel's choices from
// shortcut keys, whichever control has the focus.
#include "tests/app/MainWindowFixture.h"

namespace {

class MainWindowKeyboard : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        WriteSolidPicture(ProgramDir() + "bmp/red.bmp", 40, 20, RGB(200, 30, 40));
    }

    // Ctrl and the key, pressed for the control with the focus.
    static void PressCtrl(WORD key)
    {
        SetKeyDown(VK_CONTROL, true);
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
        SetKeyDown(VK_CONTROL, false);
        Application->ProcessMessages();
    }
};

TEST_F(MainWindowKeyboard, OpenProjectionGenerateAndSaveFromTheKeyboard)
{
    TMainForm* window = CreateWindow();
    window->Show();
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/red.bmp");
    PressCtrl('O');
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 40);

    PressCtrl('3');
    EXPECT_TRUE(window->BlockBtn->Down());
    EXPECT_TRUE(window->dEdt->Enabled()) << "the choice's handler ran as for a click";
    PressCtrl('2');
    EXPECT_TRUE(window->IsoBtn->Down());
    EXPECT_FALSE(window->BlockBtn->Down());
    EXPECT_FALSE(window->dEdt->Enabled());

    // From an edit of the panel as well as from a button.
    Click(window->SettBtn);
    window->wEdt->SetFocus();
    PressCtrl('G');
    EXPECT_EQ(window->IsoImg->Picture()->Width(), 128);
    EXPECT_EQ(window->wEdt->Text(), "128") << "the edit never took the key";

    const AnsiString tileFile = Program() / "tile.bmp";
    Dialogs().PrepareFile(TDialogKind::SaveFile, true, tileFile);
    PressCtrl('S');
    EXPECT_EQ(ReadPicture(tileFile).width, 128);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
}

TEST_F(MainWindowKeyboard, EveryChoiceOfThePanelHasItsKey)
{
    TMainForm* window = CreateWindow();
    window->Show();
    const struct {
        WORD key;
        TSpeedButton* chosen;
        TSpeedButton* released;
    } choices[] = {
        { '3', window->BlockBtn, window->StretchBtn },
        { '1', window->StretchBtn, window->BlockBtn },
        { '5', window->PngSourcesBtn, window->BmpSourcesBtn },
        { '4', window->BmpSourcesBtn, window->PngSourcesBtn },
        { '7', window->PngTilesBtn, window->BmpTilesBtn },
        { '6', window->BmpTilesBtn, window->PngTilesBtn },
    };
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.chosen->Name());
        PressCtrl(choice.key);
        EXPECT_TRUE(choice.chosen->Down());
        EXPECT_FALSE(choice.released->Down());
    }
}

TEST_F(MainWindowKeyboard, AKeyWithoutCtrlIsTheFocusedControlsOwn)
{
    TMainForm* window = CreateWindow();
    window->Show();
    window->IsoBtn->SetDown(true);
    PostMessageA(window->OpenBtn->Handle(), WM_KEYDOWN, '3', 0);
    Application->ProcessMessages();
    EXPECT_TRUE(window->IsoBtn->Down());
    EXPECT_TRUE(Dialogs().Calls().empty());
}

} // namespace
