// SPDX-License-Identifier: MIT
// The picture's header and what follows from it: how its rows are stored, pass by pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

enum class TPngColourType : std::uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

// One pass of the stored picture: the whole picture, or one of Adam7's seven.
struct TPngPass {
    std::uint32_t left = 0;
    std::uint32_t top = 0;
    std::uint32_t columnStep = 1;
    std::uint32_t rowStep = 1;
    std::uint32_t width = 0; // pixels a row of this pass holds
    std::uint32_t height = 0; // rows it holds
    bool Empty() const { return width == 0 || height == 0; }
};

struct TPngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    TPngColourType colourType = TPngColourType::Grey;
    bool interlaced = false;

    unsigned Channels() const;
    unsigned BitsPerPixel() const { return Channels() * bitDepth; }
    // The distance at which the filters look back for "the pixel to the left": whole bytes.
    unsigned FilterStride() const { return BitsPerPixel() < 8 ? 1 : BitsPerPixel() / 8; }
    // Bytes of one stored row of width pixels, without its filter byte.
    std::size_t RowBytes(std::uint32_t pixels) const
    {
        return (std::size_t(pixels) * BitsPerPixel() + 7) / 8;
    }
    // The passes in stored order; the empty ones of a small interlaced picture included.
    std::span<const TPngPass> Passes() const { return std::span(passes).first(interlaced ? 7 : 1); }
    // Every byte the image data inflates to: each stored row and its filter byte.
    std::uint64_t InflatedSize() const;

    std::array<TPngPass, 7> passes {}; // filled by ParsePngHeader
};

// Reads the 13 bytes of the header chunk. Raises EInvalidGraphic for a size, depth, colour
// type or method no reader may accept, and for a picture larger than the toolkit holds.
TPngHeader ParsePngHeader(std::span<const std::uint8_t, 13> data);
