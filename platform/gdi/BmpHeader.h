// SPDX-License-Identifier: MIT
// The headers of a BMP file, parsed and validated apart from the pixels, so that a
// caller can also read single stored rows of an uncompressed file straight from disk.
#pragma once

#include "platform/gdi/Color.h"
#include "platform/rtl/SysUtils.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum class BmpCompression : std::uint8_t { Rgb, Rle8, Rle4, BitFields };

// One colour channel of a packed 16- or 32-bit pixel.
struct BmpChannelMask {
    std::uint32_t mask = 0;
    int shift = 0; // position of the lowest set bit
    int width = 0; // number of set bits, contiguous
};

struct BmpInfo {
    int width = 0;
    int height = 0;          // always positive; see topDown
    bool topDown = false;    // rows are stored bottom-up unless the header's height is negative
    int bitCount = 0;        // 1, 4, 8, 16, 24 or 32
    BmpCompression compression = BmpCompression::Rgb;
    std::vector<COLORREF> palette; // as many entries as the file holds, at most 2^bitCount
    BmpChannelMask red, green, blue; // 16 and 32 bpp only; the defaults when not BitFields
    std::uint64_t pixelOffset = 0;  // file offset of the first stored row or the RLE stream
    std::uint64_t rowStride = 0;    // bytes between stored rows, a multiple of 4
    std::uint64_t rowBytes = 0;     // bytes holding the pixels of one row, without padding
    std::uint64_t fileSize = 0;

    bool Compressed() const { return compression == BmpCompression::Rle8 || compression == BmpCompression::Rle4; }
    // File offset of the stored row that becomes raster row y (0 = top). Uncompressed only.
    std::uint64_t RowFileOffset(int y) const;
    // Exactly 1 bpp with palette black then white: the picture is a monochrome bitmap.
    bool Monochrome() const;
};

// Room for the longest file header, info header, masks and palette together. A caller
// that reads only part of a file passes at least this many bytes (or the whole file).
inline constexpr std::size_t kBmpMaxHeadBytes = 14 + 124 + 16 + 256 * 4;

// Largest raster we decode, in pixels (1 GiB of 32-bit pixels).
inline constexpr std::uint64_t kBmpMaxPixels = std::uint64_t(1) << 28;

// Parses and validates the headers and palette found in head (the start of a file of
// fileSize bytes). Checks that uncompressed pixel data fits in the file and that an RLE
// picture is not larger than its stream can justify. Throws EInvalidGraphic.
BmpInfo ParseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Raises EInvalidGraphic with "The file is not a valid bitmap: " followed by reason.
[[noreturn]] void ThrowInvalidBitmap(const AnsiString& reason);
