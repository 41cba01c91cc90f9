// SPDX-License-Identifier: MIT
// The standard leaf controls: the native push button and line edit, the masked edit built
// on it, and the two controls we paint ourselves, the label and the group box.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/vcl/controls/WinControl.h"

#include <functional>

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

// A handler may change the key; setting it to 0 consumes it.
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    // The answer a modal form takes when this button is clicked; 0 (none) leaves it open.
    int ModalResult() const { return FModalResult; } // 0
    void SetModalResult(int value) { FModalResult = value; }
    // Drawn as the default push button of its form.
    bool Default() const { return FDefault; } // false
    void SetDefault(bool value);
    // Clicked by Escape anywhere on its form.
    bool Cancel() const { return FCancel; } // false
    void SetCancel(bool value) { FCancel = value; }

    // Hands ModalResult to the form the button is on, then fires OnClick.
    void Click() override;
    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CNCommand(TMessage& message);

private:
    int FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

// A one-line native edit. Text, selection, the length limit and the read-only state live
// in the window once it exists; before that the text is kept here.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    const char* ClassName() const override { return "TCustomEdit"; }

    bool AutoSelect() const { return FAutoSelect; } // true: focus entry selects all
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; } // bsSingle
    void SetBorderStyle(TBorderStyle value);
    bool Ctl3D() const { return FCtl3D; } // true
    void SetCtl3D(bool value);
    int MaxLength() const { return FMaxLength; } // 0: no limit
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; } // false
    void SetReadOnly(bool value);
    // Typed text goes through the OEM character set and back. Text is UTF-8 on this host
    // in both directions, so the round trip keeps every character; the window still
    // carries the style for code that asks.
    bool OEMConvert() const { return FOEMConvert; } // false
    void SetOEMConvert(bool value);
    // True once the text has been changed other than by setting Text.
    bool Modified() const { return FModified; } // false
    void SetModified(bool value) { FModified = value; }

    // Inside the frame: two pixels a side for the sunken Ctl3D border, one for the flat one.
    TRect ClientRect() const override;

    // Byte offsets, 0-based, as the window reports them; reading them creates the window.
    int SelStart();
    void SetSelStart(int value);
    int SelLength();
    void SetSelLength(int value);
    AnsiString SelText();
    // Replaces the selection and leaves the caret after the new text.
    void SetSelText(const AnsiString& value);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Keys that reach the edit through the queue, before the window sees them; a key set
    // to 0 goes no further. They fire the matching events.
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(WORD& key, TShiftState shift);
    // Runs handler on the key, then hands on what it left unless it set the key to 0.
    void PassKey(TMessage& message, void (TCustomEdit::*handler)(WORD& key, TShiftState shift));
    void WMKeyDown(TMessage& message);
    void WMKeyUp(TMessage& message);
    void WMChar(TMessage& message);
    void SetTextBuffer(const AnsiString& value) override;
    virtual void Change();
    // The window takes the styles of BorderStyle, Ctl3D and OEMConvert.
    void UpdateWindowStyle();
    void CNCommand(TMessage& message);
    void CMEnter(TMessage& message);
    // The colours the edit draws with: the font colour (grey text while disabled) on the
    // brush colour. Descendants run this first and change what they need.
    void CNCtlColorEdit(TMessage& message);

private:
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    bool FCtl3D = true;
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FOEMConvert = false;
    bool FModified = false;
    bool FSettingText = false;
    bool FCreating = false;
};

// The edit with a mask of permitted input. Only the empty mask exists here: nothing in the
// program needs a real one, so a non-empty mask is refused rather than silently ignored.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* owner);
    const char* ClassName() const override { return "TCustomMaskEdit"; }

    AnsiString EditMask() const { return FEditMask; } // ""
    void SetEditMask(const AnsiString& value);
    bool IsMasked() const { return !FEditMask.empty(); }

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    // Whether the user may change the text now; cutting, pasting and clearing ask it.
    virtual bool EditCanModify();
    void WMEditingCommand(TMessage& message);

private:
    AnsiString FEditMask;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner)
        : TCustomEdit(owner)
    {
    }
    const char* ClassName() const override { return "TEdit"; }
};

class TMaskEdit : public TCustomMaskEdit {
public:
    explicit TMaskEdit(TComponent* owner)
        : TCustomMaskEdit(owner)
    {
    }
    const char* ClassName() const override { return "TMaskEdit"; }
};

// A caption painted with the label's font into its parent's buffer.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }

    // Refits the bounds to the caption whenever caption or font change.
    bool AutoSize() const { return FAutoSize; } // true
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; } // taLeftJustify
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return FWordWrap; } // false
    void SetWordWrap(bool value);
    // Without it "&" stands for itself instead of underlining the next character.
    bool ShowAccelChar() const { return FShowAccelChar; } // true
    void SetShowAccelChar(bool value);
    // Leaves the parent's pixels under the caption instead of filling with Color.
    bool Transparent() const { return FTransparent; } // false
    void SetTransparent(bool value);

    void Loaded() override;
    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void Paint() override;
    void AdjustBounds();
    UINT TextFormat() const;
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);

private:
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FTransparent = false;
};

// A container with an etched frame and its caption set into the top edge.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);
    const char* ClassName() const override { return "TGroupBox"; }

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message);
};
