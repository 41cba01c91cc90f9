// SPDX-License-Identifier: MIT
// Errors of the system's object services, as the toolkit raises them.
#pragma once

#include "platform/win32/shell/ComApi.h"

class EOleError : public Exception {
    using Exception::Exception;
};

class EOleSysError : public EOleError {
public:
    EOleSysError(const AnsiString& message, HRESULT errorCode)
        : EOleError(message)
        , FErrorCode(errorCode)
    {
    }
    HRESULT ErrorCode() const { return FErrorCode; }

private:
    HRESULT FErrorCode;
};

// Raises EOleSysError with the code's description when the result is a failure.
void OleCheck(HRESULT result);
