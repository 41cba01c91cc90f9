// SPDX-License-Identifier: MIT
// Translations between Qt's input and cursor vocabulary and ours.
#pragma once

#include "platform/win32/windows/WinUser.h"

#include <QCursor>
#include <QMouseEvent>

// The virtual-key code of a Qt key, or 0 for a key we have no code for.
int VirtualKeyFor(int qtKey);
// The MK_* flags of the buttons held and the modifiers, as mouse messages carry them.
WPARAM MouseKeysFor(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// Our cursor as a Qt cursor: a standard shape, or our monochrome image with its hot spot.
QCursor QtCursorFor(HCURSOR cursor);
