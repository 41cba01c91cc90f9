// SPDX-License-Identifier: MIT
#include "platform/gdi/BlitEngine.h"

#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/Rop3.h"

#include <algorithm>
#include <cassert>
#include <optional>

namespace {

enum class SourceConversion : std::uint8_t { Color, Monochrome, MonochromeToColor, ColorToMonochrome };

// Reads the source pixels of one destination row, converted for the destination.
class SourceRowReader {
public:
    SourceRowReader(const BlitSource& source, const GdiDc& dest, std::size_t count)
        : FSource(source)
        , FRaster(&source.dc->bitmap->raster)
        , FDestText(dest.textColor)
        , FDestBk(dest.bkColor)
        , FSourceBk(source.dc->bkColor & 0x00FFFFFF)
        , FRow(count)
    {
        const bool monochromeSource = FRaster->monochrome;
        const bool monochromeDest = dest.bitmap->raster.monochrome;
        if (monochromeSource == monochromeDest)
            FConversion = monochromeDest ? SourceConversion::Monochrome : SourceConversion::Color;
        else
            FConversion = monochromeDest ? SourceConversion::ColorToMonochrome : SourceConversion::MonochromeToColor;
        if (FRaster == &dest.bitmap->raster)
            TakeSnapshot();
    }

    const COLORREF* Row(std::size_t destRowIndex)
    {
        const COLORREF* sourceRow = FRaster->Row(FRows[destRowIndex]);
        const int* columns = FColumns.data();
        switch (FConversion) {
        case SourceConversion::Color:
            Gather(sourceRow, columns, [](COLORREF pixel) { return pixel; });
            break;
        case SourceConversion::Monochrome:
            Gather(sourceRow, columns, [](COLORREF pixel) { return MonochromeBit(pixel); });
            break;
        case SourceConversion::MonochromeToColor:
            Gather(sourceRow, columns, [this](COLORREF pixel) { return (pixel & 1) ? FDestBk : FDestText; });
            break;
        case SourceConversion::ColorToMonochrome:
            Gather(sourceRow, columns,
                [this](COLORREF pixel) { return (pixel & 0x00FFFFFF) == FSourceBk ? 0x00FFFFFF : 0; });
            break;
        }
        return FRow.data();
    }

private:
    template <typename Convert>
    void Gather(const COLORREF* sourceRow, const int* columns, Convert convert)
    {
        for (std::size_t index = 0; index < FRow.size(); ++index)
            FRow[index] = convert(sourceRow[columns[index]]);
    }

    // Source and destination are one bitmap: read from a copy of the part the maps
    // reach, so rows written early are not read back as source later.
    void TakeSnapshot()
    {
        const auto [minColumn, maxColumn] = std::minmax_element(FColumns.begin(), FColumns.end());
        const auto [minRow, maxRow] = std::minmax_element(FRows.begin(), FRows.end());
        const int left = *minColumn;
        const int top = *minRow;
        FSnapshot.width = *maxColumn - left + 1;
        FSnapshot.height = *maxRow - top + 1;
        FSnapshot.monochrome = FRaster->monochrome;
        FSnapshot.pixels.resize(std::size_t(FSnapshot.width) * std::size_t(FSnapshot.height));
        for (int y = 0; y < FSnapshot.height; ++y) {
            const COLORREF* from = FRaster->Row(top + y) + left;
            std::copy(from, from + FSnapshot.width, FSnapshot.Row(y));
        }
        for (int& column : FColumns)
            column -= left;
        for (int& row : FRows)
            row -= top;
        FRaster = &FSnapshot;
    }

    const BlitSource& FSource;
    const PixelRaster* FRaster;
    COLORREF FDestText;
    COLORREF FDestBk;
    COLORREF FSourceBk;
    SourceConversion FConversion = SourceConversion::Color;
    std::vector<int> FColumns = FSource.columns;
    std::vector<int> FRows = FSource.rows;
    std::vector<COLORREF> FRow;
    PixelRaster FSnapshot;
};

} // namespace

void RunBlit(GdiDc& dest, const TRect& rect, const GdiBrush* brush, std::uint8_t truthTable,
    const BlitSource* source)
{
    assert(dest.bitmap && "a blit needs a destination bitmap");
    assert(!rect.IsEmpty() && "callers skip empty rectangles");
    PixelRaster& target = dest.bitmap->raster;
    const auto count = std::size_t(rect.Width());
    const bool usesSource = RopUsesSource(truthTable);
    assert((!usesSource || (source && source->dc->bitmap && source->columns.size() == count
                && source->rows.size() == std::size_t(rect.Height())))
        && "an operation that reads the source needs a full source map");

    std::optional<SourceRowReader> sourceReader;
    if (usesSource)
        sourceReader.emplace(*source, dest, count);
    std::optional<BrushPattern> pattern;
    if (RopUsesPattern(truthTable))
        pattern.emplace(brush, dest, rect.Left, rect.Width());
    // A monochrome destination computes on bit 0 of each operand, so stray values stored
    // in it are read as the black or white their bit 0 says.
    const bool normaliseDest = target.monochrome && RopUsesDest(truthTable);

    for (int y = rect.Top; y < rect.Bottom; ++y) {
        COLORREF* destPixels = target.Row(y) + rect.Left;
        if (normaliseDest)
            std::transform(destPixels, destPixels + count, destPixels, MonochromeBit);
        const COLORREF* sourcePixels = sourceReader ? sourceReader->Row(std::size_t(y - rect.Top)) : nullptr;
        const COLORREF* patternPixels = pattern ? pattern->Row(y) : nullptr;
        ApplyRop3Row(truthTable, destPixels, sourcePixels, patternPixels, count);
    }
}

void FillLogicalRect(GdiDc& dest, const WideRect& logical, const GdiBrush* brush, std::uint8_t truthTable)
{
    FillDeviceRect(dest, ToDevice(dest, logical), brush, truthTable);
}

void FillDeviceRect(GdiDc& dest, const WideRect& device, const GdiBrush* brush, std::uint8_t truthTable)
{
    const TRect rect = ClipTo(device, DrawableArea(dest));
    if (!rect.IsEmpty())
        RunBlit(dest, rect, brush, truthTable, nullptr);
}
