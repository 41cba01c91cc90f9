// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/vcl/forms/Forms.h"

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
