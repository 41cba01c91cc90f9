// SPDX-License-Identifier: MIT
// Edits with a button at their right end: the combo edit, its base for file and directory
// names, and the directory edit whose button opens a directory dialog.
#pragma once

#include "platform/vcl/dialogs/FileCtrl.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "widgets/SpeedCtrls.h"

#include <cstdint>
#include <functional>

enum TGlyphKind : std::uint8_t { gkCustom, gkDefault, gkDropDown, gkEllipsis };
enum TDirDialogKind : std::uint8_t { dkVCL, dkWin32 };

// Name: where the dialog starts, or what it chose; Action false cancels or rejects.
using TExecOpenDialogEvent = std::function<void(TObject* sender, AnsiString& name, bool& action)>;
// A shortcut code: the virtual key plus 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
using TShortCut = std::uint16_t;

class TCustomComboEdit;

// The embedded button: a speed button with a separator line on its left edge, which makes
// its edit take the focus when pressed.
class TEditButton : public TSpeedButton {
public:
    explicit TEditButton(TComponent* owner);
    const char* ClassName() const override { return "TEditButton"; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
};

class TCustomComboEdit : public TCustomMaskEdit {
public:
    explicit TCustomComboEdit(TComponent* owner);
    ~TCustomComboEdit() override;
    const char* ClassName() const override { return "TCustomComboEdit"; }

    TEditButton* Button() const { return FButton; }
    TWinControl* ButtonHolder() const { return FButtonHolder; }

    AnsiString ButtonHint() const { return FButton->Hint(); }
    void SetButtonHint(const AnsiString& value) { FButton->SetHint(value); }
    int ButtonWidth() const { return FButton->Width(); } // 21
    // A negative width is taken as 0; 1 or less hides the button.
    void SetButtonWidth(int value);
    TShortCut ClickKey() const { return FClickKey; } // Alt+Down
    void SetClickKey(TShortCut value) { FClickKey = value; }
    bool DirectInput() const { return FDirectInput; } // true: typing, cutting and pasting allowed
    void SetDirectInput(bool value);
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(TBitmap* value); // switches GlyphKind to gkCustom without a rebuild
    TGlyphKind GlyphKind() const { return FGlyphKind; } // gkCustom here, gkDefault in descendants
    void SetGlyphKind(TGlyphKind value);
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int value);
    virtual bool ReadOnly() const { return FReadOnly; } // false
    void SetReadOnly(bool value);
    // The button's width the kind gives by itself; ButtonWidth is stored only when different.
    int NaturalButtonWidth() const;

    // The button's OnClick, also run by the click key: DoButtonClick unless read-only.
    void HandleButtonClick(TObject* sender);

    TNotifyEvent OnButtonClick;

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    friend class TEditButton;
    // The bitmap of the gkDefault kind; callerOwns is set when the caller must free it.
    virtual TBitmap* DefaultGlyphBitmap(bool& callerOwns);
    virtual void DoButtonClick();
    int DefaultNumGlyphs() const { return FDefaultNumGlyphs; }
    void SetDefaultNumGlyphs(int value) { FDefaultNumGlyphs = value; }

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    bool EditCanModify() override;

    // Takes the focus without the entry selecting all the text: entered through its own button
    // or dialog, the edit keeps the user's selection, which a chosen name then replaces.
    void FocusKeepingSelection();
    void UpdateEditRect();
    void LayoutButton();
    void RebuildGlyph();
    int FontTextHeight();
    int MinimumHeight();
    void ShowEditCaret();

    void WMSize(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMCutPaste(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMCtl3DChanged(TMessage& message);
    void CMEnter(TMessage& message);
    void CNCtlColorEdit(TMessage& message);

private:
    TEditButton* FButton = nullptr;
    TWinControl* FButtonHolder = nullptr;
    TShortCut FClickKey = 0x8028;
    bool FReadOnly = false;
    bool FDirectInput = true;
    TGlyphKind FGlyphKind = gkCustom;
    int FDefaultNumGlyphs = 1;
    // Set while the edit takes the focus for its own button: that entry selects nothing.
    bool FKeepSelectionOnEntry = false;
};

// The three-dot glyph of gkEllipsis for a button of that width: monochrome, 4 rows high.
std::unique_ptr<TBitmap> MakeEllipsisGlyph(int buttonWidth);

class TFileDirEdit : public TCustomComboEdit {
public:
    explicit TFileDirEdit(TComponent* owner);
    const char* ClassName() const override { return "TFileDirEdit"; }

    bool AcceptFiles() const { return FAcceptFiles; } // false
    void SetAcceptFiles(bool value);
    // The text is a ";"-separated list of names.
    bool MultipleDirs() const { return FMultipleDirs; } // false
    void SetMultipleDirs(bool value) { FMultipleDirs = value; }

    virtual AnsiString LongNameText() = 0;
    virtual AnsiString ShortNameText() = 0;

    TExecOpenDialogEvent OnBeforeDialog;
    TExecOpenDialogEvent OnAfterDialog;
    TNotifyEvent OnDropFiles;

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    TBitmap* DefaultGlyphBitmap(bool& callerOwns) override;
    virtual void ReceiveName(const AnsiString& name) = 0;
    virtual void BeforeDropNames() { }
    virtual void DoAfterDialog(AnsiString& name, bool& action);
    virtual void DoBeforeDialog(AnsiString& name, bool& action);
    // The bracket around a dialog: no system error boxes while it runs.
    void SuppressErrorBoxes();
    void RestoreErrorBoxes();
    void CreateHandle() override;
    void DestroyWnd() override;
    void WMDropFiles(TMessage& message);

private:
    void SetDragAccept(bool value);
    UINT FSavedErrorMode = 0;
    bool FAcceptFiles = false;
    bool FMultipleDirs = false;
};

// The folder glyph shared by every file and directory edit; made on first use.
TBitmap* FileDirEditGlyph();
// Releases the shared folder glyph; the program calls this as it shuts down.
void ReleaseFileDirEditGlyph();

class TDirectoryEdit : public TFileDirEdit {
public:
    explicit TDirectoryEdit(TComponent* owner);
    const char* ClassName() const override { return "TDirectoryEdit"; }

    TSelectDirOpts DialogOptions() const { return FDialogOptions; } // empty
    void SetDialogOptions(TSelectDirOpts value) { FDialogOptions = value; }
    // Where the dialog starts when the text is empty; the last directory chosen.
    AnsiString InitialDir() const { return FInitialDir; }
    void SetInitialDir(const AnsiString& value) { FInitialDir = value; }
    AnsiString DialogText() const { return FDialogText; }
    void SetDialogText(const AnsiString& value) { FDialogText = value; }
    TDirDialogKind DialogKind() const { return FDialogKind; } // dkVCL
    void SetDialogKind(TDirDialogKind value) { FDialogKind = value; }

    AnsiString LongNameText() override;
    AnsiString ShortNameText() override;

protected:
    void DoButtonClick() override;
    void ReceiveName(const AnsiString& name) override;

private:
    AnsiString ConvertedText(AnsiString (*convert)(const AnsiString&));
    TSelectDirOpts FDialogOptions = 0;
    AnsiString FInitialDir;
    AnsiString FDialogText;
    TDirDialogKind FDialogKind = dkVCL;
};

// Makes the edits known to the form reader with their published properties and events.
void RegisterToolEditClasses();
