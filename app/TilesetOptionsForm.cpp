// SPDX-License-Identifier: MIT
#include "app/TilesetOptionsForm.h"

#include "platform/vcl/dialogs/Dialogs.h"
#include "platform/vcl/menus/Menus.h"
#include "tileset/SheetOptionText.h"

namespace {

constexpr int kGap = 8;
constexpr int kLabelWidth = 64;
constexpr int kEditWidth = 64;
constexpr int kRowHeight = 21;
constexpr int kRowStep = kRowHeight + 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kRows = 4;

} // namespace

TTilesetOptionsForm::TTilesetOptionsForm(TComponent* owner)
    : TForm(owner)
{
    SetCaption("Tileset options");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    ColumnsEdt = AddEdit("Columns:", 0);
    SpacingEdt = AddEdit("Spacing:", 1);
    MarginEdt = AddEdit("Margin:", 2);
    ExtrudeEdt = AddEdit("Extrude:", 3);
    const int width = 4 * kGap + kLabelWidth + kEditWidth + kButtonWidth;
    OkBtn = AddButton("OK", width - kGap - kButtonWidth, mrOk);
    OkBtn->SetDefault(true);
    CancelBtn = AddButton("Cancel", width - kGap - kButtonWidth, mrCancel);
    CancelBtn->SetTop(kGap + kButtonHeight + 6);
    CancelBtn->SetCancel(true);
    SetClientSize(width, 2 * kGap + kRows * kRowStep - (kRowStep - kRowHeight));
    ShowAccepted();
    // Enter and Escape go to OK and Cancel from whichever edit has the focus.
    OnShortCut = [this](TShortCut shortCut, bool& handled) {
        for (const WORD key : { WORD(VK_RETURN), WORD(VK_ESCAPE) })
            if (shortCut == ShortCut(key, 0))
                handled = Perform(CM_DIALOGKEY, key, 0) != 0;
    };
    // A value the sheet cannot take keeps the form open with the user's typing in it.
    OnCloseQuery = [this](TObject*, bool& canClose) {
        if (ModalResult() != mrOk)
            return;
        try {
            FAccepted = Typed();
        } catch (const EConvertError& error) {
            ShowMessage(error.Message());
            canClose = false;
        }
    };
}

TEdit* TTilesetOptionsForm::AddEdit(const AnsiString& caption, int row)
{
    const int top = kGap + row * kRowStep;
    auto* edit = new TEdit(this);
    edit->SetParent(this);
    edit->SetBounds(2 * kGap + kLabelWidth, top, kEditWidth, kRowHeight);
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetCaption(caption);
    label->SetBounds(kGap, top + 3, kLabelWidth, kRowHeight);
    return edit;
}

TButton* TTilesetOptionsForm::AddButton(const AnsiString& caption, int left, TModalResult result)
{
    auto* button = new TButton(this);
    button->SetParent(this);
    button->SetCaption(caption);
    button->SetBounds(left, kGap, kButtonWidth, kButtonHeight);
    button->SetModalResult(result);
    return button;
}

TSheetOptions TTilesetOptionsForm::Typed() const
{
    TSheetOptions options;
    const AnsiString columns = ColumnsEdt->Text();
    if (columns.find_first_not_of(" \t") != AnsiString::npos)
        options.columns = SheetColumns(columns);
    options.spacing = SheetSpacing(SpacingEdt->Text());
    options.margin = SheetMargin(MarginEdt->Text());
    options.extrude = SheetExtrusion(ExtrudeEdt->Text());
    return options;
}

void TTilesetOptionsForm::ShowAccepted()
{
    ColumnsEdt->SetText(FAccepted.columns ? IntToStr(*FAccepted.columns) : AnsiString());
    SpacingEdt->SetText(IntToStr(FAccepted.spacing));
    MarginEdt->SetText(IntToStr(FAccepted.margin));
    ExtrudeEdt->SetText(IntToStr(FAccepted.extrude));
}

bool TTilesetOptionsForm::Execute(TSheetOptions& options)
{
    if (ShowModal() != mrOk) {
        ShowAccepted();
        return false;
    }
    options.columns = FAccepted.columns;
    options.spacing = FAccepted.spacing;
    options.margin = FAccepted.margin;
    options.extrude = FAccepted.extrude;
    return true;
}
