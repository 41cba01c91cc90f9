// SPDX-License-Identifier: MIT
#include "platform/vcl/StdCtrls.h"

#include "platform/gdi/Text.h"
#include "platform/vcl/Forms.h"

#include <algorithm>

// ---- TButton ----------------------------------------------------------------------------

TButton::TButton(TComponent* owner)
    : TWinControl(owner)
{
    FControlStyle = csSetCaption | csDoubleClicks;
    FTabStop = true;
    SetBounds(0, 0, 75, 25);
}

const TMessageTable& TButton::Messages()
{
    static const TMessageTable table(
        &TWinControl::Messages(), { { CN_COMMAND, &MessageHandler<TButton, &TButton::CNCommand> } });
    return table;
}

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, kButtonClass);
    params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value)
{
    if (value == FDefault)
        return;
    FDefault = value;
    if (HandleAllocated())
        SendMessageA(FHandle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CNCommand(TMessage& message)
{
    if (HIWORD(message.WParam) == BN_CLICKED)
        Click();
}

void TButton::Click()
{
    // The form's answer is in place before OnClick runs, so a handler can still change it.
    for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
        if (auto* form = dynamic_cast<TForm*>(parent)) {
            form->SetModalResult(FModalResult);
            break;
        }
    TWinControl::Click();
}

// ---- TCustomEdit ------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner)
    : TWinControl(owner)
{
    FControlStyle = csClickEvents | csSetCaption | csDoubleClicks;
    FTabStop = true;
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
}

const TMessageTable& TCustomEdit::Messages()
{
    static const TMessageTable table(&TWinControl::Messages(),
        {
            { CN_COMMAND, &MessageHandler<TCustomEdit, &TCustomEdit::CNCommand> },
            { CM_ENTER, &MessageHandler<TCustomEdit, &TCustomEdit::CMEnter> },
            { WM_KEYDOWN, &MessageHandler<TCustomEdit, &TCustomEdit::WMKeyDown> },
            { WM_SYSKEYDOWN, &MessageHandler<TCustomEdit, &TCustomEdit::WMKeyDown> },
            { WM_KEYUP, &MessageHandler<TCustomEdit, &TCustomEdit::WMKeyUp> },
            { WM_SYSKEYUP, &MessageHandler<TCustomEdit, &TCustomEdit::WMKeyUp> },
            { WM_CHAR, &MessageHandler<TCustomEdit, &TCustomEdit::WMChar> },
        });
    return table;
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, kEditClass);
    params.Style |= ES_LEFT | ES_AUTOHSCROLL;
    if (FReadOnly)
        params.Style |= ES_READONLY;
    if (FOEMConvert)
        params.Style |= ES_OEMCONVERT;
    if (FBorderStyle == bsSingle) {
        if (FCtl3D)
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

void TCustomEdit::CreateWnd()
{
    // The window reports its initial text as a change; that is no change to the user.
    FCreating = true;
    try {
        TWinControl::CreateWnd();
    } catch (...) {
        FCreating = false;
        throw;
    }
    FCreating = false;
    SendMessageA(FHandle, EM_LIMITTEXT, WPARAM(FMaxLength), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    UpdateWindowStyle();
}

void TCustomEdit::SetCtl3D(bool value)
{
    if (value == FCtl3D)
        return;
    FCtl3D = value;
    UpdateWindowStyle();
    Perform(CM_CTL3DCHANGED, 0, 0);
}

TRect TCustomEdit::ClientRect() const
{
    int frame = 0;
    if (FBorderStyle == bsSingle)
        frame = FCtl3D ? 2 : 1;
    return Rect(0, 0, std::max(0, FWidth - 2 * frame), std::max(0, FHeight - 2 * frame));
}

void TCustomEdit::SetOEMConvert(bool value)
{
    if (value == FOEMConvert)
        return;
    FOEMConvert = value;
    UpdateWindowStyle();
}

void TCustomEdit::UpdateWindowStyle()
{
    if (!HandleAllocated())
        return;
    TCreateParams params;
    CreateParams(params);
    SetWindowLongPtrA(FHandle, GWL_STYLE, LONG_PTR(params.Style));
    SetWindowLongPtrA(FHandle, GWL_EXSTYLE, LONG_PTR(params.ExStyle));
}

void TCustomEdit::SetMaxLength(int value)
{
    if (value == FMaxLength)
        return;
    if (value < 0)
        throw EInvalidOperation("The maximum length of an edit cannot be negative");
    FMaxLength = value;
    if (HandleAllocated())
        SendMessageA(FHandle, EM_LIMITTEXT, WPARAM(value), 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    if (HandleAllocated())
        SendMessageA(FHandle, EM_SETREADONLY, value ? 1 : 0, 0);
}

void TCustomEdit::SetTextBuffer(const AnsiString& value)
{
    FSettingText = true;
    try {
        TWinControl::SetTextBuffer(value);
    } catch (...) {
        FSettingText = false;
        throw;
    }
    FSettingText = false;
    FModified = false;
}

int TCustomEdit::SelStart()
{
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return int(start);
}

void TCustomEdit::SetSelStart(int value)
{
    SendMessageA(Handle(), EM_SETSEL, WPARAM(value), value);
}

int TCustomEdit::SelLength()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return int(end - start);
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    SendMessageA(Handle(), EM_SETSEL, WPARAM(start), start + value);
}

AnsiString TCustomEdit::SelText()
{
    const int start = SelStart();
    const int length = SelLength();
    return Text().substr(std::size_t(start), std::size_t(length));
}

void TCustomEdit::SetSelText(const AnsiString& value)
{
    const int start = SelStart();
    const int length = SelLength();
    AnsiString text = Text();
    // Within the length limit only as much is inserted as fits, cut between characters.
    std::size_t inserted = value.size();
    if (FMaxLength > 0) {
        const std::size_t room = std::size_t(std::max(0, FMaxLength - (int(text.size()) - length)));
        std::size_t fitting = 0;
        while (fitting < value.size() && fitting + Utf8CharLength(value, fitting) <= room)
            fitting += Utf8CharLength(value, fitting);
        inserted = std::min(inserted, fitting);
    }
    text.replace(std::size_t(start), std::size_t(length), value.substr(0, inserted));
    SetText(text);
    const int caret = start + int(inserted);
    SendMessageA(Handle(), EM_SETSEL, WPARAM(caret), caret);
}

void TCustomEdit::SelectAll()
{
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::CNCommand(TMessage& message)
{
    if (HIWORD(message.WParam) != EN_CHANGE || FCreating)
        return;
    if (!FSettingText)
        FModified = true;
    Change();
}

namespace {

TShiftState KeyboardShiftState()
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

} // namespace

void TCustomEdit::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TCustomEdit::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TCustomEdit::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TCustomEdit::WMKeyDown(TMessage& message)
{
    WORD key = WORD(message.WParam);
    KeyDown(key, KeyboardShiftState());
    if (key == 0)
        return;
    message.WParam = key;
    DefaultHandler(message);
}

void TCustomEdit::WMKeyUp(TMessage& message)
{
    WORD key = WORD(message.WParam);
    KeyUp(key, KeyboardShiftState());
    if (key == 0)
        return;
    message.WParam = key;
    DefaultHandler(message);
}

void TCustomEdit::WMChar(TMessage& message)
{
    char key = char(message.WParam);
    KeyPress(key);
    if (key == 0)
        return;
    message.WParam = WPARAM(static_cast<unsigned char>(key));
    DefaultHandler(message);
}

void TCustomEdit::CMEnter(TMessage& message)
{
    const bool multiLine = (GetWindowLongPtrA(FHandle, GWL_STYLE) & ES_MULTILINE) != 0;
    if (FAutoSelect && !(FControlState & csLButtonDown) && !multiLine)
        SelectAll();
    DefaultHandler(message);
}

// ---- TCustomMaskEdit --------------------------------------------------------------------

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner)
    : TCustomEdit(owner)
{
}

const TMessageTable& TCustomMaskEdit::Messages()
{
    static const TMessageTable table(&TCustomEdit::Messages(),
        {
            { WM_CUT, &MessageHandler<TCustomMaskEdit, &TCustomMaskEdit::WMEditingCommand> },
            { WM_PASTE, &MessageHandler<TCustomMaskEdit, &TCustomMaskEdit::WMEditingCommand> },
            { WM_CLEAR, &MessageHandler<TCustomMaskEdit, &TCustomMaskEdit::WMEditingCommand> },
        });
    return table;
}

void TCustomMaskEdit::SetEditMask(const AnsiString& value)
{
    if (value == FEditMask)
        return;
    if (!value.empty())
        throw EInvalidOperation("Edit masks are not supported: '" + value + "'");
    FEditMask = value;
}

bool TCustomMaskEdit::EditCanModify()
{
    return !ReadOnly();
}

void TCustomMaskEdit::WMEditingCommand(TMessage& message)
{
    if (EditCanModify())
        DefaultHandler(message);
}

// ---- TLabel -----------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner)
{
    FControlStyle |= csOpaque | csReplicatable;
    SetBounds(0, 0, 65, 17);
}

const TMessageTable& TLabel::Messages()
{
    static const TMessageTable table(&TGraphicControl::Messages(),
        {
            { CM_TEXTCHANGED, &MessageHandler<TLabel, &TLabel::CMTextChanged> },
            { CM_FONTCHANGED, &MessageHandler<TLabel, &TLabel::CMFontChanged> },
        });
    return table;
}

UINT TLabel::TextFormat() const
{
    UINT format = DT_EXPANDTABS;
    if (FWordWrap)
        format |= DT_WORDBREAK;
    if (!FShowAccelChar)
        format |= DT_NOPREFIX;
    switch (FAlignment) {
    case taLeftJustify:
        format |= DT_LEFT;
        break;
    case taRightJustify:
        format |= DT_RIGHT;
        break;
    case taCenter:
        format |= DT_CENTER;
        break;
    }
    return format;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || (ComponentState() & (csReading | csLoading)))
        return;
    // An empty caption still takes the height of one line.
    const AnsiString text = Caption().empty() ? AnsiString(" ") : Caption();
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        throw EOutOfResources("Out of system resources: no device context for measuring text");
    const HGDIOBJ previous = SelectObject(dc, FFont->Handle());
    TRect area = Rect(0, 0, FWidth, 0);
    DrawTextA(dc, text.c_str(), -1, &area, TextFormat() | DT_CALCRECT);
    SelectObject(dc, previous);
    DeleteDC(dc);
    // Right-aligned text keeps its right edge where it was.
    const int left = FAlignment == taRightJustify ? FLeft + FWidth - area.Right : FLeft;
    SetBounds(left, FTop, area.Right, area.Bottom);
}

void TLabel::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    if (value)
        FControlStyle &= ~TControlStyle(csOpaque);
    else
        FControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::CMTextChanged(TMessage&)
{
    Invalidate();
    AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& message)
{
    TControl::CMFontChanged(message);
    AdjustBounds();
}

void TLabel::Paint()
{
    TCanvas* canvas = TGraphicControl::Canvas();
    TRect area = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(FColor);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(area);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(FFont.get());
    const AnsiString text = Caption();
    const UINT format = TextFormat();
    if (!Enabled()) {
        // Engraved: a light copy one pixel down and right under a shadow-coloured one.
        TRect raised = area;
        OffsetRect(raised, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawTextA(canvas->Handle(), text.c_str(), -1, &raised, format);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawTextA(canvas->Handle(), text.c_str(), -1, &area, format);
}

// ---- TGroupBox --------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner)
    : TCustomControl(owner)
{
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 185, 105);
}

const TMessageTable& TGroupBox::Messages()
{
    static const TMessageTable table(&TWinControl::Messages(),
        { { CM_TEXTCHANGED, &MessageHandler<TGroupBox, &TGroupBox::CMTextChanged> } });
    return table;
}

void TGroupBox::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TGroupBox::Paint()
{
    TCanvas* canvas = TCustomControl::Canvas();
    canvas->Font()->Assign(FFont.get());
    TEXTMETRIC metrics;
    GetTextMetricsA(canvas->Handle(), &metrics);
    const int textHeight = metrics.tmHeight;

    // The frame runs through the middle of the caption line: a light line one pixel down
    // and right of a shadow line gives the etched look.
    TRect frame = Rect(0, textHeight / 2 - 1, FWidth, FHeight);
    TRect light = Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(light);
    TRect shadow = Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(shadow);

    const AnsiString caption = Caption();
    if (caption.empty())
        return;
    // The caption sits on the frame, 8 pixels in, on the box's own colour.
    TRect captionArea = Rect(8, 0, 8, textHeight);
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &captionArea, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    canvas->Brush()->SetColor(FColor);
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &captionArea, DT_LEFT | DT_SINGLELINE);
}
