// SPDX-License-Identifier: MIT
#include "platform/png/PngHeader.h"

#include "platform/gdi/BmpHeader.h"
#include "platform/png/PngError.h"

#include <string>

namespace {

constexpr std::uint32_t kMaxDimension = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 | std::uint32_t(bytes[2]) << 8
        | bytes[3];
}

bool DepthFits(TPngColourType colourType, unsigned depth)
{
    switch (colourType) {
    case TPngColourType::Grey:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case TPngColourType::Palette:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case TPngColourType::Rgb:
    case TPngColourType::GreyAlpha:
    case TPngColourType::Rgba:
        return depth == 8 || depth == 16;
    }
    return false;
}

// Where each pass starts and how far apart its pixels lie, as Adam7 lays them.
constexpr TPngPass kAdam7[7] = { { 0, 0, 8, 8 }, { 4, 0, 8, 8 }, { 0, 4, 4, 8 }, { 2, 0, 4, 4 },
    { 0, 2, 2, 4 }, { 1, 0, 2, 2 }, { 0, 1, 1, 2 } };

std::uint32_t Count(std::uint32_t size, std::uint32_t start, std::uint32_t step)
{
    return size > start ? (size - start + step - 1) / step : 0;
}

} // namespace

unsigned TPngHeader::Channels() const
{
    switch (colourType) {
    case TPngColourType::Grey:
    case TPngColourType::Palette:
        return 1;
    case TPngColourType::GreyAlpha:
        return 2;
    case TPngColourType::Rgb:
        return 3;
    case TPngColourType::Rgba:
        return 4;
    }
    return 1;
}

std::uint64_t TPngHeader::InflatedSize() const
{
    std::uint64_t total = 0;
    for (const TPngPass& pass : Passes())
        if (!pass.Empty())
            total += std::uint64_t(pass.height) * (RowBytes(pass.width) + 1);
    return total;
}

TPngHeader ParsePngHeader(std::span<const std::uint8_t, 13> data)
{
    TPngHeader header;
    header.width = BigEndian32(data.data());
    header.height = BigEndian32(data.data() + 4);
    header.bitDepth = data[8];
    if (header.width == 0 || header.width > kMaxDimension || header.height == 0
        || header.height > kMaxDimension)
        ThrowInvalidPng("the picture's size is out of range");
    const unsigned colourType = data[9];
    if (colourType > 6 || colourType == 1 || colourType == 5)
        ThrowInvalidPng("unknown colour type " + std::to_string(colourType));
    header.colourType = TPngColourType(colourType);
    if (!DepthFits(header.colourType, header.bitDepth))
        ThrowInvalidPng("a bit depth of " + std::to_string(header.bitDepth) + " does not go with colour type "
            + std::to_string(colourType));
    if (data[10] != 0 || data[11] != 0)
        ThrowInvalidPng("unknown compression or filter method");
    if (data[12] > 1)
        ThrowInvalidPng("unknown interlace method");
    header.interlaced = data[12] == 1;
    if (std::uint64_t(header.width) * header.height > kBmpMaxPixels)
        ThrowInvalidPng("the picture is too large (" + std::to_string(header.width) + " x "
            + std::to_string(header.height) + " pixels)");
    if (!header.interlaced)
        header.passes[0] = { 0, 0, 1, 1, header.width, header.height };
    else
        for (std::size_t index = 0; index < 7; ++index) {
            TPngPass pass = kAdam7[index];
            pass.width = Count(header.width, pass.left, pass.columnStep);
            pass.height = Count(header.height, pass.top, pass.rowStep);
            header.passes[index] = pass;
        }
    return header;
}
