// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <algorithm>

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
            { CN_CTLCOLOREDIT, &MessageHandler<TCustomEdit, &TCustomEdit::CNCtlColorEdit> },
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
    // Asks the parent for the colours now that our procedure can hear its answer.
    Invalidate();
}

void TCustomEdit::CNCtlColorEdit(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(Enabled() ? FFont->Color() : clGrayText));
    SetBkColor(dc, ColorToRGB(FBrush->Color()));
    message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
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

void TCustomEdit::PassKey(TMessage& message, void (TCustomEdit::*handler)(WORD& key, TShiftState shift))
{
    WORD key = WORD(message.WParam);
    // The key's handlers may free the edit.
    const TGuardedPtr<TCustomEdit> self(this);
    (this->*handler)(key, KeyDataToShiftState(message.LParam));
    if (!self || key == 0)
        return;
    message.WParam = key;
    DefaultHandler(message);
}

void TCustomEdit::WMKeyDown(TMessage& message)
{
    PassKey(message, &TCustomEdit::KeyDown);
}

void TCustomEdit::WMKeyUp(TMessage& message)
{
    PassKey(message, &TCustomEdit::KeyUp);
}

void TCustomEdit::WMChar(TMessage& message)
{
    char key = char(message.WParam);
    const TGuardedPtr<TCustomEdit> self(this);
    KeyPress(key);
    if (!self || key == 0)
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
