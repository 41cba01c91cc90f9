// SPDX-License-Identifier: MIT
// The main window's keyboard shortcuts: a key for each command the user comes back to, and
// Ctrl+1 to Ctrl+7 for the settings panel's choices, numbered in reading order.
#include "app/Main.h"

namespace {

struct ShortCutCommand {
    TShortCut shortCut;
    TButton* TMainForm::*button;
};

struct ShortCutChoice {
    TShortCut shortCut;
    TSpeedButton* TMainForm::*button;
};

constexpr ShortCutCommand kCommands[] = {
    { scCtrl | 'O', &TMainForm::OpenBtn },
    { scCtrl | 'S', &TMainForm::SaveBtn },
    { scCtrl | 'G', &TMainForm::GenBtn },
    { scCtrl | 'M', &TMainForm::MaskBtn },
    { scCtrl | 'B', &TMainForm::BatchBtn },
    { scCtrl | 'P', &TMainForm::PreviewBtn },
};

// Projection: Stretch, Iso, Block; Sources: BMP, BMP and PNG; Tiles: BMP, PNG.
constexpr ShortCutChoice kChoices[] = {
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
    for (const ShortCutCommand& command : kCommands) {
        TButton* button = this->*command.button;
        if (command.shortCut != shortCut || !button->Enabled())
            continue;
        button->Click();
        return true;
    }
    for (const ShortCutChoice& choice : kChoices) {
        TSpeedButton* button = this->*choice.button;
        if (choice.shortCut != shortCut || !button->Enabled())
            continue;
        // As a click on it: the choice is made, then its handler hears of it.
        button->SetDown(true);
        button->Click();
        return true;
    }
    return TForm::IsShortCut(shortCut);
}
