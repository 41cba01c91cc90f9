// SPDX-License-Identifier: MIT
// Where each pixel of a sampled picture takes its colour from in the source, grouped by
// source row, so a reader can stream the source from top to bottom once and keep only one
// row at a time, whatever the shape of the sampling (a stretch, or a picture laid flat onto
// a diamond).
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

struct TSourcePixel {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The source pixel that destination pixel (x, y) takes, or nullopt where it takes none and
// stays white. Called with the source and destination sizes; must stay inside the source.
using TSampleRule = std::function<std::optional<TSourcePixel>(
    int x, int y, int width, int height, int sourceWidth, int sourceHeight)>;

// The nearest-neighbour stretch of the whole source over the whole destination, exactly as
// StretchBlt samples.
std::optional<TSourcePixel> StretchSample(
    int x, int y, int width, int height, int sourceWidth, int sourceHeight);

class TSampleMap {
public:
    // Raises EInvalidGraphicOperation for a destination that is empty or too large.
    TSampleMap(int sourceWidth, int sourceHeight, int width, int height, const TSampleRule& rule);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int SourceWidth() const { return FSourceWidth; }
    int SourceHeight() const { return FSourceHeight; }
    // The source rows some pixel takes, rising.
    std::span<const int> Rows() const { return FRows; }
    // The position of row in Rows(), or nullopt when no pixel takes it.
    std::optional<std::size_t> RowIndex(int row) const;
    // Whether destination pixel (x, y) takes a source pixel at all.
    bool Covers(int x, int y) const
    {
        return FCovered[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)];
    }

    // A destination raster, white, ready for the rows.
    PixelRaster Blank(bool monochrome) const;
    // Gives the pixels of the row at index rowIndex of Rows() (sourceRow holds the whole
    // source row) to the destination pixels that take them.
    void Place(std::size_t rowIndex, const COLORREF* sourceRow, PixelRaster& destination) const;
    // Gives one colour to every covered destination pixel: what a source row never written
    // holds.
    void Fill(COLORREF color, PixelRaster& destination) const;

private:
    struct Entry {
        std::uint32_t destination; // index into the destination pixels
        std::uint32_t sourceX;
    };

    int FSourceWidth;
    int FSourceHeight;
    int FWidth;
    int FHeight;
    std::vector<int> FRows;
    std::vector<std::uint32_t> FRowStarts; // entries of Rows()[i] are FEntries[starts[i], starts[i + 1])
    std::vector<Entry> FEntries;
    std::vector<bool> FCovered;
};

// Keeps the map of the last source size, so a batch of pictures of one size builds it once.
class TSampler {
public:
    TSampler(int width, int height, TSampleRule rule = StretchSample);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    const TSampleMap& MapFor(int sourceWidth, int sourceHeight);
    // The map of the last MapFor; only valid after one.
    const TSampleMap& Map() const { return *FMap; }
    // The same map, kept alive for a reader on another thread after this sampler has moved
    // on to another size.
    std::shared_ptr<const TSampleMap> SharedMap() const { return FMap; }

private:
    int FWidth;
    int FHeight;
    TSampleRule FRule;
    std::shared_ptr<const TSampleMap> FMap;
};

// The one sampling loop of every reader: rowAt(y) gives the whole source row y, asked for in
// rising order and once each, so a source may keep only the row it was last asked for.
template <typename RowAt> PixelRaster SampleRows(const TSampleMap& map, bool monochrome, RowAt rowAt)
{
    PixelRaster raster = map.Blank(monochrome);
    const std::span<const int> rows = map.Rows();
    for (std::size_t index = 0; index < rows.size(); ++index)
        map.Place(index, rowAt(rows[index]), raster);
    return raster;
}
