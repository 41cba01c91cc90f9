// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

#include "platform/gdi/Text.h"

TSize TCanvas::TextExtent(const AnsiString& text)
{
    TSize size;
    GetTextExtentPoint32A(Prepared(needsFont), text.data(), int(text.size()), &size);
    return size;
}
