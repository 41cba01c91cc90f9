// SPDX-License-Identifier: MIT
// Where the running program lives, so it can find the data installed beside it.
#pragma once

#include "platform/rtl/SysUtils.h"

// The absolute, link-resolved file name of the running program ("/usr/lib/durnik/durnik"),
// so a program started through a link in bin/ still finds its own directory. Empty when the
// system does not tell.
AnsiString ExecutableFileName();
