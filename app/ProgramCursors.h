// SPDX-License-Identifier: MIT
// The two extra screen cursors of the program, registered at start-up. No control selects
// them; they stay in the screen's table for the whole run.
#pragma once

#include "platform/vcl/controls/Control.h"

inline constexpr TCursor crHandCursor = 14000;
inline constexpr TCursor crDragCursor = 14001;

// Loads "DN_HANDCUR" and "DN_DRAGCUR" from the program's resources into Screen.Cursors as
// 14000 and 14001, in that order. The resources must have been registered.
void RegisterProgramCursors();
