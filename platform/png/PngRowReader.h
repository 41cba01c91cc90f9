// SPDX-License-Identifier: MIT
// The stored rows of a picture one after the other, pass by pass for an interlaced one:
// inflated, unfiltered and turned into pixels.
#pragma once

#include "platform/gdi/Color.h"
#include "platform/png/PngChunkCheck.h"
#include "platform/png/PngInflate.h"

#include <cstdint>
#include <optional>
#include <vector>

class TPngRowReader {
public:
    TPngRowReader(const TPngHeader& header, const TPngColours& colours, TPngInflater& inflater);

    // The picture row the next read fills, or nothing once every stored row has been read.
    std::optional<std::uint32_t> NextRowNumber() const;
    // Reads the next stored row and lays its pixels, as RGBA, at their columns of rgba (four
    // bytes for each pixel of the picture's width); an interlaced pass leaves the others as
    // they are.
    void ReadRgba(std::uint8_t* rgba);
    // Reads the next row of a picture stored without interlacing as colours laid over white.
    void ReadColours(COLORREF* pixels);
    // Reads the next stored row without turning it into pixels: a row no one takes still
    // predicts the row below it.
    void Skip();

private:
    // The next stored row, inflated and unfiltered; raises EInvalidGraphic for an unknown filter.
    const std::uint8_t* Unfiltered();
    // The next stored row, inflated, after its filter byte; raises EInvalidGraphic for an
    // unknown filter.
    std::uint8_t* Inflated(std::size_t length);

    const TPngHeader& FHeader;
    const TPngColours& FColours;
    TPngInflater& FInflater;
    std::size_t FPass = 0;
    std::uint32_t FRow = 0; // within the pass
    const std::uint8_t* FPrevious = nullptr;
    const std::uint8_t* FUnfilteredNext = nullptr; // the row below, unfiltered with the last
    std::vector<std::uint8_t> FZeros; // the row above every pass's first
    std::vector<std::uint8_t> FPassPixels; // RGBA of one row of an interlaced pass
};
