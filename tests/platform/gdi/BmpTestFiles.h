// SPDX-License-Identifier: MIT
// Test helpers for the BMP codec: assembling files field by field, decoding them and
// checking rejections. Every file a test decodes is also written to the directory named
// by DURNIK_BMP_CORPUS when that is set, which is how the fuzzer's seed corpus is made.
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint32_t kCoreHeader = 12;
inline constexpr std::uint32_t kInfoHeader = 40;
inline constexpr std::uint32_t kV4Header = 108;
inline constexpr std::uint32_t kV5Header = 124;

inline constexpr std::uint32_t kRgb = 0;
inline constexpr std::uint32_t kRle8 = 1;
inline constexpr std::uint32_t kRle4 = 2;
inline constexpr std::uint32_t kBitFields = 3;

// The parts of a BMP file, set by name; AssembleBmp lays them out with all offsets and
// sizes right. The defaults make a 1 x 1, 24 bpp file.
struct BmpParts {
    std::uint32_t headerSize = kInfoHeader;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks;  // after a 40-byte header, or inside a larger one
    std::vector<COLORREF> palette;     // stored as blue, green, red (and a zero byte)
    std::size_t gap = 0;               // bytes between the palette and the pixels
    Bytes pixels;

    BmpParts& HeaderSize(std::uint32_t value) { headerSize = value; return *this; }
    BmpParts& Width(std::int32_t value) { width = value; return *this; }
    BmpParts& Height(std::int32_t value) { height = value; return *this; }
    BmpParts& BitCount(std::uint16_t value) { bitCount = value; return *this; }
    BmpParts& Compression(std::uint32_t value) { compression = value; return *this; }
    BmpParts& ColorsUsed(std::uint32_t value) { colorsUsed = value; return *this; }
    BmpParts& Masks(std::vector<std::uint32_t> value) { masks = std::move(value); return *this; }
    BmpParts& Palette(std::vector<COLORREF> value) { palette = std::move(value); return *this; }
    BmpParts& Gap(std::size_t value) { gap = value; return *this; }
    BmpParts& Pixels(Bytes value) { pixels = std::move(value); return *this; }
};

Bytes AssembleBmp(const BmpParts& parts);

// ReadBmp, recording the file for the seed corpus.
PixelRaster DecodeTestBmp(std::span<const std::uint8_t> bytes);

// Checks that ReadBmp raises EInvalidGraphic with the usual opening and a message that
// contains keyword.
void ExpectRejected(std::span<const std::uint8_t> bytes, const std::string& keyword);

// 2 x 2, 24 bpp, bottom-up: top row red, white; bottom row blue, green. Exactly what
// WriteBmp makes of that raster.
inline const Bytes kTiny24BottomUp = {
    'B', 'M',             // signature
    70, 0, 0, 0,          // file size
    0, 0, 0, 0,           // reserved
    54, 0, 0, 0,          // pixel data offset
    40, 0, 0, 0,          // info header size
    2, 0, 0, 0,           // width
    2, 0, 0, 0,           // height: positive, so bottom-up
    1, 0,                 // planes
    24, 0,                // bits per pixel
    0, 0, 0, 0,           // compression: none
    16, 0, 0, 0,          // image size
    0x13, 0x0B, 0, 0,     // pixels per metre, x (72 dpi)
    0x13, 0x0B, 0, 0,     // pixels per metre, y
    0, 0, 0, 0,           // colours used
    0, 0, 0, 0,           // important colours
    0xFF, 0, 0, 0, 0xFF, 0, 0, 0,          // bottom row: blue, green, padding
    0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,    // top row: red, white, padding
};
