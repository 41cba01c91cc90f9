// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpHeader.h"

#include "platform/gdi/BmpBytes.h"

#include <algorithm>
#include <bit>
#include <string>

using bmp_bytes::ReadS32;
using bmp_bytes::ReadU16;
using bmp_bytes::ReadU32;

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Compression codes as stored in the info header.
constexpr std::uint32_t kStoredRgb = 0;
constexpr std::uint32_t kStoredRle8 = 1;
constexpr std::uint32_t kStoredRle4 = 2;
constexpr std::uint32_t kStoredBitFields = 3;
constexpr std::uint32_t kStoredJpeg = 4;
constexpr std::uint32_t kStoredPng = 5;
constexpr std::uint32_t kStoredAlphaBitFields = 6;

// The fields of whichever info header the file carries, widened to one shape.
struct StoredInfo {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    int planes = 1;
    int bitCount = 0;
    std::uint32_t compression = kStoredRgb;
    std::uint32_t colorsUsed = 0;
    int maskCount = 0;              // masks stored right after a 40-byte header
    std::uint32_t masks[3] = {};    // red, green, blue when the header holds them
};

bool KnownHeaderSize(std::uint32_t size)
{
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108
        || size == 124;
}

StoredInfo ReadStoredInfo(std::span<const std::uint8_t> head)
{
    if (head.size() < kFileHeaderSize + 4)
        ThrowInvalidBitmap("the file header is truncated");
    StoredInfo info;
    info.headerSize = ReadU32(&head[kFileHeaderSize]);
    if (!KnownHeaderSize(info.headerSize))
        ThrowInvalidBitmap("the bitmap header has an unknown size of " + std::to_string(info.headerSize) + " bytes");
    if (head.size() < kFileHeaderSize + info.headerSize)
        ThrowInvalidBitmap("the bitmap header is truncated");

    const std::uint8_t* fields = &head[kFileHeaderSize];
    if (info.headerSize == kCoreHeaderSize) {
        // The OS/2 core header: 16-bit unsigned sizes, always bottom-up, never compressed.
        info.width = ReadU16(fields + 4);
        info.height = ReadU16(fields + 6);
        info.planes = ReadU16(fields + 8);
        info.bitCount = ReadU16(fields + 10);
        return info;
    }
    info.width = ReadS32(fields + 4);
    info.height = ReadS32(fields + 8);
    info.planes = ReadU16(fields + 12);
    info.bitCount = ReadU16(fields + 14);
    info.compression = ReadU32(fields + 16);
    info.colorsUsed = ReadU32(fields + 32);
    if (info.headerSize == kInfoHeaderSize) {
        if (info.compression == kStoredBitFields)
            info.maskCount = 3;
        if (info.compression == kStoredAlphaBitFields)
            info.maskCount = 4;
        if (head.size() < kFileHeaderSize + kInfoHeaderSize + 4 * std::uint64_t(info.maskCount))
            ThrowInvalidBitmap("the colour masks are truncated");
        if (info.maskCount == 0)
            return info;
    }
    // Masks follow the 40-byte part, inside the larger headers or right after the short one.
    const std::uint8_t* masks = fields + kInfoHeaderSize;
    for (int channel = 0; channel < 3; ++channel)
        info.masks[channel] = ReadU32(masks + 4 * channel);
    return info;
}

BmpCompression ResolveCompression(std::uint32_t stored)
{
    switch (stored) {
    case kStoredRgb:
        return BmpCompression::Rgb;
    case kStoredRle8:
        return BmpCompression::Rle8;
    case kStoredRle4:
        return BmpCompression::Rle4;
    case kStoredBitFields:
    case kStoredAlphaBitFields:
        return BmpCompression::BitFields;
    case kStoredJpeg:
        ThrowInvalidBitmap("it holds a JPEG picture, which is not supported inside a bitmap");
    case kStoredPng:
        ThrowInvalidBitmap("it holds a PNG picture, which is not supported inside a bitmap");
    }
    ThrowInvalidBitmap("the compression method " + std::to_string(stored) + " is unknown");
}

void CheckDepth(const StoredInfo& stored, BmpCompression compression)
{
    const int bits = stored.bitCount;
    const bool known = stored.headerSize == kCoreHeaderSize
        ? (bits == 1 || bits == 4 || bits == 8 || bits == 24)
        : (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32);
    if (!known)
        ThrowInvalidBitmap("a colour depth of " + std::to_string(bits) + " bits per pixel is not supported");
    const bool matches = (compression == BmpCompression::Rgb)
        || (compression == BmpCompression::Rle8 && bits == 8) || (compression == BmpCompression::Rle4 && bits == 4)
        || (compression == BmpCompression::BitFields && (bits == 16 || bits == 32));
    if (!matches)
        ThrowInvalidBitmap("its compression method does not fit a colour depth of " + std::to_string(bits) + " bits");
}

void SetSize(const StoredInfo& stored, BmpInfo& info)
{
    if (stored.width <= 0)
        ThrowInvalidBitmap("its width is zero or negative");
    if (stored.height == 0)
        ThrowInvalidBitmap("its height is zero");
    info.topDown = stored.height < 0;
    const std::int64_t height = info.topDown ? -stored.height : stored.height;
    if (info.topDown && info.Compressed())
        ThrowInvalidBitmap("a compressed bitmap cannot be stored top-down");
    // Both factors are below 2^32, so the product cannot overflow.
    if (std::uint64_t(stored.width) * std::uint64_t(height) > kBmpMaxPixels)
        ThrowInvalidBitmap("the picture is too large (" + std::to_string(stored.width) + " x " + std::to_string(height)
            + " pixels)");
    info.width = int(stored.width);
    info.height = int(height);
}

BmpChannelMask DescribeMask(std::uint32_t mask, int bitCount)
{
    if (mask == 0)
        ThrowInvalidBitmap("a colour mask is empty");
    if (bitCount < 32 && (mask >> bitCount) != 0)
        ThrowInvalidBitmap("a colour mask lies outside the pixel");
    BmpChannelMask channel;
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    channel.width = std::popcount(mask);
    if (channel.shift + channel.width < 32 && (mask >> (channel.shift + channel.width)) != 0)
        ThrowInvalidBitmap("a colour mask is not one run of bits");
    return channel;
}

void SetMasks(const StoredInfo& stored, BmpInfo& info)
{
    std::uint32_t masks[3] = { 0x00FF0000, 0x0000FF00, 0x000000FF };
    if (info.bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    if (info.compression == BmpCompression::BitFields) {
        std::copy(std::begin(stored.masks), std::end(stored.masks), masks);
        if ((masks[0] & masks[1]) != 0 || (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0)
            ThrowInvalidBitmap("its colour masks overlap");
    }
    if (info.bitCount < 16)
        return;
    info.red = DescribeMask(masks[0], info.bitCount);
    info.green = DescribeMask(masks[1], info.bitCount);
    info.blue = DescribeMask(masks[2], info.bitCount);
}

// A palette that overlaps the pixels is a damaged or forged header: the colours it would
// read past its end are pixel bytes.
void ReadPalette(std::span<const std::uint8_t> head, const StoredInfo& stored, std::uint64_t paletteStart,
    BmpInfo& info)
{
    if (info.bitCount > 8)
        return;
    const std::uint64_t entrySize = stored.headerSize == kCoreHeaderSize ? 3 : 4;
    const std::uint64_t fullCount = std::uint64_t(1) << info.bitCount;
    if (stored.colorsUsed > fullCount)
        ThrowInvalidBitmap("it claims " + std::to_string(stored.colorsUsed) + " palette colours, more than "
            + std::to_string(info.bitCount) + " bits per pixel can use");
    const std::uint64_t count = stored.colorsUsed == 0 ? fullCount : stored.colorsUsed;
    const std::uint64_t paletteEnd = paletteStart + count * entrySize;
    if (info.pixelOffset == paletteStart)
        ThrowInvalidBitmap("its colour palette is missing");
    if (paletteEnd > info.fileSize)
        ThrowInvalidBitmap("its colour palette runs past the end of the file");
    if (paletteEnd > info.pixelOffset)
        ThrowInvalidBitmap("its colour palette runs into the pixel data");
    if (head.size() < paletteEnd)
        ThrowInvalidBitmap("its colour palette is truncated");
    info.palette.reserve(count);
    for (std::uint64_t index = 0; index < count; ++index) {
        const std::uint8_t* entry = &head[paletteStart + index * entrySize];
        info.palette.push_back(RGB(entry[2], entry[1], entry[0]));
    }
}

void SetGeometry(BmpInfo& info)
{
    const std::uint64_t rowBits = std::uint64_t(info.width) * std::uint64_t(info.bitCount);
    info.rowBytes = (rowBits + 7) / 8;
    info.rowStride = (rowBits + 31) / 32 * 4;
    const std::uint64_t available = info.fileSize - info.pixelOffset;
    if (!info.Compressed()) {
        // The last row's padding is not needed: some writers leave it out.
        const std::uint64_t needed = info.rowStride * std::uint64_t(info.height - 1) + info.rowBytes;
        if (available < needed)
            ThrowInvalidBitmap("the pixel data is truncated");
        return;
    }
    if (available < 2)
        ThrowInvalidBitmap("the compressed pixel data is truncated");
    // One two-byte run paints at most 255 pixels; allow twice that density, which still
    // lets end-of-line and delta codes skip parts of a picture, but refuses a tiny file
    // that claims a huge raster.
    if (std::uint64_t(info.width) * std::uint64_t(info.height) > 256 * available)
        ThrowInvalidBitmap("the picture is larger than its compressed data can describe");
}

} // namespace

void ThrowInvalidBitmap(const AnsiString& reason)
{
    throw EInvalidGraphic("The file is not a valid bitmap: " + reason);
}

std::uint64_t BmpInfo::RowFileOffset(int y) const
{
    const std::uint64_t storedRow = topDown ? std::uint64_t(y) : std::uint64_t(height - 1 - y);
    return pixelOffset + storedRow * rowStride;
}

bool BmpInfo::Monochrome() const
{
    return bitCount == 1 && palette.size() == 2 && palette[0] == clBlack && palette[1] == clWhite;
}

BmpInfo ParseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize)
{
    if (head.size() > fileSize)
        head = head.first(fileSize);
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M')
        ThrowInvalidBitmap("it does not start with the signature \"BM\"");
    const StoredInfo stored = ReadStoredInfo(head);
    if (stored.planes != 1)
        ThrowInvalidBitmap("it has " + std::to_string(stored.planes) + " colour planes instead of one");

    BmpInfo info;
    info.fileSize = fileSize;
    info.bitCount = stored.bitCount;
    info.compression = ResolveCompression(stored.compression);
    CheckDepth(stored, info.compression);
    SetSize(stored, info);
    SetMasks(stored, info);

    const std::uint64_t paletteStart = kFileHeaderSize + stored.headerSize + 4 * std::uint64_t(stored.maskCount);
    info.pixelOffset = ReadU32(&head[10]);
    if (info.pixelOffset < paletteStart)
        ThrowInvalidBitmap("its pixel data would start inside the header");
    if (info.pixelOffset >= fileSize)
        ThrowInvalidBitmap("its pixel data would start past the end of the file");
    ReadPalette(head, stored, paletteStart, info);
    SetGeometry(info);
    return info;
}
