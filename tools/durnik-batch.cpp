// SPDX-License-Identifier: MIT
#include "platform/rtl/ProgramPath.h"
#include "platform/rtl/SysUtils.h"
#include "tools/BatchCommand.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const AnsiString program = ExecutableFileName();
    const TBatchCommandContext context { std::cout, std::cerr, ExtractFilePath(program), ::isatty(STDERR_FILENO) == 1 };
    return RunBatchCommand(std::span<const char* const>(argv + 1, std::size_t(argc > 0 ? argc - 1 : 0)), context);
}
