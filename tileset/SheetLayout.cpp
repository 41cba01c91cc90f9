// SPDX-License-Identifier: MIT
#include "tileset/SheetLayout.h"

#include <algorithm>
#include <cassert>
#include <climits>
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

TSheetLayout LayOutSheet(int tileCount, const TTileCell& cell, const TSheetOptions& options)
{
    assert(tileCount > 0 && cell.width > 0 && cell.height > 0 && "a sheet holds tiles");
    assert(options.spacing >= 0 && options.margin >= 0 && options.extrude >= 0
        && "checked with the command line");
    TSheetLayout layout;
    layout.cell = cell;
    layout.tileWidth = cell.PictureWidth();
    layout.tileHeight = cell.PictureHeight();
    layout.tileCount = tileCount;
    layout.columns = options.columns.value_or(SquareColumns(tileCount));
    layout.rows = (tileCount + layout.columns - 1) / layout.columns;
    // The extruded edges lie in the gaps, so the frames stay where a loader expects them.
    const std::int64_t spacing = std::int64_t(options.spacing) + 2 * std::int64_t(options.extrude);
    const std::int64_t margin = std::int64_t(options.margin) + options.extrude;
    layout.extrude = options.extrude;
    const std::int64_t width = SheetSide(layout.columns, layout.tileWidth, spacing, margin);
    const std::int64_t height = SheetSide(layout.rows, layout.tileHeight, spacing, margin);
    if (width > kMostSheetSide || height > kMostSheetSide)
        throw ESheetRefused("the sheet of " + IntToStr(tileCount) + " tiles would be " + std::to_string(width)
            + " x " + std::to_string(height) + " pixels, more than " + IntToStr(kMostSheetSide) + " x "
            + IntToStr(kMostSheetSide)
            + "; make the tiles smaller, choose other --columns or make several sheets");
    // A single tile has no spacing on the sheet, so only the margin is bounded by the check.
    layout.spacing = int(std::min<std::int64_t>(spacing, INT_MAX));
    layout.margin = int(margin);
    layout.width = int(width);
    layout.height = int(height);
    return layout;
}
