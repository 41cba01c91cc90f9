// SPDX-License-Identifier: MIT
#include "platform/rtl/Objects.h"

#include "platform/rtl/SysUtils.h"

void TPersistent::Assign(const TPersistent* source)
{
    if (source == nullptr)
        throw EConvertError("Cannot assign an empty object");
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent*) const
{
    throw EConvertError("Cannot assign an object of this kind to another");
}
