// SPDX-License-Identifier: MIT
#include "platform/vcl/dialogs/ExtDlgs.h"

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner)
    : TOpenDialog(owner)
{
    SetFilter(kGraphicFilter);
}

bool TSavePictureDialog::Execute()
{
    return DoExecute(true);
}
