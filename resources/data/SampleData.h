// SPDX-License-Identifier: MIT
// Writes the data that ships beside the program: the default mask mask/iso.bmp and the
// sample pictures in bmp/.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <vector>

// Creates mask/ and bmp/ under directory as needed and saves every file atomically, so
// an interrupted run never leaves a half-written picture. Returns the paths written.
// Raises EInOutError when a directory cannot be made or a file cannot be saved.
std::vector<AnsiString> WriteSampleData(const AnsiString& directory);
