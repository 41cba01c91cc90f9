// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpRleDecoder.h"

#include <cassert>
#include <cstddef>

namespace {

class RleStream {
public:
    RleStream(const BmpInfo& info, TSequentialReader& source, const TRleRowSink& sink)
        : FInfo(info)
        , FSource(source)
        , FSink(sink)
        , FFourBits(info.compression == BmpCompression::Rle4)
    {
        SelectRow();
    }

    void Decode();

private:
    std::uint8_t Next();
    void CheckRoom(int count) const;
    void Paint(std::uint8_t index);
    void PaintRun(int count, std::uint8_t indexes);
    void PaintLiteral(int count);
    void Move(int right, int up);
    void SelectRow();

    const BmpInfo& FInfo;
    TSequentialReader& FSource;
    const TRleRowSink& FSink;
    bool FFourBits;
    COLORREF* FRow = nullptr; // where the current row goes; null when it is not kept
    int FX = 0;
    int FStoredRow = 0; // counted from the bottom, as the stream stores rows
};

std::uint8_t RleStream::Next()
{
    std::uint8_t byte = 0;
    if (!FSource.Next(byte))
        ThrowInvalidBitmap("the compressed pixel data is truncated");
    return byte;
}

void RleStream::CheckRoom(int count) const
{
    if (FStoredRow >= FInfo.height)
        ThrowInvalidBitmap("the compressed pixel data goes past the end of the picture");
    if (count > FInfo.width - FX)
        ThrowInvalidBitmap("the compressed pixel data goes past the end of a row");
}

void RleStream::Paint(std::uint8_t index)
{
    if (index >= FInfo.palette.size())
        ThrowInvalidBitmap("a pixel refers to a colour past the end of the palette");
    if (FRow)
        FRow[FX] = FInfo.palette[index];
    ++FX;
}

// In RLE4 the run's byte holds two colours that alternate, high nibble first.
void RleStream::PaintRun(int count, std::uint8_t indexes)
{
    CheckRoom(count);
    for (int pixel = 0; pixel < count; ++pixel) {
        if (!FFourBits)
            Paint(indexes);
        else
            Paint((pixel & 1) ? indexes & 0x0F : indexes >> 4);
    }
}

// Literal pixels are stored whole bytes at a time and padded to an even byte count.
void RleStream::PaintLiteral(int count)
{
    CheckRoom(count);
    const int byteCount = FFourBits ? (count + 1) / 2 : count;
    for (int pixel = 0; pixel < count;) {
        const std::uint8_t indexes = Next();
        if (!FFourBits) {
            Paint(indexes);
            ++pixel;
            continue;
        }
        Paint(indexes >> 4);
        if (++pixel < count)
            Paint(indexes & 0x0F);
        ++pixel;
    }
    if (byteCount % 2 != 0)
        Next();
}

void RleStream::Move(int right, int up)
{
    if (right > FInfo.width - FX || up >= FInfo.height - FStoredRow)
        ThrowInvalidBitmap("a skip in the compressed pixel data goes past the end of the picture");
    FX += right;
    FStoredRow += up;
    SelectRow();
}

void RleStream::SelectRow()
{
    FRow = FStoredRow < FInfo.height ? FSink(FInfo.height - 1 - FStoredRow) : nullptr;
}

void RleStream::Decode()
{
    for (;;) {
        if (FSource.AtEnd() && FStoredRow >= FInfo.height)
            return; // every row is done; an end-of-bitmap code is not required
        const int count = Next();
        const std::uint8_t code = Next();
        if (count > 0) {
            PaintRun(count, code);
            continue;
        }
        switch (code) {
        case 0: // end of line
            if (FStoredRow >= FInfo.height)
                ThrowInvalidBitmap("the compressed pixel data goes past the end of the picture");
            FX = 0;
            ++FStoredRow;
            SelectRow();
            break;
        case 1: // end of bitmap
            return;
        case 2: { // delta: right, then up
            const int right = Next();
            const int up = Next();
            Move(right, up);
            break;
        }
        default: // absolute mode: code literal pixels
            PaintLiteral(code);
            break;
        }
    }
}

} // namespace

void DecodeBmpRle(const BmpInfo& info, std::span<const std::uint8_t> stream, PixelRaster& raster)
{
    assert(info.Compressed() && "only RLE streams are decoded here");
    assert(!info.palette.empty() && "the header parser guarantees a palette");
    raster.width = info.width;
    raster.height = info.height;
    raster.pixels.assign(std::size_t(info.width) * std::size_t(info.height), info.palette[0]);
    const TMemoryByteSource bytes(stream);
    TSequentialReader source(bytes, 0);
    DecodeBmpRleRows(info, source, [&raster](int row) { return raster.Row(row); });
}

void DecodeBmpRleRows(const BmpInfo& info, TSequentialReader& stream, const TRleRowSink& sink)
{
    assert(info.Compressed() && "only RLE streams are decoded here");
    assert(!info.palette.empty() && "the header parser guarantees a palette");
    RleStream(info, stream, sink).Decode();
}
