// SPDX-License-Identifier: MIT
#include "platform/vcl/components/ComObj.h"

void OleCheck(HRESULT result)
{
    if (FAILED(result))
        throw EOleSysError(ComErrorMessage(result), result);
}
