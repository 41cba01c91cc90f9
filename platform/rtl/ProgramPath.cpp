// SPDX-License-Identifier: MIT
#include "platform/rtl/ProgramPath.h"

#include <cstdlib>
#include <memory>

AnsiString ExecutableFileName()
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath("/proc/self/exe", nullptr), &std::free);
    return resolved ? AnsiString(resolved.get()) : AnsiString();
}
