// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/win32/windows/Host.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

TEST(Edit, TextSetBeforeTheWindowExistsGoesIntoIt)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetText("128");
    edit->SetParent(&window);
    ASSERT_EQ(edit->Handle()->kind, WindowKind::NativeEdit);
    EXPECT_EQ(GetWindowTextString(edit->Handle()), "128");
}

TEST(Edit, TextRoundTripsThroughTheWindowText)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetText("abc");
    EXPECT_EQ(GetWindowTextString(edit->Handle()), "abc");
    SetWindowTextA(edit->Handle(), "xyz");
    EXPECT_EQ(edit->Text(), "xyz");
}

TEST(Edit, OnChangeFiresForProgramAndUserChangesButOnlyTheUserModifies)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetText("63");
    edit->SetParent(&window);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->HandleNeeded();
    EXPECT_EQ(changes, 0) << "creating the window is no change";

    edit->SetText("64");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(edit->Modified());

    HostEditChanged(edit->Handle(), "640", 3, 0);
    TTestWindow::PumpMessages();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(edit->Text(), "640");
    EXPECT_TRUE(edit->Modified());

    edit->SetText("1");
    EXPECT_FALSE(edit->Modified()) << "setting the text starts afresh";
}

TEST(Edit, SelectionIsReadAndReplacedInBytes)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetText("hello");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 3);
    EXPECT_EQ(edit->SelText(), "ell");

    edit->SetSelText("ipp");
    EXPECT_EQ(edit->Text(), "hippo");
    EXPECT_EQ(edit->SelStart(), 4);
    EXPECT_EQ(edit->SelLength(), 0);

    edit->SelectAll();
    EXPECT_EQ(edit->SelText(), "hippo");
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), "");
}

TEST(Edit, ReplacingTheSelectionKeepsWithinMaxLengthBetweenCharacters)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetText("ab");
    edit->SetMaxLength(5);
    edit->SetSelStart(1);
    edit->SetSelText("\xC3\xA9\xC3\xA9"); // two characters of two bytes; one fits
    EXPECT_EQ(edit->Text(),
        "a\xC3\xA9"
        "b");
    EXPECT_EQ(edit->SelStart(), 3);
    edit->SelectAll();
    edit->SetSelText("12345678");
    EXPECT_EQ(edit->Text(), "12345") << "the selection's room counts";
}

TEST(Edit, ReadOnlyAndMaxLengthReachTheWindowWhenCreatedAndLater)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetReadOnly(true);
    edit->SetMaxLength(4);
    edit->SetParent(&window);
    EXPECT_TRUE(edit->Handle()->readOnly);
    EXPECT_EQ(edit->Handle()->maxLength, 4);
    edit->SetReadOnly(false);
    edit->SetMaxLength(0);
    EXPECT_FALSE(edit->Handle()->readOnly);
    EXPECT_EQ(edit->Handle()->maxLength, 0);
    EXPECT_THROW(edit->SetMaxLength(-1), EInvalidOperation);
}

TEST(Edit, WindowStyleFollowsBorderStyleCtl3DAndOEMConvert)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    int ctl3DChanges = 0;
    auto inherited = edit->WindowProc;
    edit->WindowProc = [&](TMessage& message) {
        ctl3DChanges += message.Msg == CM_CTL3DCHANGED ? 1 : 0;
        inherited(message);
    };
    auto styles = [&] {
        return std::pair { GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & LONG_PTR(WS_BORDER),
            GetWindowLongPtrA(edit->Handle(), GWL_EXSTYLE) & LONG_PTR(WS_EX_CLIENTEDGE) };
    };
    EXPECT_EQ(styles(), std::pair(LONG_PTR(0), LONG_PTR(WS_EX_CLIENTEDGE))) << "sunken by default";
    edit->SetCtl3D(false);
    EXPECT_EQ(styles(), std::pair(LONG_PTR(WS_BORDER), LONG_PTR(0)));
    EXPECT_EQ(ctl3DChanges, 1);
    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(styles(), std::pair(LONG_PTR(0), LONG_PTR(0)));
    edit->SetCtl3D(false);
    EXPECT_EQ(ctl3DChanges, 1) << "no change, no message";
    edit->SetOEMConvert(true);
    EXPECT_TRUE(GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & LONG_PTR(ES_OEMCONVERT));
    EXPECT_EQ(styles(), std::pair(LONG_PTR(0), LONG_PTR(0))) << "the frame stays as it was";
}

TEST(Edit, ClientAreaLiesInsideTheFrame)
{
    TEdit edit(nullptr);
    edit.SetBounds(256, 32, 121, 21);
    EXPECT_EQ(edit.ClientRect(), Rect(0, 0, 117, 17));
    edit.SetCtl3D(false);
    EXPECT_EQ(edit.ClientRect(), Rect(0, 0, 119, 19));
    edit.SetBorderStyle(bsNone);
    EXPECT_EQ(edit.ClientRect(), Rect(0, 0, 121, 21));
    edit.SetBorderStyle(bsSingle);
    edit.SetCtl3D(true);
    edit.SetClientHeight(20);
    EXPECT_EQ(edit.Height(), 24);
}

TEST(Edit, FocusEntrySelectsAllUnlessAutoSelectIsOff)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetText("128");
    edit->SetFocus();
    EXPECT_EQ(edit->SelLength(), 3);

    auto* other = new TEdit(&window);
    other->SetParent(&window);
    other->SetText("63");
    other->SetAutoSelect(false);
    other->SetFocus();
    EXPECT_EQ(other->SelLength(), 0);
}

TEST(Edit, KeysPostedToTheWindowReachTheFocusedEditWithTheirShiftState)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetFocus();
    std::vector<std::pair<WORD, TShiftState>> downs;
    std::vector<WORD> ups;
    std::vector<char> presses;
    edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState shift) { downs.emplace_back(key, shift); };
    edit->OnKeyUp = [&](TObject*, WORD& key, TShiftState) { ups.push_back(key); };
    edit->OnKeyPress = [&](TObject*, char& key) { presses.push_back(key); };

    PostHostKeyInput(window.Handle(), WM_KEYDOWN, VK_MENU, 0);
    PostHostKeyInput(window.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    // The key state is taken when a key is posted, so Alt is let go only after this.
    TTestWindow::PumpMessages();
    PostHostKeyInput(window.Handle(), WM_KEYUP, VK_DOWN, 0);
    PostHostKeyInput(window.Handle(), WM_KEYUP, VK_MENU, 0);
    PostHostKeyInput(window.Handle(), WM_CHAR, 'x', 0);
    TTestWindow::PumpMessages();
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[1], (std::pair<WORD, TShiftState>(VK_DOWN, ssAlt))) << "Alt+Down";
    EXPECT_EQ(ups, (std::vector<WORD> { VK_DOWN, VK_MENU }));
    EXPECT_EQ(presses, (std::vector<char> { 'x' }));
}

namespace {
class TKeyCountingEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::vector<UINT> passedOn;

protected:
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_CHAR)
            passedOn.push_back(UINT(message.WParam));
        TEdit::DefaultHandler(message);
    }
};
} // namespace

TEST(Edit, AKeySetToZeroGoesNoFurtherAndAChangedOneGoesOnChanged)
{
    TTestWindow window(200, 100);
    auto* edit = new TKeyCountingEdit(&window);
    edit->SetParent(&window);
    edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = key == VK_DOWN ? 0 : VK_END; };
    edit->OnKeyPress = [](TObject*, char& key) { key = key == 'a' ? '\0' : 'B'; };
    SendMessageA(edit->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(edit->Handle(), WM_KEYDOWN, VK_HOME, 0);
    SendMessageA(edit->Handle(), WM_CHAR, 'a', 0);
    SendMessageA(edit->Handle(), WM_CHAR, 'b', 0);
    EXPECT_EQ(edit->passedOn, (std::vector<UINT> { UINT(VK_END), UINT('B') }));
}

namespace {
class TLockedMaskEdit : public TMaskEdit {
public:
    using TMaskEdit::TMaskEdit;
    bool allowEdits = false;

protected:
    bool EditCanModify() override { return allowEdits; }
};
} // namespace

TEST(MaskEdit, EditingCommandsAskWhetherTheTextMayChange)
{
    TTestWindow window(200, 100);
    auto* edit = new TLockedMaskEdit(&window);
    edit->SetParent(&window);
    edit->SetText("keep");
    edit->SelectAll();
    SendMessageA(edit->Handle(), WM_CLEAR, 0, 0);
    EXPECT_EQ(edit->Text(), "keep");
    edit->allowEdits = true;
    SendMessageA(edit->Handle(), WM_CLEAR, 0, 0);
    EXPECT_EQ(edit->Text(), "");
}

TEST(MaskEdit, OnlyTheEmptyMaskIsAccepted)
{
    TMaskEdit edit(nullptr);
    edit.SetEditMask("");
    EXPECT_FALSE(edit.IsMasked());
    EXPECT_THROW(edit.SetEditMask("999"), EInvalidOperation);
    EXPECT_EQ(edit.EditMask(), "");
}
