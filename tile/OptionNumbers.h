// SPDX-License-Identifier: MIT
// Whole numbers typed by the user for a named setting, checked against its range. Each raises
// EConvertError with a message for the user naming the setting and what was typed, so the
// command line and the window word a refusal alike.
#pragma once

#include "platform/rtl/SysUtils.h"

int PositiveNumber(const char* setting, const AnsiString& text);
int NonNegativeNumber(const char* setting, const AnsiString& text);
// A number of pixels from 0 to most.
int PixelCount(const char* setting, const AnsiString& text, int most);
