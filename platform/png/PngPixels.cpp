// SPDX-License-Identifier: MIT
#include "platform/png/PngPixels.h"

#include <bit>
#include <cstring>

namespace {

std::uint16_t BigEndian16(const std::uint8_t* bytes)
{
    return std::uint16_t(bytes[0] << 8 | bytes[1]);
}

// Sample index of a row of samples of depth bits each (1, 2, 4 or 8).
unsigned PackedSample(const std::uint8_t* stored, std::size_t index, unsigned depth)
{
    const std::size_t bit = index * depth;
    return stored[bit / 8] >> (8 - depth - bit % 8) & ((1u << depth) - 1);
}

void Put(std::uint8_t* rgba, std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha)
{
    rgba[0] = red;
    rgba[1] = green;
    rgba[2] = blue;
    rgba[3] = alpha;
}

void GreyToRgba(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, std::uint8_t* rgba)
{
    const unsigned depth = header.bitDepth;
    // The key is compared with the sample as stored, before it is stretched or cut to 8 bits.
    const auto alpha = [&](unsigned sample) {
        return std::uint8_t(colours.hasTransparentKey && colours.keyGrey == sample ? 0 : 255);
    };
    if (depth == 16) {
        for (std::size_t x = 0; x < count; ++x) {
            const unsigned sample = BigEndian16(stored + 2 * x);
            Put(rgba + 4 * x, std::uint8_t(sample >> 8), std::uint8_t(sample >> 8), std::uint8_t(sample >> 8),
                alpha(sample));
        }
        return;
    }
    const unsigned stretch = 255 / ((1u << depth) - 1);
    for (std::size_t x = 0; x < count; ++x) {
        const unsigned sample = depth == 8 ? stored[x] : PackedSample(stored, x, depth);
        const auto grey = std::uint8_t(sample * stretch);
        Put(rgba + 4 * x, grey, grey, grey, alpha(sample));
    }
}

void RgbToRgba(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, std::uint8_t* rgba)
{
    const bool key = colours.hasTransparentKey;
    if (header.bitDepth == 16) {
        for (std::size_t x = 0; x < count; ++x) {
            const std::uint8_t* pixel = stored + 6 * x;
            const bool transparent = key && BigEndian16(pixel) == colours.keyRed
                && BigEndian16(pixel + 2) == colours.keyGreen && BigEndian16(pixel + 4) == colours.keyBlue;
            Put(rgba + 4 * x, pixel[0], pixel[2], pixel[4], transparent ? 0 : 255);
        }
        return;
    }
    // An 8-bit picture's key keeps only the low byte of each 16-bit value it was stored as.
    const std::uint8_t keyRed = std::uint8_t(colours.keyRed);
    const std::uint8_t keyGreen = std::uint8_t(colours.keyGreen);
    const std::uint8_t keyBlue = std::uint8_t(colours.keyBlue);
    for (std::size_t x = 0; x < count; ++x) {
        const std::uint8_t* pixel = stored + 3 * x;
        const bool transparent = key && pixel[0] == keyRed && pixel[1] == keyGreen && pixel[2] == keyBlue;
        Put(rgba + 4 * x, pixel[0], pixel[1], pixel[2], transparent ? 0 : 255);
    }
}

// Turns a row of RGBA bytes that is opaque throughout into colours in place, in two passes
// the compiler can vectorise; false, changing nothing, when some pixel is not opaque.
bool DropOpaqueAlpha(COLORREF* pixels, std::size_t count)
{
    static_assert(std::endian::native == std::endian::little, "RGBA bytes read as one colour value");
    std::uint32_t allAlpha = 0xFF000000;
    for (std::size_t x = 0; x < count; ++x)
        allAlpha &= pixels[x];
    if (allAlpha != 0xFF000000)
        return false;
    for (std::size_t x = 0; x < count; ++x)
        pixels[x] &= 0x00FFFFFF;
    return true;
}

} // namespace

void StoredToRgba(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, std::uint8_t* rgba)
{
    switch (header.colourType) {
    case TPngColourType::Grey:
        return GreyToRgba(header, colours, stored, count, rgba);
    case TPngColourType::Rgb:
        return RgbToRgba(header, colours, stored, count, rgba);
    case TPngColourType::Palette:
        for (std::size_t x = 0; x < count; ++x) {
            const unsigned index
                = header.bitDepth == 8 ? stored[x] : PackedSample(stored, x, header.bitDepth);
            std::memcpy(rgba + 4 * x, colours.palette[index].data(), 4);
        }
        return;
    case TPngColourType::GreyAlpha: {
        const std::size_t bytes = header.bitDepth / 8;
        for (std::size_t x = 0; x < count; ++x) {
            const std::uint8_t* pixel = stored + 2 * bytes * x;
            Put(rgba + 4 * x, pixel[0], pixel[0], pixel[0], pixel[bytes]);
        }
        return;
    }
    case TPngColourType::Rgba:
        if (header.bitDepth == 8) {
            std::memmove(rgba, stored, 4 * count);
            return;
        }
        for (std::size_t x = 0; x < count; ++x) {
            const std::uint8_t* pixel = stored + 8 * x;
            Put(rgba + 4 * x, pixel[0], pixel[2], pixel[4], pixel[6]);
        }
        return;
    }
}

void StoredToColours(const TPngHeader& header, const TPngColours& colours, const std::uint8_t* stored,
    std::size_t count, COLORREF* pixels)
{
    // The common case, opaque 8-bit colour, goes straight to colours.
    if (header.colourType == TPngColourType::Rgb && header.bitDepth == 8 && !colours.hasTransparentKey) {
        for (std::size_t x = 0; x < count; ++x)
            pixels[x] = RGB(stored[3 * x], stored[3 * x + 1], stored[3 * x + 2]);
        return;
    }
    auto* rgba = reinterpret_cast<std::uint8_t*>(pixels);
    StoredToRgba(header, colours, stored, count, rgba);
    if (!DropOpaqueAlpha(pixels, count))
        RgbaOverWhite(rgba, count, pixels);
}

void RgbaOverWhite(const std::uint8_t* rgba, std::size_t count, COLORREF* pixels)
{
    for (std::size_t x = 0; x < count; ++x) {
        const std::uint8_t* pixel = rgba + 4 * x;
        const unsigned alpha = pixel[3];
        const auto over
            = [alpha](unsigned channel) { return std::uint8_t(255 - ((255 - channel) * alpha + 127) / 255); };
        pixels[x] = alpha == 255 ? RGB(pixel[0], pixel[1], pixel[2])
                                 : RGB(over(pixel[0]), over(pixel[1]), over(pixel[2]));
    }
}
