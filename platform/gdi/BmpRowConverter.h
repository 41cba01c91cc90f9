// SPDX-License-Identifier: MIT
// Turns one stored row of an uncompressed BMP into 0x00BBGGRR pixels.
#pragma once

#include "platform/gdi/BmpHeader.h"

#include <cstdint>
#include <vector>

// Scales a channel of the given bit width to 8 bits, rounding to the nearest:
// (value * 255 + max / 2) / max with max = 2^width - 1, so 0 stays 0 and max becomes 255
// for every width (5 bits: (v * 255 + 15) / 31).
std::uint8_t ScaleChannelTo8Bits(std::uint32_t value, int width);

class BmpRowConverter {
public:
    explicit BmpRowConverter(const BmpInfo& info);

    // storedRow holds at least info.rowBytes bytes; pixels receives info.width pixels.
    // Throws EInvalidGraphic when a pixel names a colour past the end of the palette.
    void Convert(const std::uint8_t* storedRow, COLORREF* pixels) const;

private:
    enum class Layout : std::uint8_t { Indexed1, Indexed4, Indexed8, Packed16, Bgr24, Bgrx32, Masked32 };

    struct Channel {
        BmpChannelMask mask;
        std::vector<std::uint8_t> scaled; // by channel value, for widths up to 16 bits
        std::uint8_t Scale(std::uint32_t pixel) const;
    };

    void ConvertIndexed(const std::uint8_t* storedRow, COLORREF* pixels) const;
    void ConvertBgr24(const std::uint8_t* storedRow, COLORREF* pixels) const;
    void ConvertMasked32(const std::uint8_t* storedRow, COLORREF* pixels) const;

    Layout FLayout = Layout::Bgr24;
    int FWidth = 0;
    std::vector<COLORREF> FTable; // palette by index, or every 16-bit pixel's colour
    Channel FChannels[3];         // red, green, blue of a masked 32-bit pixel
};
