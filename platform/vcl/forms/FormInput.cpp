// SPDX-License-Identifier: MIT
// How a form finds its shortcuts, its controls' accelerators, its default and cancel
// buttons, and calls off their pending mouse modes.
#include "platform/vcl/forms/Forms.h"

#include "platform/vcl/standardcontrols/StdCtrls.h"

namespace {

// The first showing, enabled button under parent that is its default (or cancel) button.
TButton* FindDialogButton(const TWinControl& parent, bool defaultButton)
{
    for (int index = 0; index < parent.ControlCount(); ++index) {
        TControl* control = parent.Controls(index);
        if (!control->Visible() || !control->Enabled())
            continue;
        if (auto* button = dynamic_cast<TButton*>(control)) {
            if (defaultButton ? button->Default() : button->Cancel())
                return button;
        } else if (auto* container = dynamic_cast<TWinControl*>(control)) {
            if (TButton* found = FindDialogButton(*container, defaultButton))
                return found;
        }
    }
    return nullptr;
}

} // namespace

TForm* GetParentForm(const TControl* control)
{
    if (!control)
        return nullptr;
    while (control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(control));
}

void TForm::SendCancelMode(TControl* sender)
{
    if (TWinControl* active = ActiveControl(); active && active != sender)
        active->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
    TControl* capture = GetCaptureControl();
    if (capture && capture != sender && GetParentForm(capture) == this)
        capture->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

void TForm::WMChar(TMessage& message)
{
    // Characters reach the form itself only while none of its own-drawn controls takes them.
    const bool withAlt = message.Msg == WM_SYSCHAR || GetKeyState(VK_MENU) < 0;
    const TWinControl* focused = ActiveControl();
    if ((withAlt || !focused || focused == this)
        && Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) {
        message.Result = 0;
        return;
    }
    DefaultHandler(message);
}

bool TForm::IsShortCut(TShortCut shortCut)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(shortCut, handled);
    return handled;
}

void TForm::CMDialogKey(TMessage& message)
{
    const WPARAM key = message.WParam;
    TButton* button = nullptr;
    if (key == VK_RETURN || key == VK_ESCAPE)
        button = FindDialogButton(*this, key == VK_RETURN);
    if (!button) {
        DefaultHandler(message);
        return;
    }
    button->Click();
    message.Result = 1;
}
