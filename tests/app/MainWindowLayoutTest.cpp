// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

namespace {

struct ControlPlace {
    const char* name;
    int left, top, width, height;
    const char* caption;
    int tabOrder; // -1: windowless
};

// The stored layout, control by control.
constexpr ControlPlace kPlaces[] = {
    { "IsoImg", 136, 80, 209, 73, "", -1 },
    { "MaskImg", 0, 80, 128, 63, "", -1 },
    { "BMPImg", 0, 7, 128, 63, "", -1 },
    { "OpenBtn", 136, 0, 73, 25, "Open...", 0 },
    { "SaveBtn", 208, 0, 73, 25, "Save", 2 },
    { "MaskBtn", 136, 24, 73, 25, "Mask", 3 },
    { "GenBtn", 136, 48, 73, 25, "Generate", 1 },
    { "BatchBtn", 208, 24, 73, 25, "Batch", 4 },
    { "SettBtn", 208, 48, 73, 25, "Settings...", 5 },
    { "SettGroup", 0, 160, 385, 161, "Settings:", 6 },
    { "InLbl", 200, 36, 27, 13, "Input:", -1 },
    { "OutLbl", 200, 68, 35, 13, "Output:", -1 },
    { "BatchLbl", 200, 16, 31, 13, "Batch:", -1 },
    { "Label1", 8, 16, 20, 13, "Tile:", -1 },
    { "Label2", 16, 32, 31, 13, "Width:", -1 },
    { "Label3", 16, 56, 34, 13, "Height:", -1 },
    { "OutDir", 256, 64, 121, 21, "", 0 },
    { "InDir", 256, 32, 121, 21, "", 1 },
    { "wEdt", 72, 32, 121, 21, "128", 2 },
    { "hEdt", 72, 56, 121, 21, "63", 3 },
    { "ABtn", 280, 0, 61, 73, "About", 7 },
    { "PreviewBtn", 340, 0, 44, 73, "Preview", 8 },
    { "ProjLbl", 16, 100, 50, 13, "Projection:", -1 },
    { "StretchBtn", 72, 96, 41, 21, "Stretch", -1 },
    { "IsoBtn", 112, 96, 41, 21, "Iso", -1 },
    { "BlockBtn", 152, 96, 41, 21, "Block", -1 },
    { "DepthLbl", 16, 124, 32, 13, "Depth:", -1 },
    { "dEdt", 72, 120, 121, 21, "", 4 },
    { "SourcesLbl", 200, 100, 42, 13, "Sources:", -1 },
    { "BmpSourcesBtn", 256, 96, 61, 21, "BMP", -1 },
    { "PngSourcesBtn", 316, 96, 61, 21, "BMP, PNG", -1 },
    { "TilesLbl", 200, 124, 26, 13, "Tiles:", -1 },
    { "BmpTilesBtn", 256, 120, 61, 21, "BMP", -1 },
    { "PngTilesBtn", 316, 120, 61, 21, "PNG", -1 },
};

TEST_F(MainWindowTest, WindowOpensAsStored)
{
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->Name(), "MainForm");
    EXPECT_EQ(window->Caption(), "Kalvora ");
    EXPECT_EQ(window->ClientWidth(), 384);
    EXPECT_EQ(window->ClientHeight(), 153);
    EXPECT_EQ(window->Left(), 309);
    EXPECT_EQ(window->Top(), 211);
    EXPECT_EQ(window->BorderStyle(), bsSingle);
    EXPECT_EQ(window->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(window->Position(), poDesigned);
    EXPECT_EQ(window->Color(), clBtnFace);
    EXPECT_FALSE(window->AutoSize());
    EXPECT_EQ(window->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(window->Font()->Height(), -11);
    EXPECT_EQ(Application->MainForm(), window);

    // A single border without a maximize box, as the host is told.
    const auto style = DWORD(GetWindowLongPtrA(window->Handle(), GWL_STYLE));
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
}

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    TMainForm* window = CreateWindow();
    for (const ControlPlace& place : kPlaces) {
        SCOPED_TRACE(place.name);
        auto* control = dynamic_cast<TControl*>(window->FindComponent(place.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Left(), place.left);
        EXPECT_EQ(control->Top(), place.top);
        // Labels fit themselves to their caption in the host's font, a pixel or two off
        // the stored size; everything else keeps it.
        if (dynamic_cast<TLabel*>(control)) {
            EXPECT_NEAR(control->Width(), place.width, 3);
            EXPECT_EQ(control->Height(), place.height);
        } else {
            EXPECT_EQ(control->Width(), place.width);
            EXPECT_EQ(control->Height(), place.height);
        }
        EXPECT_EQ(control->Caption(), place.caption);
        if (place.tabOrder >= 0) {
            EXPECT_EQ(dynamic_cast<TWinControl*>(control)->TabOrder(), place.tabOrder);
        }
    }
    EXPECT_EQ(window->InDir->Parent(), window->SettGroup);
    EXPECT_EQ(window->Label3->Parent(), window->SettGroup);
    EXPECT_EQ(window->ABtn->Parent(), window);
}

// The caption's width in the control's font, as the host lays text out.
int CaptionWidth(const TControl& control)
{
    TBitmap scratch;
    scratch.Canvas()->Font()->Assign(control.Font());
    return scratch.Canvas()->TextWidth(control.Caption());
}

TEST_F(MainWindowTest, EveryCaptionFitsItsControlAndEveryControlTheWindow)
{
    TMainForm* window = CreateWindow();
    Click(window->SettBtn);
    for (const ControlPlace& place : kPlaces) {
        SCOPED_TRACE(place.name);
        auto* control = dynamic_cast<TControl*>(window->FindComponent(place.name));
        ASSERT_NE(control, nullptr);
        // The room a caption has: inside a button's two-pixel bevel, after a group box's
        // caption indent of 8, the whole of a label.
        int room = control->Width();
        if (dynamic_cast<TButton*>(control) || dynamic_cast<TSpeedButton*>(control))
            room -= 2 * 2;
        else if (dynamic_cast<TGroupBox*>(control))
            room -= 2 * 8;
        EXPECT_LE(CaptionWidth(*control), room) << '"' << control->Caption() << '"';
        const TRect parentArea = control->Parent()->ClientRect();
        EXPECT_LE(control->Left() + control->Width(), parentArea.Right);
        EXPECT_LE(control->Top() + control->Height(), parentArea.Bottom);
    }
    Click(window->SettBtn);
    EXPECT_LE(window->PreviewBtn->Left() + window->PreviewBtn->Width(), window->ClientWidth())
        << "the Preview button lies inside the window with the panel closed too";
}

TEST_F(MainWindowTest, PicturesStartEmptyAndThePanelHidden)
{
    TMainForm* window = CreateWindow();
    EXPECT_FALSE(window->SettGroup->Visible());
    EXPECT_TRUE(window->MaskImg->Stretch());
    EXPECT_TRUE(window->BMPImg->Stretch());
    EXPECT_FALSE(window->IsoImg->Stretch());
    EXPECT_EQ(window->BMPImg->Picture()->Graphic(), nullptr);
    EXPECT_EQ(window->IsoImg->Picture()->Graphic(), nullptr);
    // No mask file beside the program: silently empty.
    EXPECT_EQ(window->MaskImg->Picture()->Graphic(), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowTest, DialogsCarryTheirStoredProperties)
{
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->OpenDlg->Title(), "Open image");
    EXPECT_EQ(window->OpenDlg->DefaultExt(), "*.bmp");
    EXPECT_EQ(window->OpenDlg->Filter(),
        "Pictures (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png|All files "
        "(*)|*");
    EXPECT_EQ(window->OpenDlg->Options(), TOpenOptions(ofHideReadOnly | ofEnableSizing));
    EXPECT_EQ(window->OpenDlg->InitialDir(), "");
    EXPECT_EQ(window->SaveDlg->Title(), "Save image");
    EXPECT_EQ(window->SaveDlg->DefaultExt(), "*.bmp");
    EXPECT_EQ(window->SaveDlg->Filter(), "Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png");
    EXPECT_EQ(window->SaveDlg->Options(), TOpenOptions(ofOverwritePrompt | ofHideReadOnly | ofEnableSizing));
}

TEST_F(MainWindowTest, SettingsShowsThePanelAndGrowsTheWindowThenShrinksBack)
{
    TMainForm* window = CreateWindow();
    Click(window->SettBtn);
    EXPECT_TRUE(window->SettGroup->Visible());
    EXPECT_TRUE(window->AutoSize());
    EXPECT_EQ(window->ClientWidth(), 385);
    EXPECT_EQ(window->ClientHeight(), 321);
    TRect client;
    GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client, Rect(0, 0, 385, 321));

    Click(window->SettBtn);
    EXPECT_FALSE(window->SettGroup->Visible());
    EXPECT_FALSE(window->AutoSize());
    EXPECT_EQ(window->ClientWidth(), 384);
    EXPECT_EQ(window->ClientHeight(), 153);
}

TEST_F(MainWindowTest, AboutShowsItsTextInAMessageBox)
{
    TMainForm* window = CreateWindow();
    Click(window->ABtn);
    ASSERT_EQ(Dialogs().Calls().size(), 1u);
    const TDialogCall& call = Dialogs().Calls().front();
    EXPECT_EQ(call.Kind, TDialogKind::Message);
    EXPECT_EQ(call.Text.rfind("Durnik 0.9, ", 0), 0u) << call.Text;
    EXPECT_GT(call.Text.size(), std::string("Durnik 0.9, ").size());
    EXPECT_EQ(call.Text.find('\n'), AnsiString::npos);
    EXPECT_EQ(call.Type & 0xF, MB_OK);
}

TEST_F(MainWindowTest, TabWalksTheStoredTabOrder)
{
    TMainForm* window = CreateWindow();
    window->Show();
    EXPECT_EQ(GetFocus(), window->OpenBtn->Handle()) << "the first in the tab order has the focus";
    const auto tab = [&] {
        PostMessageA(window->Handle(), WM_KEYDOWN, VK_TAB, 0);
        Application->ProcessMessages();
        return TWinControl::FindControl(GetFocus());
    };
    EXPECT_EQ(tab(), window->GenBtn);
    EXPECT_EQ(tab(), window->SaveBtn);
    EXPECT_EQ(tab(), window->MaskBtn);
    EXPECT_EQ(tab(), window->BatchBtn);
    EXPECT_EQ(tab(), window->SettBtn);
    // The hidden panel is passed over.
    EXPECT_EQ(tab(), window->ABtn);
    EXPECT_EQ(tab(), window->PreviewBtn);
    EXPECT_EQ(tab(), window->OpenBtn);

    Click(window->SettBtn);
    window->SettBtn->SetFocus();
    EXPECT_EQ(tab(), window->OutDir) << "the panel's edits come in their own order";
    EXPECT_EQ(tab(), window->InDir);
    EXPECT_EQ(tab(), window->wEdt);
    EXPECT_EQ(tab(), window->hEdt);
    EXPECT_EQ(tab(), window->ABtn) << "the depth is passed over but for blocks";

    window->BlockBtn->SetDown(true);
    window->BlockBtn->Click();
    window->hEdt->SetFocus();
    EXPECT_EQ(tab(), window->dEdt);
    EXPECT_EQ(tab(), window->ABtn);
}

} // namespace
