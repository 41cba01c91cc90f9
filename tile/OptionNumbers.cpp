// SPDX-License-Identifier: MIT
#include "tile/OptionNumbers.h"

int PositiveNumber(const char* setting, const AnsiString& text)
{
    const int value = StrToInt(text);
    if (value <= 0)
        throw EConvertError(AnsiString("the ") + setting + " must be a positive number, not " + text);
    return value;
}

int NonNegativeNumber(const char* setting, const AnsiString& text)
{
    const int value = StrToInt(text);
    if (value < 0)
        throw EConvertError(AnsiString("the ") + setting + " must be 0 or more, not " + text);
    return value;
}

int PixelCount(const char* setting, const AnsiString& text, int most)
{
    const int value = StrToInt(text);
    if (value < 0 || value > most)
        throw EConvertError(
            AnsiString("the ") + setting + " must be from 0 to " + IntToStr(most) + " pixels, not " + text);
    return value;
}
