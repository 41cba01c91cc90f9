// SPDX-License-Identifier: MIT
// File names on this host. The system writes its paths with "\" ("mask\iso.bmp",
// "\*.bmp"); the file system wants "/". Every file service takes either and maps it here.
#pragma once

#include "platform/rtl/SysUtils.h"

inline bool IsPathSeparator(char character)
{
    return character == '\\' || character == '/';
}

// A name the host can be asked about: not empty, and without a NUL byte, which would end the
// name early at the system call and so address another file.
bool IsUsableFileName(const AnsiString& fileName);

// The name as the host's file system wants it: every "\" becomes "/", so the root "\" is "/".
AnsiString HostPath(const AnsiString& fileName);
