// SPDX-License-Identifier: MIT
#include "platform/vcl/menus/Menus.h"

#include "platform/vcl/dialogs/DialogService.h"

#include <gtest/gtest.h>

namespace {

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TDialogService::Instance().Reset();
        TDialogService::Instance().SetScripted(true);
    }
    void TearDown() override { TDialogService::Instance().Reset(); }

    TMenuItem* AddItem(const AnsiString& caption, int* clicks)
    {
        auto* item = new TMenuItem(&FOwner);
        item->SetCaption(caption);
        if (clicks)
            item->OnClick = [clicks](TObject*) { ++*clicks; };
        FMenu->Items()->Add(item);
        return item;
    }

    TComponent FOwner { nullptr };
    TPopupMenu* FMenu = new TPopupMenu(&FOwner);
};

} // namespace

TEST_F(PopupMenuTest, ThePreparedItemIsClickedAfterTheMenuClosed)
{
    int cut = 0;
    int paste = 0;
    AddItem("Cut", &cut);
    AddItem("-", nullptr);
    AddItem("Paste", &paste);
    FMenu->SetAlignment(paRight);
    TDialogService::Instance().PrepareMenu(2);
    FMenu->Popup(120, 80);
    EXPECT_EQ(cut, 0);
    EXPECT_EQ(paste, 1);
    const auto& calls = TDialogService::Instance().Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].MenuPoint, Point(120, 80));
    EXPECT_EQ(calls[0].MenuAlignment, PopupAlignment::Right);
    ASSERT_EQ(calls[0].MenuItems.size(), 3u);
    EXPECT_EQ(calls[0].MenuItems[1].caption, "-");
}

TEST_F(PopupMenuTest, ClosedWithoutAChoiceNothingIsClicked)
{
    int clicks = 0;
    AddItem("Cut", &clicks);
    TDialogService::Instance().PrepareMenu(-1);
    FMenu->Popup(0, 0);
    FMenu->Popup(0, 0); // scripted and unanswered: dismissed
    EXPECT_EQ(clicks, 0);
}

TEST_F(PopupMenuTest, HiddenItemsAreLeftOutAndDisabledOnesNotClicked)
{
    int hidden = 0;
    int disabled = 0;
    AddItem("Hidden", &hidden)->SetVisible(false);
    AddItem("Disabled", &disabled)->SetEnabled(false);
    TDialogService::Instance().PrepareMenu(0);
    FMenu->Popup(0, 0);
    EXPECT_EQ(TDialogService::Instance().Calls()[0].MenuItems.size(), 1u);
    EXPECT_FALSE(TDialogService::Instance().Calls()[0].MenuItems[0].enabled);
    EXPECT_EQ(hidden + disabled, 0);
}

TEST_F(PopupMenuTest, AnAnswerForAnotherDialogShowsAtOnce)
{
    TDialogService::Instance().PrepareMessage(IDOK);
    EXPECT_THROW(FMenu->Popup(0, 0), EInvalidOperation);
}

TEST_F(PopupMenuTest, TheOpeningComponentIsForgottenWhenFreed)
{
    auto* opener = new TComponent(nullptr);
    FMenu->SetPopupComponent(opener);
    EXPECT_EQ(FMenu->PopupComponent(), opener);
    delete opener;
    EXPECT_EQ(FMenu->PopupComponent(), nullptr);
}

TEST(Accelerators, TheLetterAfterTheAmpersandInEitherCase)
{
    struct Row {
        const char* caption;
        char key;
        bool accel;
    };
    const Row rows[] = {
        { "&Open", 'o', true },
        { "&Open", 'O', true },
        { "Sa&ve", 'V', true },
        { "Sa&ve", 'S', false },
        { "Fish && &Chips", 'C', true },
        { "Fish && Chips", ' ', false },
        { "Trailing&", '&', false },
        { "None", 'N', false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.caption) + " / " + row.key);
        EXPECT_EQ(IsAccel(WORD(row.key), row.caption), row.accel);
    }
}

TEST(Accelerators, ShortCutsCarryTheShiftKeysInTheHighByte)
{
    EXPECT_EQ(ShortCut(VK_DOWN, ssAlt), 0x8028);
    EXPECT_EQ(ShortCut('S', ssCtrl | ssShift), 0x6053);
    EXPECT_EQ(ShortCut(VK_F1, 0), 0x0070);
}

TEST(PopupMenu, AMenuFreedByItsOwnHandlersIsLeftAlone)
{
    TDialogService::Instance().Reset();
    TDialogService::Instance().SetScripted(true);
    auto* freedOnPopup = new TPopupMenu(nullptr);
    freedOnPopup->OnPopup = [&](TObject*) { delete freedOnPopup; };
    freedOnPopup->Popup(0, 0);
    EXPECT_TRUE(TDialogService::Instance().Calls().empty()) << "a freed menu shows nothing";

    // The item's handler runs once the menu has closed and may free the menu with it.
    auto* freedByItem = new TPopupMenu(nullptr);
    auto* item = new TMenuItem(freedByItem);
    item->SetCaption("Close");
    item->OnClick = [&](TObject*) { delete freedByItem; };
    freedByItem->Items()->Add(item);
    TDialogService::Instance().PrepareMenu(0);
    freedByItem->Popup(0, 0);
    EXPECT_EQ(TDialogService::Instance().Calls().size(), 1u);
    TDialogService::Instance().Reset();
}
