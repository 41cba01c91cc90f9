// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

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
