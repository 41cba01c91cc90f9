// SPDX-License-Identifier: MIT
// The sheet's layout asked for before Save tileset... writes it: the options durnik-batch
// takes as --columns, --spacing, --margin and --extrude, refused in its words when they do
// not parse or lie out of range, and kept for the next time within the run.
#pragma once

#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "tileset/SheetLayout.h"

class TTilesetOptionsForm : public TForm {
public:
    explicit TTilesetOptionsForm(TComponent* owner);
    const char* ClassName() const override { return "TTilesetOptionsForm"; }

    // Shows the form until OK with values it can take, or Cancel. On OK the layout options
    // (all but the name) become the edits' values; Cancel changes nothing and puts back what
    // the edits held at the last OK.
    bool Execute(TSheetOptions& options);

    TEdit* ColumnsEdt = nullptr; // empty: a square sheet
    TEdit* SpacingEdt = nullptr;
    TEdit* MarginEdt = nullptr;
    TEdit* ExtrudeEdt = nullptr;
    TButton* OkBtn = nullptr;
    TButton* CancelBtn = nullptr;

private:
    TEdit* AddEdit(const AnsiString& caption, int row);
    TButton* AddButton(const AnsiString& caption, int left, TModalResult result);
    // The edits' values; raises EConvertError worded for the user.
    TSheetOptions Typed() const;
    void ShowAccepted();

    TSheetOptions FAccepted;
};
