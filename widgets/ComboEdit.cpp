// SPDX-License-Identifier: MIT
// The combo edit: an edit with an embedded button, and that button.
#include "widgets/ToolEdit.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/controls/NewStyleControls.h"
#include "platform/win32/resources/SystemBitmaps.h"
#include "support/FileUtil.h"

#include <algorithm>
#include <memory>

namespace {

// The button's width and the holder's height as built, and the edit's height around them.
constexpr int kButtonWidth = 21;
constexpr int kButtonHeight = 17;
constexpr int kEditHeight = 21;

} // namespace

// --- TEditButton ----------------------------------------------------------------------

TEditButton::TEditButton(TComponent* owner)
    : TSpeedButton(owner)
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetParentShowHint(true);
}

void TEditButton::Paint()
{
    TSpeedButton::Paint();
    if (ButtonState() == gsDown)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(NewStyleControls ? clBtnFace : clBtnShadow);
    canvas->MoveTo(0, 0);
    canvas->LineTo(0, Height() - 1);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(1, 1);
    canvas->LineTo(1, Height() - 2);
}

void TEditButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft)
        if (auto* edit = dynamic_cast<TCustomComboEdit*>(Owner());
            edit && edit->TabStop() && edit->CanFocus() && GetFocus() != edit->Handle())
            edit->FocusKeepingSelection();
    TSpeedButton::MouseDown(button, shift, x, y);
}

// --- TCustomComboEdit -----------------------------------------------------------------

TCustomComboEdit::TCustomComboEdit(TComponent* owner)
    : TCustomMaskEdit(owner)
{
    SetControlStyle(ControlStyle() | csCaptureMouse);
    SetAutoSize(false);
    FDirectInput = true;
    FClickKey = 0x8028;
    FButtonHolder = new TWinControl(this);
    FButtonHolder->SetControlStyle(FButtonHolder->ControlStyle() | csReplicatable);
    FButtonHolder->SetBounds(0, 0, kButtonWidth, kButtonHeight);
    FButtonHolder->SetVisible(true);
    FButtonHolder->SetParent(this);
    FButton = new TEditButton(this);
    FButton->SetBounds(0, 0, FButtonHolder->Width(), FButtonHolder->Height());
    FButton->SetVisible(true);
    FButton->SetParent(FButtonHolder);
    FButton->OnClick = [this](TObject* sender) { HandleButtonClick(sender); };
    SetHeight(kEditHeight);
    FDefaultNumGlyphs = 1;
    FGlyphKind = gkCustom;
}

TCustomComboEdit::~TCustomComboEdit()
{
    FButton->OnClick = nullptr;
}

const TMessageTable& TCustomComboEdit::Messages()
{
    static const TMessageTable table(&TCustomMaskEdit::Messages(),
        {
            { WM_SIZE, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::WMSize> },
            { WM_SETFOCUS, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::WMSetFocus> },
            { WM_CUT, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::WMCutPaste> },
            { WM_PASTE, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::WMCutPaste> },
            { CM_ENABLEDCHANGED, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::CMEnabledChanged> },
            { CM_FONTCHANGED, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::CMFontChanged> },
            { CM_CTL3DCHANGED, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::CMCtl3DChanged> },
            { CM_ENTER, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::CMEnter> },
            { CN_CTLCOLOREDIT, &MessageHandler<TCustomComboEdit, &TCustomComboEdit::CNCtlColorEdit> },
        });
    return table;
}

void TCustomComboEdit::CreateParams(TCreateParams& params)
{
    TCustomMaskEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | WS_CLIPCHILDREN | ES_LEFT;
}

void TCustomComboEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    UpdateEditRect();
}

void TCustomComboEdit::UpdateEditRect()
{
    const TRect area = Rect(0, 0, ClientWidth() - FButtonHolder->Width() - 2, ClientHeight() + 1);
    SendMessageA(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
}

void TCustomComboEdit::LayoutButton()
{
    const int width = FButton->Width();
    TRect bounds = Bounds(Width() - width, 0, width, Height());
    if (NewStyleControls && Ctl3D() && BorderStyle() == bsSingle)
        bounds = Bounds(Width() - width - 4, 0, width, Height() - 4);
    else if (NewStyleControls && BorderStyle() == bsSingle)
        bounds = Bounds(Width() - width - 2, 2, width, Height() - 4);
    FButtonHolder->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    FButton->SetHeight(FButtonHolder->Height());
    if (HandleAllocated())
        UpdateEditRect();
}

int TCustomComboEdit::FontTextHeight()
{
    HDC dc = GetDC(nullptr);
    const ScopeExit release([dc] { ReleaseDC(nullptr, dc); });
    TEXTMETRIC screenMetrics;
    GetTextMetricsA(dc, &screenMetrics);
    HGDIOBJ previous = SelectObject(dc, Font()->Handle());
    const ScopeExit restore([dc, previous] { SelectObject(dc, previous); });
    TEXTMETRIC fontMetrics;
    GetTextMetricsA(dc, &fontMetrics);
    return std::min(screenMetrics.tmHeight, fontMetrics.tmHeight);
}

int TCustomComboEdit::MinimumHeight()
{
    return FontTextHeight() + 4 * GetSystemMetrics(SM_CYBORDER) + 1;
}

void TCustomComboEdit::WMSize(TMessage& message)
{
    TCustomMaskEdit::WMSize(message);
    if (!(ComponentState() & csLoading)) {
        const int minimum = MinimumHeight();
        if (Height() < minimum) {
            // The resize brings this handler back with the new height.
            SetHeight(minimum);
            return;
        }
    }
    LayoutButton();
}

void TCustomComboEdit::FocusKeepingSelection()
{
    const TGuardedPtr<TCustomComboEdit> self(this);
    FKeepSelectionOnEntry = true;
    // OnEnter may free the edit.
    const ScopeExit clear([&self] {
        if (self)
            self->FKeepSelectionOnEntry = false;
    });
    SetFocus();
}

void TCustomComboEdit::ShowEditCaret()
{
    const int width = (Font()->Style() & fsBold) ? 2 : 1;
    CreateCaret(Handle(), nullptr, width, FontTextHeight());
    ShowCaret(Handle());
}

void TCustomComboEdit::WMSetFocus(TMessage& message)
{
    TCustomMaskEdit::WMSetFocus(message);
    ShowEditCaret();
}

void TCustomComboEdit::WMCutPaste(TMessage& message)
{
    if (FDirectInput && !ReadOnly())
        WMEditingCommand(message);
}

void TCustomComboEdit::CMEnabledChanged(TMessage& message)
{
    TCustomMaskEdit::CMEnabledChanged(message);
    FButton->SetEnabled(Enabled());
}

void TCustomComboEdit::CMFontChanged(TMessage& message)
{
    TCustomMaskEdit::CMFontChanged(message);
    if (HandleAllocated())
        UpdateEditRect();
}

void TCustomComboEdit::CMCtl3DChanged(TMessage&)
{
    LayoutButton();
}

void TCustomComboEdit::CMEnter(TMessage& message)
{
    if (AutoSelect() && !(ControlState() & csLButtonDown) && FDirectInput && !FKeepSelectionOnEntry)
        SelectAll();
    TCustomMaskEdit::CMEnter(message);
}

void TCustomComboEdit::CNCtlColorEdit(TMessage& message)
{
    TCustomMaskEdit::CNCtlColorEdit(message);
    if (!NewStyleControls)
        return;
    TColor color = Font()->Color();
    if (!Enabled() && ColorToRGB(Color()) != ColorToRGB(clGrayText))
        color = clGrayText;
    SetTextColor(reinterpret_cast<HDC>(message.WParam), ColorToRGB(color));
}

void TCustomComboEdit::KeyDown(WORD& key, TShiftState shift)
{
    const TGuardedPtr<TCustomComboEdit> self(this);
    TCustomMaskEdit::KeyDown(key, shift);
    if (self && key != 0 && ShortCut(key, shift) == FClickKey && ButtonWidth() > 0) {
        HandleButtonClick(this);
        key = 0;
    }
}

void TCustomComboEdit::KeyPress(char& key)
{
    if (key == '\r' || key == '\x1b') {
        // The button the form presses may close the form and free the edit with it.
        const TGuardedPtr<TCustomComboEdit> self(this);
        if (TWinControl* form = GetParentForm(this))
            form->Perform(CM_DIALOGKEY, WPARAM(static_cast<unsigned char>(key)), 0);
        if (!self) {
            key = '\0';
            return;
        }
        if (key == '\r') {
            TCustomMaskEdit::KeyPress(key);
            key = '\0';
            return;
        }
    }
    TCustomMaskEdit::KeyPress(key);
}

bool TCustomComboEdit::EditCanModify()
{
    return !FReadOnly;
}

void TCustomComboEdit::HandleButtonClick(TObject*)
{
    if (!ReadOnly())
        DoButtonClick();
}

void TCustomComboEdit::DoButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

TBitmap* TCustomComboEdit::DefaultGlyphBitmap(bool& callerOwns)
{
    callerOwns = false;
    return nullptr;
}

void TCustomComboEdit::SetReadOnly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    TCustomMaskEdit::SetReadOnly(FReadOnly || !FDirectInput);
}

void TCustomComboEdit::SetDirectInput(bool value)
{
    FDirectInput = value;
    TCustomMaskEdit::SetReadOnly(FReadOnly || !FDirectInput);
}

void TCustomComboEdit::SetButtonWidth(int value)
{
    value = std::max(value, 0);
    if (value == FButton->Width())
        return;
    FButtonHolder->SetVisible(value > 1);
    if (ComponentState() & csCreating) {
        FButtonHolder->SetWidth(value);
        FButton->SetWidth(value);
        FButton->SetControlStyle(FButton->ControlStyle() & ~TControlStyle(csFixedWidth));
        RebuildGlyph();
        return;
    }
    if (value >= ClientWidth())
        return;
    FButton->SetWidth(value);
    FButton->SetControlStyle(FButton->ControlStyle() & ~TControlStyle(csFixedWidth));
    if (HandleAllocated())
        RecreateWnd();
    RebuildGlyph();
    // The holder and the text area follow now, not at some later resize.
    LayoutButton();
}

int TCustomComboEdit::NaturalButtonWidth() const
{
    switch (FGlyphKind) {
    case gkDefault: {
        const TBitmap* glyph = FButton->Glyph();
        if (glyph && !glyph->Empty())
            return std::max(glyph->Width() / std::max(1, FButton->NumGlyphs()) + 6, kButtonWidth);
        return kButtonWidth;
    }
    case gkDropDown:
        return GetSystemMetrics(SM_CXVSCROLL);
    case gkCustom:
    case gkEllipsis:
        return kButtonWidth;
    }
    return kButtonWidth;
}

void TCustomComboEdit::SetGlyph(TBitmap* value)
{
    FButton->SetGlyph(value);
    FGlyphKind = gkCustom;
}

void TCustomComboEdit::SetGlyphKind(TGlyphKind value)
{
    if (value == FGlyphKind)
        return;
    FGlyphKind = value;
    if (value == gkCustom && (ComponentState() & csReading))
        FButton->SetGlyph(nullptr);
    RebuildGlyph();
    if (value == gkDefault && FButton->Glyph() && !FButton->Glyph()->Empty())
        SetButtonWidth(
            std::max(FButton->Glyph()->Width() / std::max(1, FButton->NumGlyphs()) + 6, ButtonWidth()));
    else if (value == gkDropDown) {
        SetButtonWidth(GetSystemMetrics(SM_CXVSCROLL));
        FButton->SetControlStyle(FButton->ControlStyle() | csFixedWidth);
    }
}

void TCustomComboEdit::SetNumGlyphs(int value)
{
    switch (FGlyphKind) {
    case gkDropDown:
    case gkEllipsis:
        FButton->SetNumGlyphs(1);
        break;
    case gkDefault:
        FButton->SetNumGlyphs(FDefaultNumGlyphs);
        break;
    case gkCustom:
        FButton->SetNumGlyphs(value);
        break;
    }
}

void TCustomComboEdit::RebuildGlyph()
{
    switch (FGlyphKind) {
    case gkCustom:
        return;
    case gkDefault: {
        bool callerOwns = false;
        TBitmap* bitmap = DefaultGlyphBitmap(callerOwns);
        const ScopeExit release([&] {
            if (callerOwns)
                delete bitmap;
        });
        FButton->Glyph()->Assign(bitmap);
        SetNumGlyphs(FDefaultNumGlyphs);
        return;
    }
    case gkDropDown:
        FButton->Glyph()->SetHandle(LoadBitmapA(nullptr, OBM_COMBO));
        FButton->SetNumGlyphs(1);
        return;
    case gkEllipsis: {
        const std::unique_ptr<TBitmap> bitmap = MakeEllipsisGlyph(FButton->Width());
        FButton->Glyph()->Assign(bitmap.get());
        FButton->SetNumGlyphs(1);
        return;
    }
    }
}

std::unique_ptr<TBitmap> MakeEllipsisGlyph(int buttonWidth)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetMonochrome(true);
    const int width = std::max(1, buttonWidth - 6);
    bitmap->SetSize(width, 4);
    constexpr int dot = 2;
    const int gap = std::clamp((width - 6) / 2, 1, 3);
    const int start = (width - 6 - 2 * gap) / 2;
    HDC dc = bitmap->Canvas()->Handle();
    for (int index = 0; index < 3; ++index)
        PatBlt(dc, start + index * (gap + dot), 1, dot, dot, BLACKNESS);
    return bitmap;
}
