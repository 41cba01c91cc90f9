// SPDX-License-Identifier: MIT
// Our logical fonts as Qt fonts, and the text engine that lets Qt rasterise text into our
// pixel rasters.
#pragma once

#include "platform/gdi/Text.h"

#include <QFont>

// The classic face names map to the sans, serif and monospace faces the install script
// provides; a negative height is the character height in pixels, a positive one the cell.
QFont QtFontFor(const LOGFONT& font);

class QtTextEngine final : public TextEngine {
public:
    TEXTMETRIC Metrics(const LOGFONT& font) override;
    int Width(const LOGFONT& font, std::string_view text) override;
    void DrawLine(PixelRaster& raster, const TRect& clip, int x, int y, const LOGFONT& font,
        std::string_view text, COLORREF color) override;
};
