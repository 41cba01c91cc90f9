// SPDX-License-Identifier: MIT
// The one way the PNG reader refuses a file.
#pragma once

#include "platform/rtl/SysUtils.h"

// Raises EInvalidGraphic("The file is not a valid PNG picture: <reason>").
[[noreturn]] void ThrowInvalidPng(const AnsiString& reason);
