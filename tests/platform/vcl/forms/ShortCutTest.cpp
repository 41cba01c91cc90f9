// SPDX-License-Identifier: MIT
// A form's shortcuts: offered every key pressed for any of its controls before the control
// has it, with Shift, Ctrl and Alt as they were when the key was pressed.
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ShortCutForm : public ::testing::Test {
protected:
    ShortCutForm()
    {
        FForm->SetBounds(10, 10, 200, 100);
        FEdit->SetParent(FForm.get());
        FForm->OnShortCut = [this](TShortCut shortCut, bool& handled) {
            FOffered.push_back(shortCut);
            handled = shortCut == (scCtrl | 'O');
        };
        FEdit->OnKeyDown = [this](TObject*, WORD& key, TShiftState) { FEditKeys.push_back(key); };
        FForm->HandleNeeded();
    }

    // A key pressed in the edit with these modifiers down, which are let go again before
    // the loop comes round to the key, as on a busy machine.
    void PressInEdit(WORD key, std::initializer_list<int> modifiers)
    {
        for (const int modifier : modifiers)
            SetKeyDown(modifier, true);
        PostMessageA(FEdit->Handle(), WM_KEYDOWN, key, 0);
        for (const int modifier : modifiers)
            SetKeyDown(modifier, false);
        Application->ProcessMessages();
    }

    std::unique_ptr<TForm> FForm = std::make_unique<TForm>(nullptr);
    TEdit* FEdit = new TEdit(FForm.get());
    std::vector<TShortCut> FOffered;
    std::vector<WORD> FEditKeys;
};

TEST_F(ShortCutForm, TheFormTakesItsShortCutBeforeTheFocusedControl)
{
    PressInEdit('O', { VK_CONTROL });
    EXPECT_EQ(FOffered, std::vector<TShortCut> { scCtrl | 'O' });
    EXPECT_TRUE(FEditKeys.empty()) << "the edit never saw the shortcut";
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0) << "once the key is handled, Ctrl is as the keyboard has it";
}

TEST_F(ShortCutForm, AKeyThatIsNoShortCutGoesOnToTheControl)
{
    PressInEdit('P', { VK_CONTROL, VK_SHIFT });
    PressInEdit('O', {});
    EXPECT_EQ(FOffered, (std::vector<TShortCut> { scCtrl | scShift | 'P', 'O' }));
    EXPECT_EQ(FEditKeys, (std::vector<WORD> { 'P', 'O' }));
}

} // namespace
