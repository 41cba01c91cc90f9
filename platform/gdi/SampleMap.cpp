// SPDX-License-Identifier: MIT
#include "platform/gdi/SampleMap.h"

#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/NearestSample.h"
#include "platform/rtl/SysUtils.h"

#include <algorithm>
#include <cassert>

std::optional<TSourcePixel> StretchSample(
    int x, int y, int width, int height, int sourceWidth, int sourceHeight)
{
    return TSourcePixel { NearestSourceIndex(x, width, sourceWidth),
        NearestSourceIndex(y, height, sourceHeight) };
}

TSampleMap::TSampleMap(int sourceWidth, int sourceHeight, int width, int height, const TSampleRule& rule)
    : FSourceWidth(sourceWidth)
    , FSourceHeight(sourceHeight)
    , FWidth(width)
    , FHeight(height)
{
    // Pixel indexes are kept in 32 bits; the picture limit is far below that.
    if (width <= 0 || height <= 0 || std::uint64_t(width) * std::uint64_t(height) > kBmpMaxPixels)
        throw EInvalidGraphicOperation(
            "Cannot sample a picture to " + IntToStr(width) + " x " + IntToStr(height));
    assert(sourceWidth > 0 && sourceHeight > 0 && "a source picture is never empty");

    struct Sample {
        int sourceY;
        Entry entry;
    };
    std::vector<Sample> samples;
    samples.reserve(std::size_t(width) * std::size_t(height));
    FCovered.assign(std::size_t(width) * std::size_t(height), false);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::optional<TSourcePixel> source = rule(x, y, width, height, sourceWidth, sourceHeight);
            if (!source)
                continue;
            assert(source->x >= 0 && source->x < sourceWidth && source->y >= 0 && source->y < sourceHeight
                && "a sample rule stays inside the source");
            const auto destination = std::uint32_t(std::size_t(y) * std::size_t(width) + std::size_t(x));
            samples.push_back({ int(source->y), { destination, std::uint32_t(source->x) } });
            FCovered[destination] = true;
        }
    }
    // Destination order within a row keeps the writes of one source row close together.
    std::stable_sort(samples.begin(), samples.end(),
        [](const Sample& a, const Sample& b) { return a.sourceY < b.sourceY; });
    FEntries.reserve(samples.size());
    for (const Sample& sample : samples) {
        if (FRows.empty() || FRows.back() != sample.sourceY) {
            FRows.push_back(sample.sourceY);
            FRowStarts.push_back(std::uint32_t(FEntries.size()));
        }
        FEntries.push_back(sample.entry);
    }
    FRowStarts.push_back(std::uint32_t(FEntries.size()));
}

std::optional<std::size_t> TSampleMap::RowIndex(int row) const
{
    const auto found = std::lower_bound(FRows.begin(), FRows.end(), row);
    if (found == FRows.end() || *found != row)
        return std::nullopt;
    return std::size_t(found - FRows.begin());
}

PixelRaster TSampleMap::Blank(bool monochrome) const
{
    return { FWidth, FHeight, monochrome,
        std::vector<COLORREF>(std::size_t(FWidth) * std::size_t(FHeight), clWhite) };
}

void TSampleMap::Place(std::size_t rowIndex, const COLORREF* sourceRow, PixelRaster& destination) const
{
    for (std::uint32_t index = FRowStarts[rowIndex]; index < FRowStarts[rowIndex + 1]; ++index)
        destination.pixels[FEntries[index].destination] = sourceRow[FEntries[index].sourceX];
}

void TSampleMap::Fill(COLORREF color, PixelRaster& destination) const
{
    for (const Entry& entry : FEntries)
        destination.pixels[entry.destination] = color;
}

TSampler::TSampler(int width, int height, TSampleRule rule)
    : FWidth(width)
    , FHeight(height)
    , FRule(std::move(rule))
{
}

const TSampleMap& TSampler::MapFor(int sourceWidth, int sourceHeight)
{
    if (!FMap || FMap->SourceWidth() != sourceWidth || FMap->SourceHeight() != sourceHeight)
        FMap = std::make_shared<const TSampleMap>(sourceWidth, sourceHeight, FWidth, FHeight, FRule);
    return *FMap;
}
