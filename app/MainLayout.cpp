// SPDX-License-Identifier: MIT
#include "app/MainLayout.h"

#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/ExtDlgs.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

#include <vector>

namespace {

template <class Control> Control* Make(TForm* form, TWinControl* parent, const char* name, int left, int top, int width, int height)
{
    auto* control = new Control(form);
    control->IncludeState(csLoading | csReading);
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

TButton* MakeButton(TForm* form, const char* name, int left, int top, int width, int height, const char* caption,
    int tabOrder, const char* handler)
{
    auto* button = Make<TButton>(form, form, name, left, top, width, height);
    button->SetCaption(caption);
    button->SetTabOrder(tabOrder);
    button->OnClick = form->FindMethod(handler);
    return button;
}

TLabel* MakeLabel(TForm* form, TWinControl* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* label = Make<TLabel>(form, parent, name, left, top, width, height);
    label->SetCaption(caption);
    return label;
}

TEdit* MakeEdit(TForm* form, TWinControl* parent, const char* name, int left, int top, const char* text, int tabOrder)
{
    auto* edit = Make<TEdit>(form, parent, name, left, top, 121, 21);
    edit->SetText(text);
    edit->SetTabOrder(tabOrder);
    return edit;
}

} // namespace

void LoadMainFormLayout(TForm* form)
{
    form->IncludeState(csLoading | csReading);
    form->SetName("MainForm");
    form->SetBounds(309, 211, 384, 153);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetBorderStyle(bsSingle);
    form->SetCaption("Kalvora ");
    form->SetClientSize(384, 153);
    form->SetColor(clBtnFace);
    form->Font()->SetCharset(DEFAULT_CHARSET);
    form->Font()->SetColor(clWindowText);
    form->Font()->SetHeight(-11);
    form->Font()->SetName("MS Sans Serif");
    form->Font()->SetStyle(0);
    form->OnCreate = form->FindMethod("FormCreate");
    form->SetPixelsPerInch(96);
    form->SetTextHeight(13);

    Make<TImage>(form, form, "IsoImg", 136, 80, 209, 73);
    Make<TImage>(form, form, "MaskImg", 0, 80, 128, 63)->SetStretch(true);
    Make<TImage>(form, form, "BMPImg", 0, 7, 128, 63)->SetStretch(true);
    MakeButton(form, "OpenBtn", 136, 0, 73, 25, "Open...", 0, "OpenBtnClick");
    MakeButton(form, "SaveBtn", 208, 0, 73, 25, "Save", 2, "SaveBtnClick");
    MakeButton(form, "MaskBtn", 136, 24, 73, 25, "Mask", 3, "MaskBtnClick");
    MakeButton(form, "GenBtn", 136, 48, 73, 25, "Generate", 1, "GenBtnClick");
    MakeButton(form, "BatchBtn", 208, 24, 73, 25, "Batch", 4, "BatchBtnClick");
    MakeButton(form, "SettBtn", 208, 48, 73, 25, "Settings...", 5, "SettBtnClick");
    auto* group = Make<TGroupBox>(form, form, "SettGroup", 0, 160, 385, 97);
    group->SetCaption("Settings:");
    group->SetTabOrder(6);
    group->SetVisible(false);
    MakeLabel(form, group, "InLbl", 200, 36, 27, 13, "Input:");
    MakeLabel(form, group, "OutLbl", 200, 68, 35, 13, "Output:");
    MakeLabel(form, group, "BatchLbl", 200, 16, 31, 13, "Batch:");
    MakeLabel(form, group, "Label1", 8, 16, 20, 13, "Tile:");
    MakeLabel(form, group, "Label2", 16, 32, 31, 13, "Width:");
    MakeLabel(form, group, "Label3", 16, 56, 34, 13, "Height:");
    MakeEdit(form, group, "OutDir", 256, 64, "", 0);
    MakeEdit(form, group, "InDir", 256, 32, "", 1);
    MakeEdit(form, group, "wEdt", 72, 32, "128", 2);
    MakeEdit(form, group, "hEdt", 72, 56, "63", 3);
    MakeButton(form, "ABtn", 280, 0, 65, 73, "About", 7, "ABtnClick");

    auto* openDialog = new TOpenPictureDialog(form);
    openDialog->SetName("OpenDlg");
    openDialog->SetDefaultExt("*.bmp");
    openDialog->SetFilter("Bitmaps (*.bmp)|*.bmp");
    openDialog->SetTitle("Open image");
    auto* saveDialog = new TSavePictureDialog(form);
    saveDialog->SetName("SaveDlg");
    saveDialog->SetDefaultExt("*.bmp");
    saveDialog->SetFilter("Bitmaps (*.bmp)|*.bmp");
    saveDialog->SetOptions(ofOverwritePrompt | ofHideReadOnly | ofEnableSizing);
    saveDialog->SetTitle("Save image");

    std::vector<TComponent*> loaded { form };
    for (int index = 0; index < form->ComponentCount(); ++index)
        loaded.push_back(form->Components(index));
    for (TComponent* component : loaded)
        component->ExcludeState(csReading);
    for (TComponent* component : loaded)
        component->Loaded();
}
