// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/FileNames.h"

void ThrowCannotLoad(const AnsiString& fileName, const EInvalidGraphic& error)
{
    throw EInvalidGraphic("Cannot load \"" + HostPath(fileName) + "\": " + error.Message());
}
