// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpSampledRead.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/BmpRowConverter.h"
#include "platform/gdi/NearestSample.h"
#include "platform/rtl/FileStorage.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <algorithm>
#include <vector>

namespace {

PixelRaster EmptyRaster(int width, int height, bool monochrome)
{
    if (width <= 0 || height <= 0)
        throw EInvalidGraphicOperation("Cannot sample a picture to " + IntToStr(width) + " x " + IntToStr(height));
    PixelRaster raster;
    raster.width = width;
    raster.height = height;
    raster.monochrome = monochrome;
    raster.pixels.resize(std::size_t(width) * std::size_t(height));
    return raster;
}

std::vector<int> SampledColumns(int sourceWidth, int width)
{
    std::vector<int> columns(std::size_t(width), 0);
    for (int x = 0; x < width; ++x)
        columns[std::size_t(x)] = int(NearestSourceIndex(x, width, sourceWidth));
    return columns;
}

void SampleRow(const COLORREF* sourceRow, const std::vector<int>& columns, COLORREF* row)
{
    for (std::size_t x = 0; x < columns.size(); ++x)
        row[x] = sourceRow[columns[x]];
}

} // namespace

PixelRaster SampleRaster(const PixelRaster& source, int width, int height)
{
    PixelRaster raster = EmptyRaster(width, height, source.monochrome);
    const std::vector<int> columns = SampledColumns(source.width, width);
    for (int y = 0; y < height; ++y)
        SampleRow(source.Row(int(NearestSourceIndex(y, height, source.height))), columns, raster.Row(y));
    return raster;
}

namespace {

PixelRaster ReadSampled(const AnsiString& path, int width, int height)
{
    const TReadOnlyFile file(path);
    std::vector<std::uint8_t> head(std::size_t(std::min<std::uint64_t>(file.Size(), kBmpMaxHeadBytes)));
    head.resize(file.ReadAt(0, head));
    const BmpInfo info = ParseBmpHeader(head, file.Size());
    if (info.Compressed()) {
        // A run-length stream can only be decoded from its start.
        return SampleRaster(ReadBmp(ReadFileBytes(path)), width, height);
    }

    PixelRaster raster = EmptyRaster(width, height, info.Monochrome());
    const std::vector<int> columns = SampledColumns(info.width, width);
    const BmpRowConverter converter(info);
    std::vector<std::uint8_t> storedRow(info.rowBytes);
    std::vector<COLORREF> sourceRow(std::size_t(info.width));
    int convertedRow = -1;
    for (int y = 0; y < height; ++y) {
        const int sourceY = int(NearestSourceIndex(y, height, info.height));
        if (sourceY != convertedRow) {
            // The header was checked against the size at opening; a file cut short since then
            // must not leave stale bytes in the row.
            if (file.ReadAt(info.RowFileOffset(sourceY), storedRow) != storedRow.size())
                ThrowInvalidBitmap("the pixel data is truncated");
            converter.Convert(storedRow.data(), sourceRow.data());
            convertedRow = sourceY;
        }
        SampleRow(sourceRow.data(), columns, raster.Row(y));
    }
    return raster;
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
