// SPDX-License-Identifier: MIT
#include "platform/png/PngError.h"

void ThrowInvalidPng(const AnsiString& reason)
{
    throw EInvalidGraphic("The file is not a valid PNG picture: " + reason);
}
