// SPDX-License-Identifier: MIT
#include "tools/SheetLayout.h"

#include <cassert>
#include <cstdint>

namespace {

int SquareColumns(int tileCount)
{
    int columns = 1;
    while (std::int64_t(columns) * columns < tileCount)
        ++columns;
    return columns;
}

// In 64 bits, as a large spacing or tile count would overflow before the check.
std::int64_t SheetSide(std::int64_t tiles, std::int64_t tileSide, std::int64_t spacing, std::int64_t margin)
{
    return 2 * margin + tiles * tileSide + (tiles - 1) * spacing;
}

} // namespace

TSheetPosition TSheetLayout::Position(int index) const
{
    return { margin + index % columns * (tileWidth + spacing),
        margin + index / columns * (tileHeight + spacing) };
}

TSheetLayout LayOutSheet(int tileCount, int tileWidth, int tileHeight, const TSheetOptions& options)
{
    assert(tileCount > 0 && tileWidth > 0 && tileHeight > 0 && "a sheet holds tiles");
    assert(options.spacing >= 0 && options.margin >= 0 && "checked with the command line");
    TSheetLayout layout;
    layout.tileWidth = tileWidth;
    layout.tileHeight = tileHeight;
    layout.tileCount = tileCount;
    layout.columns = options.columns.value_or(SquareColumns(tileCount));
    layout.rows = (tileCount + layout.columns - 1) / layout.columns;
    layout.spacing = options.spacing;
    layout.margin = options.margin;
    const std::int64_t width = SheetSide(layout.columns, tileWidth, options.spacing, options.margin);
    const std::int64_t height = SheetSide(layout.rows, tileHeight, options.spacing, options.margin);
    if (width > kMostSheetSide || height > kMostSheetSide)
        throw ESheetRefused("the sheet of " + IntToStr(tileCount) + " tiles would be " + std::to_string(width)
            + " x " + std::to_string(height) + " pixels, more than " + IntToStr(kMostSheetSide) + " x "
            + IntToStr(kMostSheetSide)
            + "; make the tiles smaller, choose other --columns or make several sheets");
    layout.width = int(width);
    layout.height = int(height);
    return layout;
}
