// SPDX-License-Identifier: MIT
#include "widgets/ToolEdit.h"

#include "platform/rtl/FileNames.h"
#include "platform/vcl/controls/NewStyleControls.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Forms.h"
#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/resources/ResourceTable.h"
#include "platform/win32/shell/ShellApi.h"
#include "resources/FolderGlyph.h"
#include "support/FileUtil.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/support/BrowseDialogDriver.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A directory edit that notes which messages reach the native edit's own handling.
class TSpiedDirectoryEdit : public TDirectoryEdit {
public:
    using TDirectoryEdit::TDirectoryEdit;
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_CHAR || message.Msg == WM_CUT || message.Msg == WM_PASTE)
            PassedOn.emplace_back(message.Msg, message.WParam);
        TDirectoryEdit::DefaultHandler(message);
    }
    std::vector<std::pair<UINT, WPARAM>> PassedOn;
};

class ToolEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TDialogService::Instance().SetScripted(true);
        FForm->SetBounds(0, 0, 300, 120);
        FEdit->SetBounds(8, 8, 121, 21);
        FEdit->SetParent(FForm);
        FEdit->HandleNeeded();
        const auto old = FForm->WindowProc;
        FForm->WindowProc = [this, old](TMessage& message) {
            if (message.Msg == CM_DIALOGKEY)
                FDialogKeys.push_back(int(message.WParam));
            old(message);
        };
        FEdit->OnButtonClick = [this](TObject*) { ++FButtonClicks; };
    }
    void TearDown() override
    {
        delete FForm;
        TDialogService::Instance().Reset();
        NewStyleControls = true;
    }
    TRect EditRect()
    {
        TRect area;
        SendMessageA(FEdit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        return area;
    }
    // A key as the host queues it: Alt travels in the message, Shift in the key table.
    void Key(UINT message, WORD key, bool alt = false, bool shift = false)
    {
        SetKeyDown(VK_MENU, alt);
        SetKeyDown(VK_SHIFT, shift);
        FEdit->Perform(message, key, alt ? LPARAM(KF_ALTDOWN) << 16 : 0);
        SetKeyDown(VK_MENU, false);
        SetKeyDown(VK_SHIFT, false);
    }
    // Clicks the button as the user does: a press and release on it inside its holder.
    void ClickButton()
    {
        FEdit->ButtonHolder()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        FEdit->ButtonHolder()->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    const TDialogCall& LastDialog() { return TDialogService::Instance().Calls().back(); }

    // The program's folder glyph, registered before the first edit asks for it.
    const bool FGlyphRegistered = [] {
        RegisterBitmapResource("FEDITBMP", FolderGlyph());
        return true;
    }();
    TForm* FForm = new TForm(nullptr);
    TSpiedDirectoryEdit* FEdit = new TSpiedDirectoryEdit(FForm);
    std::vector<int> FDialogKeys;
    int FButtonClicks = 0;
    TemporaryDirectory FTemp;
};

TEST_F(ToolEditTest, ButtonSitsAtTheRightEndAndTheTextStopsBeforeIt)
{
    EXPECT_EQ(FEdit->ButtonHolder()->BoundsRect(), Bounds(96, 0, 21, 17));
    EXPECT_EQ(FEdit->Button()->BoundsRect(), Bounds(0, 0, 21, 17));
    EXPECT_EQ(EditRect(), Rect(0, 0, 94, 18));
    EXPECT_TRUE(GetWindowLongPtrA(FEdit->Handle(), GWL_STYLE) & ES_MULTILINE);
    FEdit->SetWidth(200);
    EXPECT_EQ(FEdit->ButtonHolder()->Left(), 200 - 21 - 4);
    EXPECT_EQ(EditRect(), Rect(0, 0, 196 - 23, 18));
    FEdit->SetCtl3D(false);
    EXPECT_EQ(FEdit->ButtonHolder()->BoundsRect(), Bounds(200 - 21 - 2, 2, 21, 17));
}

TEST_F(ToolEditTest, HeightSnapsToTheFontsMinimumExceptWhileLoading)
{
    FEdit->SetHeight(5);
    const int minimum = FEdit->Height();
    EXPECT_GT(minimum, 5);
    EXPECT_LE(minimum, 21);
    FEdit->IncludeState(csLoading);
    FEdit->SetHeight(5);
    EXPECT_EQ(FEdit->Height(), 5);
    FEdit->ExcludeState(csLoading);
}

TEST_F(ToolEditTest, ButtonWidthRules)
{
    FEdit->SetButtonWidth(30);
    EXPECT_EQ(FEdit->ButtonWidth(), 30);
    EXPECT_EQ(FEdit->ButtonHolder()->Width(), 30) << "the holder follows at once";
    EXPECT_EQ(EditRect().Right, 117 - 30 - 2);
    FEdit->SetButtonWidth(500);
    EXPECT_EQ(FEdit->ButtonWidth(), 30) << "not below the client width: unchanged";
    FEdit->SetButtonWidth(1);
    EXPECT_FALSE(FEdit->ButtonHolder()->Visible());
    FEdit->SetButtonWidth(-4);
    EXPECT_EQ(FEdit->ButtonWidth(), 0);
    FEdit->SetButtonWidth(21);
    EXPECT_TRUE(FEdit->ButtonHolder()->Visible());
}

TEST_F(ToolEditTest, GlyphKindsChooseGlyphWidthAndNumGlyphs)
{
    EXPECT_EQ(FEdit->GlyphKind(), gkDefault);
    EXPECT_EQ(FEdit->Glyph()->Width(), 14);
    EXPECT_EQ(FEdit->ButtonWidth(), 21);
    FEdit->SetNumGlyphs(3);
    EXPECT_EQ(FEdit->NumGlyphs(), 1) << "the default kind keeps its own count";

    FEdit->SetGlyphKind(gkDropDown);
    EXPECT_EQ(FEdit->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(FEdit->Button()->ControlStyle() & csFixedWidth);
    EXPECT_EQ(FEdit->Glyph()->Width(), 7);
    FEdit->SetButtonWidth(20);
    EXPECT_FALSE(FEdit->Button()->ControlStyle() & csFixedWidth);

    FEdit->SetGlyphKind(gkEllipsis);
    EXPECT_EQ(FEdit->ButtonWidth(), 20);
    EXPECT_EQ(FEdit->Glyph()->Width(), 14);
    EXPECT_EQ(FEdit->Glyph()->Height(), 4);

    TBitmap custom;
    custom.SetSize(30, 10);
    FEdit->SetGlyph(&custom);
    EXPECT_EQ(FEdit->GlyphKind(), gkCustom);
    FEdit->SetNumGlyphs(3);
    EXPECT_EQ(FEdit->NumGlyphs(), 3);
}

TEST(EllipsisGlyph, DotsSitWhereTheGapRuleSays)
{
    struct Row {
        int buttonWidth;
        std::vector<int> dotColumns; // left columns of the 2-pixel dots
        int bitmapWidth;
    };
    for (const Row& row :
        { Row { 21, { 1, 6, 11 }, 15 }, Row { 7, { 0 }, 1 }, Row { 12, { -1, 2, 5 }, 6 } }) {
        SCOPED_TRACE("button width " + std::to_string(row.buttonWidth));
        const auto glyph = MakeEllipsisGlyph(row.buttonWidth);
        ASSERT_EQ(glyph->Width(), row.bitmapWidth);
        ASSERT_EQ(glyph->Height(), 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < glyph->Width(); ++x) {
                bool inDot = false;
                for (int column : row.dotColumns)
                    inDot |= x >= column && x < column + 2 && (y == 1 || y == 2);
                EXPECT_EQ(glyph->Raster().At(x, y) == 0, inDot) << "x " << x << ", y " << y;
            }
    }
}

TEST_F(ToolEditTest, AltDownClicksTheButtonAndOtherCombinationsPass)
{
    WORD seen = 0;
    FEdit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen = key; };
    Key(WM_SYSKEYDOWN, VK_DOWN, true);
    EXPECT_EQ(FButtonClicks, 1);
    EXPECT_EQ(seen, VK_DOWN) << "OnKeyDown sees the key first";
    Key(WM_SYSKEYDOWN, VK_DOWN, true, true);
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(FButtonClicks, 1);
    FEdit->SetReadOnly(true);
    Key(WM_SYSKEYDOWN, VK_DOWN, true);
    EXPECT_EQ(FButtonClicks, 1) << "read-only: no click";
    FEdit->SetReadOnly(false);
    FEdit->SetButtonWidth(0);
    Key(WM_SYSKEYDOWN, VK_DOWN, true);
    EXPECT_EQ(FButtonClicks, 1) << "no button, no click key";
}

TEST_F(ToolEditTest, AltDownCountsEvenWhenAltIsLetGoBeforeTheKeyIsHandled)
{
    FForm->Show();
    FEdit->SetFocus();
    PostHostKeyInput(FForm->Handle(), WM_SYSKEYDOWN, VK_MENU, 0);
    PostHostKeyInput(FForm->Handle(), WM_SYSKEYDOWN, VK_DOWN, 0);
    PostHostKeyInput(FForm->Handle(), WM_KEYUP, VK_MENU, 0);
    ASSERT_GE(GetKeyState(VK_MENU), 0) << "Alt is up in the key table before anything is dispatched";
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_EQ(FButtonClicks, 1);

    PostHostKeyInput(FForm->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SetKeyDown(VK_MENU, true);
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    SetKeyDown(VK_MENU, false);
    EXPECT_EQ(FButtonClicks, 1) << "Alt pressed only after Down was queued";
}

TEST_F(ToolEditTest, EnterAndEscapeReachTheFormsDialogKey)
{
    std::vector<char> pressed;
    FEdit->OnKeyPress = [&](TObject*, char& key) { pressed.push_back(key); };
    FEdit->SetText("ab");
    FEdit->Perform(WM_CHAR, '\r', 0);
    FEdit->Perform(WM_CHAR, 27, 0);
    FEdit->Perform(WM_CHAR, 'x', 0);
    EXPECT_EQ(FDialogKeys, (std::vector<int> { 13, 27 }));
    EXPECT_EQ(pressed, (std::vector<char> { '\r', '\x1b', 'x' }));
    using Passed = std::vector<std::pair<UINT, WPARAM>>;
    EXPECT_EQ(FEdit->PassedOn, (Passed { { WM_CHAR, 27 }, { WM_CHAR, 'x' } }))
        << "Enter never reaches the native edit, so no line break goes in";
}

TEST_F(ToolEditTest, EnterPressesTheFormsDefaultButtonAndEscapeItsCancelButton)
{
    auto* ok = new TButton(FForm);
    ok->SetParent(FForm);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(FForm);
    cancel->SetParent(FForm);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    std::vector<AnsiString> clicked;
    ok->OnClick = [&](TObject*) { clicked.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { clicked.push_back("cancel"); };
    FEdit->Perform(WM_CHAR, '\r', 0);
    EXPECT_EQ(FForm->ModalResult(), mrOk);
    FEdit->Perform(WM_CHAR, 27, 0);
    EXPECT_EQ(FForm->ModalResult(), mrCancel);
    EXPECT_EQ(clicked, (std::vector<AnsiString> { "ok", "cancel" }));
}

TEST_F(ToolEditTest, ADefaultButtonMayFreeTheFormTheEditIsOn)
{
    auto* ok = new TButton(FForm);
    ok->SetParent(FForm);
    ok->SetDefault(true);
    bool freed = false;
    // The handler goes with the form: nothing of it may be touched after the delete.
    ok->OnClick = [&](TObject*) {
        freed = true;
        delete std::exchange(FForm, nullptr);
    };
    const HWND edit = FEdit->Handle();
    SendMessageA(edit, WM_CHAR, '\r', 0);
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(ToolEditTest, ReadOnlyAndDirectInputRefuseTypingCuttingAndPasting)
{
    // The native edit refuses by itself once read-only; the edit's own refusal shows in what
    // reaches the native edit at all.
    const auto cutAndPasteReachTheNativeEdit = [&] {
        FEdit->PassedOn.clear();
        FEdit->Perform(WM_CUT, 0, 0);
        FEdit->Perform(WM_PASTE, 0, 0);
        return FEdit->PassedOn.size() == 2;
    };
    FEdit->SetDirectInput(false);
    EXPECT_TRUE(FEdit->Handle()->readOnly) << "typing refused";
    EXPECT_FALSE(cutAndPasteReachTheNativeEdit());
    FEdit->SetDirectInput(true);
    EXPECT_FALSE(FEdit->Handle()->readOnly);
    EXPECT_TRUE(cutAndPasteReachTheNativeEdit());
    FEdit->SetText("abc");
    FEdit->SelectAll();
    FEdit->Perform(WM_CUT, 0, 0);
    EXPECT_EQ(FEdit->Text(), "") << "allowed, the cut takes the text";
    FEdit->SetReadOnly(true);
    EXPECT_TRUE(FEdit->Handle()->readOnly);
    EXPECT_FALSE(cutAndPasteReachTheNativeEdit());
    FEdit->SetDirectInput(true);
    EXPECT_TRUE(FEdit->Handle()->readOnly) << "still read-only";
    EXPECT_FALSE(cutAndPasteReachTheNativeEdit());
}

TEST_F(ToolEditTest, DisabledTextIsGreyUnlessTheBackgroundIsGreyToo)
{
    FEdit->SetEnabled(false);
    EXPECT_FALSE(FEdit->Button()->Enabled());
    EXPECT_EQ(*FEdit->Handle()->textColor, ColorToRGB(clGrayText));
    FEdit->SetColor(clGrayText);
    EXPECT_EQ(*FEdit->Handle()->textColor, ColorToRGB(FEdit->Font()->Color()));
    FEdit->SetEnabled(true);
    EXPECT_TRUE(FEdit->Button()->Enabled());
}

TEST_F(ToolEditTest, SeparatorLinesExceptWhilePressed)
{
    NewStyleControls = false;
    FForm->Show();
    const auto pixel = [&](int x, int y) {
        UpdateWindow(FForm->Handle());
        return FForm->Handle()->paintBuffer.raster.At(8 + 2 + 96 + x, 8 + 2 + y);
    };
    // Flat and away from the mouse, the button draws no frame of its own: what is there at its
    // left edge is the separator.
    FEdit->Button()->SetFlat(true);
    FEdit->Button()->Invalidate();
    EXPECT_EQ(pixel(0, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(pixel(1, 5), ColorToRGB(clBtnHighlight));
    EXPECT_NE(pixel(1, 0), ColorToRGB(clBtnHighlight));
    EXPECT_NE(pixel(2, 5), ColorToRGB(clBtnHighlight)) << "one pixel wide";
    FEdit->ButtonHolder()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_NE(pixel(0, 5), ColorToRGB(clBtnShadow));
    EXPECT_NE(pixel(1, 5), ColorToRGB(clBtnHighlight));
    FEdit->ButtonHolder()->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
}

TEST_F(ToolEditTest, DroppedNamesFillTheTextOneOrAll)
{
    const std::string pictures = FTemp.MakeDirectory("Pics");
    const std::string picture = FTemp.Write("Pics/a.bmp");
    const std::string other = FTemp.MakeDirectory("Other");
    const auto drop = [&](std::vector<AnsiString> names) {
        int fired = 0;
        FEdit->OnDropFiles = [&](TObject*) { ++fired; };
        EXPECT_TRUE(PostHostDroppedFiles(FEdit->Handle(), names));
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        EXPECT_EQ(PendingDropCount(), 0);
        return fired;
    };
    EXPECT_FALSE(PostHostDroppedFiles(FEdit->Handle(), { pictures })) << "AcceptFiles is off";
    FEdit->SetAcceptFiles(true);
    EXPECT_EQ(drop({ picture }), 1);
    EXPECT_EQ(FEdit->Text(), pictures + "/");
    EXPECT_EQ(drop({ other, pictures, picture }), 1);
    EXPECT_EQ(FEdit->Text(), other);
    FEdit->SetMultipleDirs(true);
    EXPECT_EQ(drop({ pictures, picture }), 1);
    EXPECT_EQ(FEdit->Text(), other + ";" + pictures + ";" + pictures + "/");
    EXPECT_EQ(drop({}), 0) << "an empty drop fires nothing";
    // The registration follows a new window.
    FEdit->RecreateWnd();
    EXPECT_TRUE(AcceptsDroppedFiles(FEdit->Handle()));
}

TEST_F(ToolEditTest, ButtonClickRunsTheDirectoryDialogAndRemembersTheChoice)
{
    TDialogService& dialogs = TDialogService::Instance();
    const std::string work = FTemp.MakeDirectory("Work");
    const std::string second = FTemp.MakeDirectory("B");
    FForm->Show();
    dialogs.PrepareDirectory(true, work);
    ClickButton();
    EXPECT_EQ(LastDialog().InitialDir, "/") << "empty text, no InitialDir: the root";
    EXPECT_EQ(FEdit->Text(), work);
    EXPECT_EQ(FEdit->InitialDir(), work);
    EXPECT_TRUE(FEdit->Focused());

    FEdit->SetText("");
    dialogs.PrepareDirectory(false);
    ClickButton();
    EXPECT_EQ(LastDialog().InitialDir, work);
    EXPECT_EQ(FEdit->Text(), "") << "cancelled";

    FEdit->SetText(FTemp / "Missing");
    dialogs.PrepareDirectory(false);
    ClickButton();
    EXPECT_EQ(LastDialog().InitialDir, "/");

    FEdit->SetMultipleDirs(true);
    FEdit->SetText(work);
    dialogs.PrepareDirectory(true, second);
    ClickButton();
    EXPECT_EQ(FEdit->Text(), work + ";" + second);
    dialogs.PrepareDirectory(false);
    ClickButton();
    EXPECT_EQ(LastDialog().InitialDir, "/") << "a list is not one directory";

    // The user's own selection goes; entering through the button selected nothing.
    ::SetFocus(nullptr);
    FEdit->SetSelStart(int(work.size()) + 1);
    FEdit->SetSelLength(int(second.size()));
    dialogs.PrepareDirectory(true, work);
    ClickButton();
    EXPECT_EQ(FEdit->Text(), work + ";;" + work);
    EXPECT_EQ(FButtonClicks, 6) << "OnButtonClick once per click";

    FEdit->SetReadOnly(true);
    const std::size_t calls = dialogs.Calls().size();
    ClickButton();
    EXPECT_EQ(dialogs.Calls().size(), calls) << "read-only: no dialog";
}

TEST_F(ToolEditTest, AListTakesTheChosenFolderAtItsEndWhateverTheWayBack)
{
    const std::string first = FTemp.MakeDirectory("First");
    const std::string chosen = FTemp.MakeDirectory("First/Chosen");
    auto* other = new TEdit(FForm);
    other->SetParent(FForm);
    FForm->Show();
    FEdit->SetMultipleDirs(true);
    struct Way {
        const char* name;
        TDirDialogKind kind;
        bool tabStop;
        bool byCode;
    };
    const Way ways[] = {
        { "shell browser, clicked by code", dkWin32, true, true },
        { "shell browser, button pressed", dkWin32, true, false },
        { "toolkit dialog, clicked by code", dkVCL, true, true },
        { "toolkit dialog, edit without tab stop", dkVCL, false, false },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        FEdit->SetDialogKind(way.kind);
        FEdit->SetTabStop(way.tabStop);
        FEdit->SetText(first);
        other->SetFocus();
        if (way.kind == dkWin32)
            browsedialog::Later([&] {
                SendMessageA(browsedialog::RunningDialog(), BFFM_SETSELECTIONA, TRUE,
                    reinterpret_cast<LPARAM>(chosen.c_str()));
                browsedialog::Press(IDOK);
            });
        else
            TDialogService::Instance().PrepareDirectory(true, chosen);
        if (way.byCode)
            FEdit->HandleButtonClick(FEdit);
        else
            ClickButton();
        EXPECT_TRUE(FEdit->Focused());
        EXPECT_EQ(FEdit->Text(), first + ";" + chosen);
    }

    // An empty list takes the folder as its whole text.
    FEdit->SetText("");
    TDialogService::Instance().PrepareDirectory(true, chosen);
    FEdit->HandleButtonClick(FEdit);
    EXPECT_EQ(FEdit->Text(), chosen);
}

TEST_F(ToolEditTest, DialogHandlersMayChangeOrCancel)
{
    TDialogService& dialogs = TDialogService::Instance();
    const std::string start = FTemp.MakeDirectory("Start");
    const std::string chosen = FTemp.MakeDirectory("Chosen");
    FEdit->SetText("keep");
    FEdit->OnBeforeDialog = [](TObject*, AnsiString&, bool& action) { action = false; };
    ClickButton();
    EXPECT_TRUE(dialogs.Calls().empty());
    EXPECT_EQ(FEdit->Text(), "keep");

    FEdit->OnBeforeDialog = [&](TObject*, AnsiString& name, bool&) { name = start; };
    FEdit->OnAfterDialog = [](TObject*, AnsiString&, bool& action) { action = false; };
    dialogs.PrepareDirectory(true, chosen);
    ClickButton();
    EXPECT_EQ(LastDialog().InitialDir, start);
    EXPECT_EQ(FEdit->Text(), "keep") << "rejected afterwards";

    FEdit->OnAfterDialog = [&](TObject*, AnsiString& name, bool&) { name = start; };
    dialogs.PrepareDirectory(true, chosen);
    ClickButton();
    EXPECT_EQ(FEdit->Text(), start);
    EXPECT_EQ(FEdit->InitialDir(), start);
}

TEST_F(ToolEditTest, TheShellFolderBrowserPutsItsChoiceInTheTextAndCancelKeepsIt)
{
    using namespace browsedialog;
    const std::string start = FTemp.MakeDirectory("Start");
    const std::string chosen = FTemp.MakeDirectory("Start/Chosen");
    FEdit->SetDialogKind(dkWin32);
    FEdit->SetHelpContext(31);
    FEdit->SetText(start);
    FForm->Show();
    std::string preselected;
    bool helpButton = false;
    Later([&] {
        preselected = Tree().nodes[std::size_t(Tree().selected)].path;
        helpButton = Child(RunningDialog(), 0xFFFF) != nullptr;
        SendMessageA(RunningDialog(), BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
        Press(IDOK);
    });
    ClickButton();
    EXPECT_EQ(preselected, start);
    EXPECT_TRUE(helpButton) << "the edit's help context reaches the browser";
    EXPECT_EQ(FEdit->Text(), chosen);
    EXPECT_EQ(FEdit->InitialDir(), chosen);
    EXPECT_TRUE(FEdit->Focused());
    EXPECT_TRUE(TDialogService::Instance().Calls().empty()) << "not the toolkit's directory dialog";

    Later([] { Press(IDCANCEL); });
    ClickButton();
    EXPECT_EQ(FEdit->Text(), chosen) << "cancelled";
    EXPECT_EQ(RunningDialog(), nullptr);

    // Where the shell's browser cannot be used, the toolkit's dialog opens with the options.
    NewStyleControls = false;
    FEdit->SetDialogOptions(sdAllowCreate);
    const std::string created = FTemp / "New";
    TDialogService::Instance().PrepareDirectory(true, created);
    ClickButton();
    ASSERT_EQ(TDialogService::Instance().Calls().size(), 1u);
    EXPECT_EQ(LastDialog().HelpContext, 31);
    EXPECT_EQ(FEdit->Text(), created) << "sdAllowCreate takes a directory still to be made";
}

TEST_F(ToolEditTest, LongNameTextSkipsEmptyItems)
{
    const std::string first = FTemp.MakeDirectory("First");
    const std::string second = FTemp.MakeDirectory("Second");
    FEdit->SetText(first + ";;" + second + ";");
    EXPECT_EQ(FEdit->LongNameText(), LongPathOf(first + ";;" + second + ";"));
    FEdit->SetMultipleDirs(true);
    EXPECT_EQ(FEdit->LongNameText(), first + ";" + second);
    EXPECT_EQ(FEdit->ShortNameText(), first + ";" + second);
}

TEST_F(ToolEditTest, EditsShareOneFolderGlyphThatOutlivesThem)
{
    auto* other = new TDirectoryEdit(FForm);
    EXPECT_EQ(other->Glyph()->Raster(), FEdit->Glyph()->Raster());
    TBitmap* shared = FileDirEditGlyph();
    delete other;
    EXPECT_EQ(FileDirEditGlyph(), shared);
    EXPECT_EQ(shared->Width(), 14);
}

} // namespace
