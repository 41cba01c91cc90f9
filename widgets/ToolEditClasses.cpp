// SPDX-License-Identifier: MIT
// The edits as the form reader knows them.
#include "widgets/ToolEdit.h"

#include "platform/vcl/components/ClassRegistry.h"
#include "widgets/StoredGlyph.h"

void RegisterToolEditClasses()
{
    TComponentClass& combo = RegisterComponentClass("TCustomComboEdit", "TCustomMaskEdit");
    combo.String<TCustomComboEdit>("ButtonHint", &TCustomComboEdit::SetButtonHint);
    combo.Integer<TCustomComboEdit>("ButtonWidth", &TCustomComboEdit::SetButtonWidth);
    combo.AddProperty("ClickKey", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TCustomComboEdit>(component, "ClickKey")
            .SetClickKey(TShortCut(IntegerValue(value)));
    });
    combo.Boolean<TCustomComboEdit>("DirectInput", &TCustomComboEdit::SetDirectInput);
    combo.Boolean<TCustomComboEdit>("ReadOnly", &TCustomComboEdit::SetReadOnly);
    combo.Integer<TCustomComboEdit>("NumGlyphs", &TCustomComboEdit::SetNumGlyphs);
    combo.Ident<TCustomComboEdit, TGlyphKind>("GlyphKind", &TCustomComboEdit::SetGlyphKind,
        { { "gkCustom", gkCustom }, { "gkDefault", gkDefault }, { "gkDropDown", gkDropDown },
            { "gkEllipsis", gkEllipsis } });
    // Read after GlyphKind, as stored; it makes the kind gkCustom.
    combo.AddProperty("Glyph.Data", [](TComponent& component, const TFormValue& value) {
        TBitmap glyph;
        ReadStoredGlyph(value, glyph);
        TComponentClass::Cast<TCustomComboEdit>(component, "Glyph.Data").SetGlyph(&glyph);
    });
    combo.Event<TCustomComboEdit>("OnButtonClick", &TCustomComboEdit::OnButtonClick);

    TComponentClass& fileDir = RegisterComponentClass("TFileDirEdit", "TCustomComboEdit");
    fileDir.Boolean<TFileDirEdit>("AcceptFiles", &TFileDirEdit::SetAcceptFiles);
    fileDir.Boolean<TFileDirEdit>("MultipleDirs", &TFileDirEdit::SetMultipleDirs);
    fileDir.Event<TFileDirEdit>("OnDropFiles", &TFileDirEdit::OnDropFiles);
    fileDir.Event<TFileDirEdit>("OnBeforeDialog", &TFileDirEdit::OnBeforeDialog);
    fileDir.Event<TFileDirEdit>("OnAfterDialog", &TFileDirEdit::OnAfterDialog);

    TComponentClass& directory = RegisterComponentClass<TDirectoryEdit>("TDirectoryEdit", "TFileDirEdit");
    directory.String<TDirectoryEdit>("InitialDir", &TDirectoryEdit::SetInitialDir);
    directory.String<TDirectoryEdit>("DialogText", &TDirectoryEdit::SetDialogText);
    directory.Ident<TDirectoryEdit, TDirDialogKind>(
        "DialogKind", &TDirectoryEdit::SetDialogKind, { { "dkVCL", dkVCL }, { "dkWin32", dkWin32 } });
    directory.Set<TDirectoryEdit, TSelectDirOpts>("DialogOptions", &TDirectoryEdit::SetDialogOptions,
        { { "sdAllowCreate", sdAllowCreate }, { "sdPerformCreate", sdPerformCreate },
            { "sdPrompt", sdPrompt } });
}
