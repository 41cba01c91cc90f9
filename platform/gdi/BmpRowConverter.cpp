// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpRowConverter.h"

#include "platform/gdi/BmpBytes.h"

#include <cassert>

namespace {

// Marks palette slots the file does not fill; no real colour has these bits.
constexpr COLORREF kNoColor = 0xFF000000;

bool IsByteChannel(const BmpChannelMask& channel, int shift)
{
    return channel.width == 8 && channel.shift == shift;
}

} // namespace

std::uint8_t ScaleChannelTo8Bits(std::uint32_t value, int width)
{
    assert(width >= 1 && width <= 32 && "a channel has between 1 and 32 bits");
    if (width == 8)
        return std::uint8_t(value);
    const std::uint64_t max = (std::uint64_t(1) << width) - 1;
    return std::uint8_t((std::uint64_t(value) * 255 + max / 2) / max);
}

std::uint8_t BmpRowConverter::Channel::Scale(std::uint32_t pixel) const
{
    const std::uint32_t value = (pixel & mask.mask) >> mask.shift;
    return scaled.empty() ? ScaleChannelTo8Bits(value, mask.width) : scaled[value];
}

BmpRowConverter::BmpRowConverter(const BmpInfo& info)
    : FWidth(info.width)
{
    if (info.bitCount <= 8) {
        FLayout = info.bitCount == 1 ? Layout::Indexed1 : info.bitCount == 4 ? Layout::Indexed4 : Layout::Indexed8;
        FTable.assign(std::size_t(1) << info.bitCount, kNoColor);
        for (std::size_t index = 0; index < info.palette.size() && index < FTable.size(); ++index)
            FTable[index] = info.palette[index];
        return;
    }
    if (info.bitCount == 24) {
        FLayout = Layout::Bgr24;
        return;
    }
    const BmpChannelMask* masks[3] = { &info.red, &info.green, &info.blue };
    for (int channel = 0; channel < 3; ++channel) {
        FChannels[channel].mask = *masks[channel];
        const int width = masks[channel]->width;
        if (width > 16)
            continue;
        FChannels[channel].scaled.resize(std::size_t(1) << width);
        for (std::uint32_t value = 0; value < FChannels[channel].scaled.size(); ++value)
            FChannels[channel].scaled[value] = ScaleChannelTo8Bits(value, width);
    }
    if (info.bitCount == 16) {
        FLayout = Layout::Packed16;
        FTable.resize(65536);
        for (std::uint32_t pixel = 0; pixel < 65536; ++pixel)
            FTable[pixel] = RGB(FChannels[0].Scale(pixel), FChannels[1].Scale(pixel), FChannels[2].Scale(pixel));
        return;
    }
    const bool plainBgrx = IsByteChannel(info.red, 16) && IsByteChannel(info.green, 8) && IsByteChannel(info.blue, 0);
    FLayout = plainBgrx ? Layout::Bgrx32 : Layout::Masked32;
}

void BmpRowConverter::Convert(const std::uint8_t* storedRow, COLORREF* pixels) const
{
    switch (FLayout) {
    case Layout::Indexed1:
    case Layout::Indexed4:
    case Layout::Indexed8:
        ConvertIndexed(storedRow, pixels);
        return;
    case Layout::Packed16:
        for (int x = 0; x < FWidth; ++x)
            pixels[x] = FTable[bmp_bytes::ReadU16(storedRow + 2 * x)];
        return;
    case Layout::Bgr24:
        ConvertBgr24(storedRow, pixels);
        return;
    case Layout::Bgrx32:
        for (int x = 0; x < FWidth; ++x, storedRow += 4)
            pixels[x] = RGB(storedRow[2], storedRow[1], storedRow[0]);
        return;
    case Layout::Masked32:
        ConvertMasked32(storedRow, pixels);
        return;
    }
}

void BmpRowConverter::ConvertIndexed(const std::uint8_t* storedRow, COLORREF* pixels) const
{
    COLORREF seen = 0;
    const COLORREF* table = FTable.data();
    switch (FLayout) {
    case Layout::Indexed1:
        for (int x = 0; x < FWidth; ++x) {
            const COLORREF color = table[(storedRow[x >> 3] >> (7 - (x & 7))) & 1];
            seen |= color;
            pixels[x] = color;
        }
        break;
    case Layout::Indexed4:
        for (int x = 0; x < FWidth; ++x) {
            const COLORREF color = table[(storedRow[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            seen |= color;
            pixels[x] = color;
        }
        break;
    case Layout::Indexed8:
        for (int x = 0; x < FWidth; ++x) {
            const COLORREF color = table[storedRow[x]];
            seen |= color;
            pixels[x] = color;
        }
        break;
    case Layout::Packed16:
    case Layout::Bgr24:
    case Layout::Bgrx32:
    case Layout::Masked32:
        assert(false && "only palette layouts are indexed");
        break;
    }
    if ((seen & kNoColor) != 0)
        ThrowInvalidBitmap("a pixel refers to a colour past the end of the palette");
}

void BmpRowConverter::ConvertBgr24(const std::uint8_t* storedRow, COLORREF* pixels) const
{
    // Whole 32-bit loads with the red and blue bytes swapped in registers: the hot loop of
    // decoding photos. The last pixel is read bytewise, as the row may end right after it.
    const int wholeLoads = FWidth - 1;
    for (int x = 0; x < wholeLoads; ++x, storedRow += 3) {
        const std::uint32_t bgr = bmp_bytes::ReadU32(storedRow);
        pixels[x] = ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
    }
    if (FWidth > 0)
        pixels[wholeLoads] = RGB(storedRow[2], storedRow[1], storedRow[0]);
}

void BmpRowConverter::ConvertMasked32(const std::uint8_t* storedRow, COLORREF* pixels) const
{
    for (int x = 0; x < FWidth; ++x) {
        const std::uint32_t pixel = bmp_bytes::ReadU32(storedRow + 4 * x);
        pixels[x] = RGB(FChannels[0].Scale(pixel), FChannels[1].Scale(pixel), FChannels[2].Scale(pixel));
    }
}
