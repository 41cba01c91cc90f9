// SPDX-License-Identifier: MIT
#include "tile/TileFileConverters.h"

#include "platform/gdi/BmpSampledRead.h"
#include "platform/rtl/OrderedReadAhead.h"
#include "tile/TileComposer.h"

#include <algorithm>
#include <thread>

namespace {

// How many files a reader may get ahead of the one being written: enough to keep every
// reader busy while one file is written, few enough that waiting results stay small.
constexpr std::size_t kFilesAheadPerReader = 2;
constexpr unsigned kMostReadAheadThreads = 4;

} // namespace

struct TSampledTileConverter::SampledSource {
    PixelRaster raster;
    std::shared_ptr<const TSampleMap> map;
};

class TSampledTileConverter::ReadAheadQueue {
public:
    ReadAheadQueue(
        const TSampledTileConverter& converter, std::vector<AnsiString> sourceFiles, unsigned readers)
        : FSourceFiles(std::move(sourceFiles))
        , FSamplers(std::max(readers, 1U), converter.FSampler)
        , FReads(FSourceFiles.size(), unsigned(FSamplers.size()), kFilesAheadPerReader * FSamplers.size(),
              [this, &converter](std::size_t item, unsigned reader) {
                  return converter.Read(FSourceFiles[item], FSamplers[reader]);
              })
    {
    }

    bool IsNext(const AnsiString& sourceFile) const
    {
        return FNext < FSourceFiles.size() && FSourceFiles[FNext] == sourceFile;
    }
    SampledSource TakeNext() { return FReads.Take(FNext++); }

private:
    const std::vector<AnsiString> FSourceFiles;
    std::vector<TSampler> FSamplers; // one per reader thread
    std::size_t FNext = 0;
    TOrderedReadAhead<SampledSource> FReads; // last: its threads use the members above
};

PixelRaster ReadBmpTileSource(const AnsiString& sourceFile, TSampler& sampler)
{
    return ReadBmpFileSampled(sourceFile, sampler);
}

void WriteBmpTile(TBitmap& tile, const TSampleMap&, const AnsiString& tileFile)
{
    tile.SaveToFile(tileFile);
}

TSampledTileConverter::TSampledTileConverter(
    TGraphic* mask, TSampler sampler, TSampledReader read, TTileWriter write)
    : FMask(mask)
    , FSampler(std::move(sampler))
    , FRead(std::move(read))
    , FWrite(std::move(write))
{
}

TSampledTileConverter::~TSampledTileConverter() = default;

void TSampledTileConverter::ReadAhead(std::vector<AnsiString> sourceFiles, unsigned readers)
{
    FReadAhead.reset(); // its readers finish before new ones start
    FReadAhead = std::make_unique<ReadAheadQueue>(*this, std::move(sourceFiles), readers);
}

void TSampledTileConverter::Convert(const AnsiString& sourceFile, const AnsiString& tileFile)
{
    SampledSource source
        = FReadAhead && FReadAhead->IsNext(sourceFile) ? FReadAhead->TakeNext() : Read(sourceFile, FSampler);
    // Sampled to the tile size already, the picture is copied one to one by the compose.
    FSource.SetRaster(std::move(source.raster));
    ComposeTile(&FSource, FMask, FTile, FSampler.Width(), FSampler.Height());
    FWrite(FTile, *source.map, tileFile);
}

TSampledTileConverter::SampledSource TSampledTileConverter::Read(
    const AnsiString& sourceFile, TSampler& sampler) const
{
    PixelRaster raster = FRead(sourceFile, sampler);
    return { std::move(raster), sampler.SharedMap() };
}

unsigned ReadAheadThreads()
{
    return std::clamp(std::thread::hardware_concurrency(), 1U, kMostReadAheadThreads);
}

TConvertFile SampledTileConverter(TGraphic* mask, TSampler sampler, TSampledReader read, TTileWriter write)
{
    auto converter = std::make_shared<TSampledTileConverter>(
        mask, std::move(sampler), std::move(read), std::move(write));
    return [converter](const AnsiString& sourceFile, const AnsiString& tileFile) {
        converter->Convert(sourceFile, tileFile);
    };
}

TConvertFile SampledTileConverter(TGraphic* mask, int width, int height)
{
    return SampledTileConverter(mask, TSampler(width, height));
}
