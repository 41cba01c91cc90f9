// SPDX-License-Identifier: MIT
// A sheet's layout options as the user types them, on the command line or in the window.
// Each raises EConvertError with a message for the user on a value it cannot take.
#pragma once

#include "platform/rtl/SysUtils.h"

int SheetColumns(const AnsiString& text);
int SheetSpacing(const AnsiString& text);
int SheetMargin(const AnsiString& text);
int SheetExtrusion(const AnsiString& text);
