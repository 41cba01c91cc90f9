// SPDX-License-Identifier: MIT
// System colours read from the application palette, so our own painting follows the
// desktop theme.
#pragma once

#include "platform/gdi/Color.h"

#include <QPalette>

COLORREF SystemColorFromPalette(const QPalette& palette, int index);
