// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpSampledRead.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/BmpRleDecoder.h"
#include "platform/gdi/BmpRowConverter.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// An RLE stream read from the file a block at a time, so a large picture never needs its
// whole stream in memory.
class FileByteSource final : public TRleByteSource {
public:
    FileByteSource(const TReadOnlyFile& file, std::uint64_t start)
        : FFile(file), FNextOffset(start), FBuffer(std::size_t { 1 } << 16)
    {
    }
    bool Next(std::uint8_t& byte) override
    {
        if (FPosition == FFilled && !Refill())
            return false;
        byte = FBuffer[FPosition++];
        return true;
    }
    bool AtEnd() const override { return FPosition == FFilled && FNextOffset >= FFile.Size(); }

private:
    bool Refill()
    {
        if (FNextOffset >= FFile.Size())
            return false;
        FFilled = FFile.ReadAt(FNextOffset, FBuffer);
        FNextOffset += FFilled;
        FPosition = 0;
        if (FFilled == 0)
            FNextOffset = FFile.Size(); // cut short since it was opened: the stream ends here
        return FFilled > 0;
    }

    const TReadOnlyFile& FFile;
    std::uint64_t FNextOffset;
    std::vector<std::uint8_t> FBuffer;
    std::size_t FFilled = 0;
    std::size_t FPosition = 0;
};

// A run-length stream can only be decoded from its start, and it stores the rows bottom-up;
// each row the map takes is gathered in one row buffer and placed when the stream moves on,
// so memory stays at one row whatever the size of the picture.
PixelRaster ReadCompressedSampled(const TReadOnlyFile& file, const BmpInfo& info, const TSampleMap& map)
{
    const COLORREF background = info.palette[0];
    PixelRaster raster = map.Blank(false);
    map.Fill(background, raster); // rows the stream skips
    std::vector<COLORREF> row(std::size_t(info.width));
    std::optional<std::size_t> gathering; // index in map.Rows() of the row in the buffer
    int gatheredRow = -1;
    const auto placeGathered = [&] {
        if (gathering)
            map.Place(*gathering, row.data(), raster);
        gathering.reset();
    };
    FileByteSource source(file, info.pixelOffset);
    DecodeBmpRleRows(info, source, [&](int y) -> COLORREF* {
        if (y == gatheredRow) // a skip within the row selects it again
            return gathering ? row.data() : nullptr;
        placeGathered();
        gatheredRow = y;
        gathering = map.RowIndex(y);
        if (!gathering)
            return nullptr;
        std::fill(row.begin(), row.end(), background);
        return row.data();
    });
    placeGathered();
    return raster;
}

} // namespace

PixelRaster SampleRaster(const PixelRaster& source, TSampler& sampler)
{
    return SampleRows(sampler.MapFor(source.width, source.height), source.monochrome,
        [&source](int y) { return source.Row(y); });
}

PixelRaster SampleRaster(const PixelRaster& source, int width, int height)
{
    TSampler sampler(width, height);
    return SampleRaster(source, sampler);
}

namespace {

PixelRaster ReadSampled(const AnsiString& path, TSampler& sampler)
{
    const TReadOnlyFile file(path);
    std::vector<std::uint8_t> head(std::size_t(std::min<std::uint64_t>(file.Size(), kBmpMaxHeadBytes)));
    head.resize(file.ReadAt(0, head));
    const BmpInfo info = ParseBmpHeader(head, file.Size());
    const TSampleMap& map = sampler.MapFor(info.width, info.height);
    if (info.Compressed())
        return ReadCompressedSampled(file, info, map);

    const BmpRowConverter converter(info);
    std::vector<std::uint8_t> storedRow(info.rowBytes);
    std::vector<COLORREF> sourceRow(std::size_t(info.width));
    return SampleRows(map, info.Monochrome(), [&](int y) {
        // The header was checked against the size at opening; a file cut short since then
        // must not leave stale bytes in the row.
        if (file.ReadAt(info.RowFileOffset(y), storedRow) != storedRow.size())
            ThrowInvalidBitmap("the pixel data is truncated");
        converter.Convert(storedRow.data(), sourceRow.data());
        return sourceRow.data();
    });
}

} // namespace

PixelRaster ReadBmpFileSampled(const AnsiString& path, int width, int height)
{
    TSampler sampler(width, height);
    return ReadBmpFileSampled(path, sampler);
}

PixelRaster ReadBmpFileSampled(const AnsiString& path, TSampler& sampler)
{
    try {
        return ReadSampled(path, sampler);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(path, error);
    }
}
