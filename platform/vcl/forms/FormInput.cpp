// SPDX-License-Identifier: MIT
// How a form finds its controls' accelerators and calls off their pending mouse modes.
#include "platform/vcl/forms/Forms.h"

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
