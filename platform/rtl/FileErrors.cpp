// SPDX-License-Identifier: MIT
#include "platform/rtl/FileErrors.h"

#include "platform/rtl/FileNames.h"

#include <cstring>

AnsiString ReasonOf(int error)
{
    return std::strerror(error);
}

void RaiseCannot(const char* action, const AnsiString& hostPath, const AnsiString& reason)
{
    throw EInOutError(AnsiString("Cannot ") + action + " \"" + hostPath + "\": " + reason);
}

void CheckUsableFileName(const char* action, const AnsiString& hostPath)
{
    if (hostPath.empty())
        RaiseCannot(action, hostPath, "No file name was given");
    if (!IsUsableFileName(hostPath))
        RaiseCannot(action, hostPath.c_str(), "The file name contains a NUL character");
}
