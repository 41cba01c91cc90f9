// SPDX-License-Identifier: MIT
// Stored pixels of any colour type and bit depth as RGBA bytes, and RGBA laid over white.
#pragma once

#include "platform/gdi/Color.h"
#include "platform/png/PngChunkCheck.h"
#include "platform/png/PngHeader.h"

#include <cstddef>
#include <cstdint>

// count pixels of an unfiltered stored row as 8-bit RGBA: 16-bit samples keep their high
// byte, grey of fewer bits is stretched to the full range, a palette index becomes its entry,
// and the transparent key, where there is one, becomes alpha 0.
void StoredToRgba(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, std::uint8_t* rgba);

// The same pixels as colours laid over white.
void StoredToColours(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, COLORREF* pixels);

// Lays each of count RGBA pixels over white by its alpha, rounding to the nearest. The pixels
// may be the very bytes of rgba: each is read whole before it is written.
void RgbaOverWhite(const std::uint8_t* rgba, std::size_t count, COLORREF* pixels);
