// SPDX-License-Identifier: MIT
// The main window's keyboard shortcuts: a key for each command the user comes back to, and
// Ctrl+1 to Ctrl+7 for the settings panel's choices, numbered in reading order.
#include "app/Main.h"

namespace {

template <class Button> struct ShortCutOf {
    TShortCut shortCut;
    Button* TMainForm::*button;
};

// The enabled button of the window that the shortcut presses, or nullptr.
template <class Button, std::size_t Count>
Button* ButtonFor(const TMainForm& window, const ShortCutOf<Button> (&table)[Count], TShortCut shortCut)
{
    for (const ShortCutOf<Button>& entry : table)
        if (entry.shortCut == shortCut && (window.*entry.button)->Enabled())
            return window.*entry.button;
    return nullptr;
}

constexpr ShortCutOf<TButton> kCommands[] = {
    { scCtrl | 'O', &TMainForm::OpenBtn },
    { scCtrl | 'S', &TMainForm::SaveBtn },
    { scCtrl | 'G', &TMainForm::GenBtn },
    { scCtrl | 'M', &TMainForm::MaskBtn },
    { scCtrl | 'B', &TMainForm::BatchBtn },
    { scCtrl | 'P', &TMainForm::PreviewBtn },
};

// Projection: Stretch, Iso, Block; Sources: BMP, BMP and PNG; Tiles: BMP, PNG.
constexpr ShortCutOf<TSpeedButton> kChoices[] = {
    { scCtrl | '1', &TMainForm::StretchBtn },
    { scCtrl | '2', &TMainForm::IsoBtn },
    { scCtrl | '3', &TMainForm::BlockBtn },
    { scCtrl | '4', &TMainForm::BmpSourcesBtn },
    { scCtrl | '5', &TMainForm::PngSourcesBtn },
    { scCtrl | '6', &TMainForm::BmpTilesBtn },
    { scCtrl | '7', &TMainForm::PngTilesBtn },
};

} // namespace

bool TMainForm::IsShortCut(TShortCut shortCut)
{
    if (TButton* command = ButtonFor(*this, kCommands, shortCut)) {
        command->Click();
        return true;
    }
    if (TSpeedButton* choice = ButtonFor(*this, kChoices, shortCut)) {
        // As a click on it: the choice is made, then its handler hears of it.
        choice->SetDown(true);
        choice->Click();
        return true;
    }
    return TForm::IsShortCut(shortCut);
}
