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

// A run-length stream can only be decoded from its start, and it stores the rows bottom-up;
// each row the map takes is gathered in one row buffer and placed when the stream moves on,
// so memory stays at one row whatever the size of the picture.
PixelRaster ReadCompressedSampled(const TByteSource& bytes, const BmpInfo& info, const TSampleMap& map)
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
    TSequentialReader stream(bytes, info.pixelOffset);
    DecodeBmpRleRows(info, stream, [&](int y) -> COLORREF* {
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

PixelRaster ReadBmpSampled(const TByteSource& bytes, TSampler& sampler)
{
    std::vector<std::uint8_t> head(std::size_t(std::min<std::uint64_t>(bytes.Size(), kBmpMaxHeadBytes)));
    head.resize(bytes.ReadAt(0, head));
    const BmpInfo info = ParseBmpHeader(head, bytes.Size());
    const TSampleMap& map = sampler.MapFor(info.width, info.height);
    if (info.Compressed())
        return ReadCompressedSampled(bytes, info, map);

    const BmpRowConverter converter(info);
    std::vector<std::uint8_t> storedRow(info.rowBytes);
    std::vector<COLORREF> sourceRow(std::size_t(info.width));
    return SampleRows(map, info.Monochrome(), [&](int y) {
        // The header was checked against the size when the source was opened; a file cut
        // short since then must not leave stale bytes in the row.
        if (bytes.ReadAt(info.RowFileOffset(y), storedRow) != storedRow.size())
            ThrowInvalidBitmap("the pixel data is truncated");
        converter.Convert(storedRow.data(), sourceRow.data());
        return sourceRow.data();
    });
}

PixelRaster ReadBmpFileSampled(const AnsiString& path, int width, int height)
{
    TSampler sampler(width, height);
    return ReadBmpFileSampled(path, sampler);
}

PixelRaster ReadBmpFileSampled(const AnsiString& path, TSampler& sampler)
{
    try {
        return ReadBmpSampled(TReadOnlyFile(path), sampler);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(path, error);
    }
}
