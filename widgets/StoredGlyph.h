// SPDX-License-Identifier: MIT
// The glyph bitmap of a button or an edit as a form description stores it ("Glyph.Data").
#pragma once

#include "platform/vcl/components/FormParser.h"
#include "platform/vcl/graphics/Graphics.h"

// Loads glyph from stored binary data: a 32-bit length followed by a BMP file, or a bare BMP
// file. Anything but binary data raises EReadError.
void ReadStoredGlyph(const TFormValue& value, TBitmap& glyph);
