// SPDX-License-Identifier: MIT
// The main window's stored layout (Main.dfm), compiled into the program.
#pragma once

extern const char* const kMainFormDescription;
