// SPDX-License-Identifier: MIT
// The one wording of file errors: "Cannot <action> "<path>": <reason>".
#pragma once

#include "platform/rtl/SysUtils.h"

AnsiString ReasonOf(int error); // the system's text for an errno value
[[noreturn]] void RaiseCannot(const char* action, const AnsiString& hostPath, const AnsiString& reason);
// Refuses an empty name and a name with a NUL byte, which would address another file.
void CheckUsableFileName(const char* action, const AnsiString& hostPath);
