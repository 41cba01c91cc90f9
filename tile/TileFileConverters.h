// SPDX-License-Identifier: MIT
// How a batch without a window turns one picture file into one tile file. It composes with
// ComposeTile, as the window does, so both write the same tile for the same picture.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tile/BatchConverter.h"

#include <functional>
#include <memory>
#include <vector>

// Reads a source file already sampled to the tile through the sampler. Must not touch
// anything shared: with read-ahead it runs on several threads at once, each with its own
// sampler.
using TSampledReader = std::function<PixelRaster(const AnsiString& sourceFile, TSampler& sampler)>;
// Writes a composed tile; the map (the sampler's, for this source) tells which tile pixels
// the source covers.
using TTileWriter = std::function<void(TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile)>;

// The sampled BMP reader and the tile's own BMP save.
PixelRaster ReadBmpTileSource(const AnsiString& sourceFile, TSampler& sampler);
void WriteBmpTile(TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile);

// For batches without a window: only the part of each picture the sampling takes is read,
// so the cost does not grow with the size of the pictures. Sources may be read ahead on
// worker threads; composing and writing stay on the caller's thread, in the caller's order,
// so a batch still stops at its first failure with nothing written after it.
class TSampledTileConverter {
public:
    // mask must outlive the converter.
    TSampledTileConverter(TGraphic* mask, TSampler sampler, TSampledReader read = ReadBmpTileSource,
        TTileWriter write = WriteBmpTile);
    ~TSampledTileConverter();
    TSampledTileConverter(const TSampledTileConverter&) = delete;
    TSampledTileConverter& operator=(const TSampledTileConverter&) = delete;

    // Starts reading these sources on readers threads, a few files ahead of the one being
    // converted. A Convert of the next planned source takes its reading; any other source is
    // read there and then.
    void ReadAhead(std::vector<AnsiString> sourceFiles, unsigned readers);
    void Convert(const AnsiString& sourceFile, const AnsiString& tileFile);

private:
    struct SampledSource;
    class ReadAheadQueue;

    SampledSource Read(const AnsiString& sourceFile, TSampler& sampler) const;

    TGraphic* FMask;
    TSampler FSampler;
    TSampledReader FRead;
    TTileWriter FWrite;
    TBitmap FSource; // one source and tile bitmap serve every file
    TBitmap FTile;
    std::unique_ptr<ReadAheadQueue> FReadAhead;
};

// The number of threads worth reading pictures on: one per core, a few at most, as each
// holds a decoder and the disk is shared.
unsigned ReadAheadThreads();

// A converter reading each source when it is converted, as a plain function.
TConvertFile SampledTileConverter(TGraphic* mask, TSampler sampler, TSampledReader read = ReadBmpTileSource,
    TTileWriter write = WriteBmpTile);

// A stretch to width x height, BMP in and out.
TConvertFile SampledTileConverter(TGraphic* mask, int width, int height);
