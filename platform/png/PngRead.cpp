// SPDX-License-Identifier: MIT
#include "platform/png/PngCodec.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/png/PngChunkCheck.h"
#include "platform/png/PngError.h"
#include "platform/png/PngPixels.h"
#include "platform/png/PngRowReader.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <array>
#include <optional>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };

// Deflate packs at most 258 bytes into one code of about two bits, so no sound stream grows
// more than 1032 times when inflated; a picture claiming more pixels than that is a bomb.
constexpr std::uint64_t kMaxInflation = 1032;

// One picture being read: its layout found, its chunks checked and its sizes weighed before
// anything as large as a row is allocated.
class Decoder {
public:
    // A reader that converts every row has the stream inflated on a second thread meanwhile.
    Decoder(const TByteSource& source, std::uint64_t wholeInflateBudget, bool everyRow)
        : FLayout(FindPngLayout(source))
    {
        const TPngHeader& header = FLayout.header;
        if (std::uint64_t(header.height) * header.RowBytes(header.width) > kMaxInflation * source.Size())
            ThrowInvalidPng("the picture is larger than its compressed data can describe");
        FColours = CheckPngChunks(source, FLayout);
        FInflater = OpenPngInflater(source, FLayout, wholeInflateBudget, everyRow);
        FRows.emplace(FLayout.header, FColours, *FInflater);
    }

    const TPngHeader& Header() const { return FLayout.header; }
    TPngRowReader& Rows() { return *FRows; }

    // Reads what is left, so damage anywhere in the image data is found before a tile is written.
    void Finish()
    {
        while (FRows->NextRowNumber())
            FRows->Skip();
        FInflater->Finish();
    }

private:
    TPngLayout FLayout;
    TPngColours FColours;
    std::unique_ptr<TPngInflater> FInflater;
    std::optional<TPngRowReader> FRows;
};

using TMapFor = std::function<const TSampleMap&(int width, int height)>;

// Sampled through the map mapFor gives for the picture's size, or the whole picture without one.
PixelRaster ReadSampled(const TByteSource& source, const TMapFor& mapFor, std::uint64_t wholeInflateBudget)
{
    Decoder decoder(source, wholeInflateBudget, !mapFor);
    const TPngHeader& header = decoder.Header();
    TPngRowReader& rows = decoder.Rows();
    const int width = int(header.width);
    const int height = int(header.height);
    if (!mapFor && !header.interlaced) {
        // A whole picture needs no map to say where each pixel goes: each row is converted
        // straight into its place.
        PixelRaster raster { width, height, false,
            std::vector<COLORREF>(std::size_t(width) * std::size_t(height)) };
        for (int y = 0; y < height; ++y)
            rows.ReadColours(raster.Row(y));
        decoder.Finish();
        return raster;
    }
    std::optional<TSampleMap> identity;
    const TSampleMap& map
        = mapFor ? mapFor(width, height) : identity.emplace(width, height, width, height, StretchSample);
    std::vector<COLORREF> pixels(header.width);
    if (!header.interlaced) {
        int nextRow = 0;
        PixelRaster raster = SampleRows(map, false, [&](int y) {
            for (; nextRow < y; ++nextRow)
                rows.Skip();
            rows.ReadColours(pixels.data());
            ++nextRow;
            return pixels.data();
        });
        decoder.Finish();
        return raster;
    }
    // Each pass of an interlaced picture adds pixels to rows seen before, so the rows the map
    // takes are kept whole until the last pass.
    const std::span<const int> sampledRows = map.Rows();
    std::vector<std::vector<std::uint8_t>> kept(
        sampledRows.size(), std::vector<std::uint8_t>(pixels.size() * 4, 0));
    while (const std::optional<std::uint32_t> row = rows.NextRowNumber()) {
        if (const std::optional<std::size_t> index = map.RowIndex(int(*row)))
            rows.ReadRgba(kept[*index].data());
        else
            rows.Skip();
    }
    decoder.Finish();
    PixelRaster raster = map.Blank(false);
    for (std::size_t index = 0; index < sampledRows.size(); ++index) {
        RgbaOverWhite(kept[index].data(), header.width, pixels.data());
        map.Place(index, pixels.data(), raster);
    }
    return raster;
}

PixelRaster ReadNamed(const AnsiString& path, const TMapFor& mapFor)
{
    try {
        return ReadSampled(TReadOnlyFile(path), mapFor, kWholeInflateBudget);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(path, error);
    }
}

TMapFor MapsOf(TSampler& sampler)
{
    return [&sampler](int width, int height) -> const TSampleMap& { return sampler.MapFor(width, height); };
}

} // namespace

bool IsPngFile(const AnsiString& path)
{
    try {
        const TReadOnlyFile file(path);
        std::array<std::uint8_t, kSignature.size()> start {};
        return file.ReadAt(0, start) == start.size() && start == kSignature;
    } catch (const EInOutError&) {
        return false;
    }
}

PixelRaster ReadPngFileSampled(const AnsiString& path, TSampler& sampler)
{
    return ReadNamed(path, MapsOf(sampler));
}

PixelRaster ReadPngFile(const AnsiString& path)
{
    return ReadNamed(path, {});
}

PixelRaster ReadPngSampled(const TByteSource& bytes, TSampler& sampler, std::uint64_t wholeInflateBudget)
{
    return ReadSampled(bytes, MapsOf(sampler), wholeInflateBudget);
}

PixelRaster ReadPng(const TByteSource& bytes, std::uint64_t wholeInflateBudget)
{
    return ReadSampled(bytes, {}, wholeInflateBudget);
}
