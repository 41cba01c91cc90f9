// SPDX-License-Identifier: MIT
// Registers the program's compiled-in resources under the names the program loads them
// by. The program's main calls this once before any window is made.
#pragma once

inline constexpr const char* kHandCursorName = "DN_HANDCUR";
inline constexpr const char* kDragCursorName = "DN_DRAGCUR";
inline constexpr const char* kFolderGlyphName = "FEDITBMP";
inline constexpr const char* kMainIconName = "MAINICON";

void RegisterDurnikResources();
