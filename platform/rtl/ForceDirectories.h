// SPDX-License-Identifier: MIT
// Making a folder to write into, with every missing folder above it.
#pragma once

#include "platform/rtl/SysUtils.h"

// Makes the directory and its missing parents; one that exists already is left as it is.
// Raises EInOutError naming the directory and why it cannot be made, e.g.
// "Cannot create the folder "/x/file/out": Not a directory".
void ForceDirectories(const AnsiString& directory);
