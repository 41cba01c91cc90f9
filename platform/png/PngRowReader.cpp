// SPDX-License-Identifier: MIT
#include "platform/png/PngRowReader.h"

#include "platform/png/PngError.h"
#include "platform/png/PngPixels.h"
#include "platform/png/PngUnfilter.h"

#include <cassert>
#include <cstring>

TPngRowReader::TPngRowReader(const TPngHeader& header, const TPngColours& colours, TPngInflater& inflater)
    : FHeader(header)
    , FColours(colours)
    , FInflater(inflater)
    , FZeros(header.RowBytes(header.width))
{
    const std::span<const TPngPass> passes = FHeader.Passes();
    while (FPass < passes.size() && passes[FPass].Empty())
        ++FPass;
    if (header.interlaced)
        FPassPixels.resize(std::size_t(passes[FPass].width) * 4);
}

std::optional<std::uint32_t> TPngRowReader::NextRowNumber() const
{
    const std::span<const TPngPass> passes = FHeader.Passes();
    if (FPass == passes.size())
        return std::nullopt;
    return passes[FPass].top + FRow * passes[FPass].rowStep;
}

std::uint8_t* TPngRowReader::Inflated(std::size_t length)
{
    std::uint8_t* const stored = FInflater.Next(length + 1);
    if (stored[0] >= kPngFilterCount)
        ThrowInvalidPng("a row has an unknown filter type (" + std::to_string(stored[0]) + ")");
    return stored;
}

const std::uint8_t* TPngRowReader::Unfiltered()
{
    const std::span<const TPngPass> passes = FHeader.Passes();
    assert(FPass < passes.size() && "no row is read after the last");
    const TPngPass& pass = passes[FPass];
    const std::size_t length = FHeader.RowBytes(pass.width);
    const unsigned stride = FHeader.FilterStride();
    const std::uint8_t* row = FUnfilteredNext;
    FUnfilteredNext = nullptr;
    if (!row) {
        std::uint8_t* const stored = Inflated(length);
        const std::uint8_t* const above = FRow == 0 ? FZeros.data() : FPrevious;
        // Two Paeth rows unfilter faster together, so the row below is taken along.
        std::uint8_t* const below = stored[0] == 4 && FRow + 1 < pass.height ? Inflated(length) : nullptr;
        const bool paired
            = below && below[0] == 4 && UnfilterPaethPair(stored + 1, below + 1, above, length, stride);
        if (!paired) {
            UnfilterRow(stored[0], stored + 1, above, length, stride);
            if (below)
                UnfilterRow(below[0], below + 1, stored + 1, length, stride);
        }
        row = stored + 1;
        FUnfilteredNext = below ? below + 1 : nullptr;
    }
    FPrevious = row;
    if (++FRow == pass.height) {
        FRow = 0;
        do
            ++FPass;
        while (FPass < passes.size() && passes[FPass].Empty());
    }
    return row;
}

void TPngRowReader::ReadRgba(std::uint8_t* rgba)
{
    const TPngPass pass = FHeader.Passes()[FPass];
    const std::uint8_t* const stored = Unfiltered();
    if (!FHeader.interlaced) {
        StoredToRgba(FHeader, FColours, stored, pass.width, rgba);
        return;
    }
    FPassPixels.resize(std::size_t(pass.width) * 4);
    StoredToRgba(FHeader, FColours, stored, pass.width, FPassPixels.data());
    for (std::size_t x = 0; x < pass.width; ++x)
        std::memcpy(rgba + 4 * (pass.left + x * pass.columnStep), FPassPixels.data() + 4 * x, 4);
}

void TPngRowReader::ReadColours(COLORREF* pixels)
{
    assert(!FHeader.interlaced && "an interlaced row holds only some of a row's pixels");
    StoredToColours(FHeader, FColours, Unfiltered(), FHeader.width, pixels);
}

void TPngRowReader::Skip()
{
    Unfiltered();
}
