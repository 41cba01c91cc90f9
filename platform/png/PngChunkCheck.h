// SPDX-License-Identifier: MIT
// Every chunk but the image data, checked by libspng exactly as when it read whole files,
// and what those chunks say about the picture's colours.
#pragma once

#include "platform/png/PngLayout.h"

#include <array>
#include <cstdint>

struct TPngColours {
    // RGBA of each palette index, with its transparency; an index past the palette's end is
    // opaque black.
    std::array<std::array<std::uint8_t, 4>, 256> palette {};
    // The one grey or colour that stands for a transparent pixel (grey and RGB pictures).
    bool hasTransparentKey = false;
    std::uint16_t keyGrey = 0;
    std::uint16_t keyRed = 0;
    std::uint16_t keyGreen = 0;
    std::uint16_t keyBlue = 0;
};

// libspng reads the file with the picture replaced by a single pixel and its image data by
// that pixel's, so its checks of order, size, checksum and content of every other chunk, up
// to and including the end marker, cost next to nothing. Raises EInvalidGraphic saying what
// it found; EInOutError when the file cannot be read.
TPngColours CheckPngChunks(const TByteSource& source, const TPngLayout& layout);
