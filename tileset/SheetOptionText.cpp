// SPDX-License-Identifier: MIT
#include "tileset/SheetOptionText.h"

#include "tile/OptionNumbers.h"
#include "tileset/SheetLayout.h"

int SheetColumns(const AnsiString& text)
{
    return PositiveNumber("columns", text);
}

int SheetSpacing(const AnsiString& text)
{
    return NonNegativeNumber("spacing", text);
}

int SheetMargin(const AnsiString& text)
{
    return NonNegativeNumber("margin", text);
}

int SheetExtrusion(const AnsiString& text)
{
    return PixelCount("extrusion", text, kMostExtrude);
}
