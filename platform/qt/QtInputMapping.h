// SPDX-License-Identifier: MIT
// Translations between Qt's input and cursor vocabulary and ours.
#pragma once

#include "platform/win32/windows/WinUser.h"

#include "platform/rtl/SysUtils.h"

#include <QCursor>
#include <QMimeData>
#include <QMouseEvent>

#include <vector>

// The virtual-key code of a Qt key, or 0 for a key we have no code for.
int VirtualKeyFor(int qtKey);
// The MK_* flags of the buttons held and the modifiers, as mouse messages carry them.
WPARAM MouseKeysFor(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// Our cursor as a Qt cursor: a standard shape, or our monochrome image with its hot spot.
QCursor QtCursorFor(HCURSOR cursor);
// The local files a drag carries, as native paths; none for anything else.
std::vector<AnsiString> LocalFiles(const QMimeData* data);
