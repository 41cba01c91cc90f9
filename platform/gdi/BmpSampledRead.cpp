// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpSampledRead.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/BmpRleDecoder.h"
#include "platform/gdi/BmpRowConverter.h"
#include "platform/gdi/NearestSample.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <algorithm>
#include <vector>

namespace {

void CheckSampleSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw EInvalidGraphicOperation("Cannot sample a picture to " + IntToStr(width) + " x " + IntToStr(height));
}

// The one sampling loop: rowAt(y) gives the pixels of source row y, asked for in rising order
// and once per destination row, so a source may keep only the row it was last asked for.
template <typename RowAt>
PixelRaster Sample(int sourceWidth, int sourceHeight, bool monochrome, int width, int height, RowAt rowAt)
{
    CheckSampleSize(width, height);
    PixelRaster raster { width, height, monochrome, std::vector<COLORREF>(std::size_t(width) * std::size_t(height)) };
    std::vector<int> columns(std::size_t(width), 0);
    for (int x = 0; x < width; ++x)
        columns[std::size_t(x)] = int(NearestSourceIndex(x, width, sourceWidth));
    for (int y = 0; y < height; ++y) {
        const COLORREF* sourceRow = rowAt(int(NearestSourceIndex(y, height, sourceHeight)));
        COLORREF* row = raster.Row(y);
        for (std::size_t x = 0; x < columns.size(); ++x)
            row[x] = sourceRow[columns[x]];
    }
    return raster;
}

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

// The stored rows a stretch to height samples, in rising order.
std::vector<int> SampledRows(int sourceHeight, int height)
{
    std::vector<int> rows;
    for (int y = 0; y < height; ++y) {
        const int row = int(NearestSourceIndex(y, height, sourceHeight));
        if (rows.empty() || rows.back() != row)
            rows.push_back(row);
    }
    return rows;
}

// A run-length stream can only be decoded from its start, but only the sampled rows are
// kept, so memory stays at those rows whatever the size of the picture.
PixelRaster ReadCompressedSampled(const TReadOnlyFile& file, const BmpInfo& info, int width, int height)
{
    const std::vector<int> rows = SampledRows(info.height, height);
    PixelRaster kept { info.width, int(rows.size()), false, {} };
    kept.pixels.assign(std::size_t(info.width) * rows.size(), info.palette[0]);
    const auto keptRow = [&](int row) -> COLORREF* {
        const auto found = std::lower_bound(rows.begin(), rows.end(), row);
        return found != rows.end() && *found == row ? kept.Row(int(found - rows.begin())) : nullptr;
    };
    FileByteSource source(file, info.pixelOffset);
    DecodeBmpRleRows(info, source, keptRow);
    return Sample(info.width, info.height, false, width, height, keptRow);
}

} // namespace

PixelRaster SampleRaster(const PixelRaster& source, int width, int height)
{
    return Sample(source.width, source.height, source.monochrome, width, height, [&source](int y) { return source.Row(y); });
}

namespace {

PixelRaster ReadSampled(const AnsiString& path, int width, int height)
{
    CheckSampleSize(width, height);
    const TReadOnlyFile file(path);
    std::vector<std::uint8_t> head(std::size_t(std::min<std::uint64_t>(file.Size(), kBmpMaxHeadBytes)));
    head.resize(file.ReadAt(0, head));
    const BmpInfo info = ParseBmpHeader(head, file.Size());
    if (info.Compressed())
        return ReadCompressedSampled(file, info, width, height);

    const BmpRowConverter converter(info);
    std::vector<std::uint8_t> storedRow(info.rowBytes);
    std::vector<COLORREF> sourceRow(std::size_t(info.width));
    int convertedRow = -1;
    return Sample(info.width, info.height, info.Monochrome(), width, height, [&](int y) {
        if (y != convertedRow) {
            // The header was checked against the size at opening; a file cut short since then
            // must not leave stale bytes in the row.
            if (file.ReadAt(info.RowFileOffset(y), storedRow) != storedRow.size())
                ThrowInvalidBitmap("the pixel data is truncated");
            converter.Convert(storedRow.data(), sourceRow.data());
            convertedRow = y;
        }
        return sourceRow.data();
    });
}

} // namespace

PixelRaster ReadBmpFileSampled(const AnsiString& path, int width, int height)
{
    try {
        return ReadSampled(path, width, height);
    } catch (const EInvalidGraphic& error) {
        ThrowCannotLoad(path, error);
    }
}
