// SPDX-License-Identifier: MIT
#include "resources/AsciiArt.h"

#include "platform/rtl/SysUtils.h"

#include <algorithm>
#include <cstddef>

namespace {

[[noreturn]] void RefuseArt(const AnsiString& reason)
{
    throw EInvalidGraphic("The picture drawing is malformed: " + reason);
}

AnsiString Position(std::size_t row, std::size_t column)
{
    return "row " + IntToStr(std::int64_t(row)) + ", column " + IntToStr(std::int64_t(column));
}

// Cursor symbols mapped to the AND and XOR mask colours that give their look.
struct CursorSymbol {
    char symbol;
    COLORREF andColor;
    COLORREF xorColor;
};
constexpr CursorSymbol kCursorSymbols[] = {
    { '.', clWhite, clBlack }, // transparent
    { '#', clBlack, clBlack }, // black
    { 'o', clBlack, clWhite }, // white
};

PixelRaster MonochromeFromArt(ArtRows rows, bool andMask)
{
    ArtColor palette[std::size(kCursorSymbols)];
    for (std::size_t index = 0; index < std::size(kCursorSymbols); ++index) {
        const CursorSymbol& entry = kCursorSymbols[index];
        palette[index] = { entry.symbol, andMask ? entry.andColor : entry.xorColor };
    }
    PixelRaster raster = RasterFromArt(rows, palette);
    raster.monochrome = true;
    return raster;
}

} // namespace

PixelRaster RasterFromArt(ArtRows rows, std::span<const ArtColor> palette)
{
    if (rows.empty() || rows.front().empty())
        RefuseArt("it has no pixels");
    const std::size_t width = rows.front().size();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].size() != width)
            RefuseArt("row " + IntToStr(std::int64_t(row)) + " is not as long as the first");
    }

    PixelRaster raster;
    raster.width = int(width);
    raster.height = int(rows.size());
    raster.pixels.reserve(width * rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < width; ++column) {
            const char symbol = rows[row][column];
            const auto entry = std::find_if(palette.begin(), palette.end(),
                [symbol](const ArtColor& color) { return color.symbol == symbol; });
            if (entry == palette.end())
                RefuseArt("unknown symbol '" + AnsiString(1, symbol) + "' at " + Position(row, column));
            raster.pixels.push_back(entry->color);
        }
    }
    return raster;
}

CursorResource CursorFromArt(ArtRows rows, TPoint hotSpot)
{
    return { MonochromeFromArt(rows, true), MonochromeFromArt(rows, false), hotSpot };
}
