// SPDX-License-Identifier: MIT
// durnik-make-data DIRECTORY: draws the default mask and the sample pictures into
// DIRECTORY/mask and DIRECTORY/bmp. The build runs it so the data sits beside the programs.
#include "resources/data/SampleData.h"

#include <cstdio>
#include <exception>

int main(int argumentCount, char** arguments)
{
    if (argumentCount != 2) {
        std::fprintf(stderr, "Usage: durnik-make-data DIRECTORY\n");
        return 2;
    }
    try {
        WriteSampleData(arguments[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "durnik-make-data: %s\n", error.what());
        return 1;
    }
    return 0;
}
