// SPDX-License-Identifier: MIT
#include "platform/png/PngUnfilter.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

std::uint8_t Paeth(int left, int above, int aboveLeft)
{
    const int towardsLeft = std::abs(above - aboveLeft);
    const int towardsAbove = std::abs(left - aboveLeft);
    const int towardsAboveLeft = std::abs(left + above - 2 * aboveLeft);
    if (towardsLeft <= towardsAbove && towardsLeft <= towardsAboveLeft)
        return std::uint8_t(left);
    return std::uint8_t(towardsAbove <= towardsAboveLeft ? above : aboveLeft);
}

// The filters that look left, with the stride known when compiling for the common pixel sizes,
// so each byte's dependence on the one a pixel back is a register, not a load.
template <unsigned Stride>
void UnfilterLeftward(
    std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length, unsigned stride)
{
    const std::size_t step = Stride != 0 ? Stride : stride;
    const std::size_t first = step < length ? step : length;
    switch (filter) {
    case 1:
        for (std::size_t index = step; index < length; ++index)
            row[index] = std::uint8_t(row[index] + row[index - step]);
        return;
    case 3:
        for (std::size_t index = 0; index < first; ++index)
            row[index] = std::uint8_t(row[index] + previous[index] / 2);
        for (std::size_t index = step; index < length; ++index)
            row[index] = std::uint8_t(row[index] + (row[index - step] + previous[index]) / 2);
        return;
    case 4:
        for (std::size_t index = 0; index < first; ++index)
            row[index] = std::uint8_t(row[index] + previous[index]);
        for (std::size_t index = step; index < length; ++index)
            row[index] = std::uint8_t(
                row[index] + Paeth(row[index - step], previous[index], previous[index - step]));
        return;
    default:
        assert(false && "only the filters that look left come here");
    }
}

#if defined(__SSE2__)
// The filters that look left, a pixel of three or four bytes at a time in one register: each
// pixel waits for the one on its left, so its channels are best done together, and without
// branches, which the noise of a photograph makes a coin toss.
//
// A pixel is loaded and stored four bytes at a time, even a three-byte one, so no load waits
// on a narrower store before it; the fourth byte belongs to the next pixel and is written back
// unchanged. Only the last pixel of a row, whose fourth byte may lie past the row, goes
// three bytes at a time.
__m128i Load4(const std::uint8_t* bytes)
{
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, bytes, 4);
    return _mm_cvtsi32_si128(int(pixel));
}

__m128i Load3(const std::uint8_t* bytes)
{
    return _mm_cvtsi32_si128(int(bytes[0] | bytes[1] << 8 | bytes[2] << 16));
}

void Store4(std::uint8_t* bytes, __m128i value)
{
    const auto pixel = std::uint32_t(_mm_cvtsi128_si32(value));
    std::memcpy(bytes, &pixel, 4);
}

void Store3(std::uint8_t* bytes, __m128i value)
{
    const auto pixel = std::uint32_t(_mm_cvtsi128_si32(value));
    bytes[0] = std::uint8_t(pixel);
    bytes[1] = std::uint8_t(pixel >> 8);
    bytes[2] = std::uint8_t(pixel >> 16);
}

__m128i Select(__m128i mask, __m128i whereSet, __m128i elsewhere)
{
    return _mm_or_si128(_mm_and_si128(mask, whereSet), _mm_andnot_si128(mask, elsewhere));
}

__m128i Absolute16(__m128i value)
{
    return _mm_max_epi16(value, _mm_sub_epi16(_mm_setzero_si128(), value));
}

// One filter's work on a pixel, given the raw bytes and those above; keeps what the next
// pixel needs and returns the pixel to add to the raw bytes, limited to the pixel's own bytes.
struct SubStep {
    __m128i left = _mm_setzero_si128();
    __m128i operator()(__m128i, __m128i pixelMask) const { return _mm_and_si128(left, pixelMask); }
    void Keep(__m128i pixel, __m128i) { left = pixel; }
};

struct AverageStep {
    __m128i left = _mm_setzero_si128();
    __m128i operator()(__m128i above, __m128i pixelMask) const
    {
        // _mm_avg_epu8 rounds up; the filter rounds down.
        const __m128i roundedUp = _mm_avg_epu8(left, above);
        const __m128i average
            = _mm_sub_epi8(roundedUp, _mm_and_si128(_mm_xor_si128(left, above), _mm_set1_epi8(1)));
        return _mm_and_si128(average, pixelMask);
    }
    void Keep(__m128i pixel, __m128i) { left = pixel; }
};

// The Paeth predictor of 16-bit channels, branch-free.
__m128i PaethPrediction(__m128i left, __m128i above, __m128i aboveLeft)
{
    const __m128i aboveMinusAboveLeft = _mm_sub_epi16(above, aboveLeft);
    const __m128i leftMinusAboveLeft = _mm_sub_epi16(left, aboveLeft);
    const __m128i towardsLeft = Absolute16(aboveMinusAboveLeft);
    const __m128i towardsAbove = Absolute16(leftMinusAboveLeft);
    const __m128i towardsAboveLeft = Absolute16(_mm_add_epi16(aboveMinusAboveLeft, leftMinusAboveLeft));
    const __m128i nearest = _mm_min_epi16(_mm_min_epi16(towardsLeft, towardsAbove), towardsAboveLeft);
    // Ties go to the left, then to above, as the predictor's order has them.
    const __m128i prediction = Select(_mm_cmpeq_epi16(towardsAbove, nearest), above, aboveLeft);
    return Select(_mm_cmpeq_epi16(towardsLeft, nearest), left, prediction);
}

struct PaethStep {
    __m128i left = _mm_setzero_si128(); // 16 bits a channel
    __m128i aboveLeft = _mm_setzero_si128();
    __m128i above16 = _mm_setzero_si128();
    __m128i operator()(__m128i above, __m128i pixelMask)
    {
        above16 = _mm_unpacklo_epi8(above, _mm_setzero_si128());
        const __m128i prediction = PaethPrediction(left, above16, aboveLeft);
        return _mm_and_si128(_mm_packus_epi16(prediction, _mm_setzero_si128()), pixelMask);
    }
    void Keep(__m128i pixel, __m128i pixelMask)
    {
        left = _mm_unpacklo_epi8(_mm_and_si128(pixel, pixelMask), _mm_setzero_si128());
        aboveLeft = above16;
    }
};

template <std::size_t Bytes, typename Step>
void UnfilterWith(Step step, std::uint8_t* row, const std::uint8_t* previous, std::size_t length)
{
    const __m128i pixelMask = _mm_cvtsi32_si128(Bytes == 4 ? -1 : 0x00FFFFFF);
    const std::size_t wide = Bytes == 4 ? length : length - Bytes; // pixels safe to take four bytes at a time
    std::size_t index = 0;
    // Each pixel's raw bytes are loaded before the pixel to its left is stored, whose fourth
    // byte they share, so the load never waits for that store.
    __m128i raw = index < wide ? Load4(row) : _mm_setzero_si128();
    for (; index < wide; index += Bytes) {
        const __m128i nextRaw = index + Bytes < wide ? Load4(row + index + Bytes) : _mm_setzero_si128();
        const __m128i pixel = _mm_add_epi8(raw, step(Load4(previous + index), pixelMask));
        Store4(row + index, pixel);
        step.Keep(pixel, pixelMask);
        raw = nextRaw;
    }
    if (index < length)
        Store3(row + index, _mm_add_epi8(Load3(row + index), step(Load3(previous + index), pixelMask)));
}

// Two Paeth rows in one register: the upper row's pixel x in its low half, the lower row's
// pixel x - 1 in its high half, whose pixel above is the upper one finished the step before.
// Stores of three-byte pixels are three bytes wide, so no later load overlaps them.
template <std::size_t Bytes>
void UnfilterPaethPairOf(
    std::uint8_t* upper, std::uint8_t* lower, const std::uint8_t* previous, std::size_t length)
{
    const std::size_t count = length / Bytes;
    const __m128i zero = _mm_setzero_si128();
    const __m128i pixelMask = _mm_cvtsi32_si128(Bytes == 4 ? -1 : 0x00FFFFFF);
    const __m128i pairMask = _mm_unpacklo_epi32(pixelMask, pixelMask);
    const auto load = [length](const std::uint8_t* bytes, std::size_t pixel) {
        const std::size_t offset = pixel * Bytes;
        return offset + 4 <= length ? Load4(bytes + offset) : Load3(bytes + offset);
    };
    const auto store = [](std::uint8_t* bytes, std::size_t pixel, __m128i value) {
        Bytes == 4 ? Store4(bytes + pixel * Bytes, value) : Store3(bytes + pixel * Bytes, value);
    };
    __m128i left = zero; // 16 bits a channel, both halves
    __m128i aboveLeft = zero;
    __m128i upperFinished = zero; // the upper pixel of the step before, bytes
    for (std::size_t x = 0; x <= count; ++x) {
        const __m128i upperRaw = x < count ? load(upper, x) : zero;
        const __m128i upperAbove = x < count ? load(previous, x) : zero;
        const __m128i lowerRaw = x > 0 ? load(lower, x - 1) : zero;
        const __m128i raw = _mm_unpacklo_epi32(upperRaw, lowerRaw);
        const __m128i above = _mm_unpacklo_epi8(_mm_unpacklo_epi32(upperAbove, upperFinished), zero);
        const __m128i prediction = _mm_packus_epi16(PaethPrediction(left, above, aboveLeft), zero);
        const __m128i pixels = _mm_add_epi8(raw, _mm_and_si128(prediction, pairMask));
        if (x < count)
            store(upper, x, pixels);
        if (x > 0)
            store(lower, x - 1, _mm_srli_si128(pixels, 4));
        upperFinished = _mm_and_si128(pixels, pixelMask);
        left = _mm_unpacklo_epi8(_mm_and_si128(pixels, pairMask), zero);
        aboveLeft = above;
    }
}

// Whole pixels of three or four bytes; false when the stride is another.
bool UnfilterPixels(
    std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length, unsigned stride)
{
    if ((stride != 3 && stride != 4) || length % stride != 0)
        return false;
    const bool three = stride == 3;
    switch (filter) {
    case 1:
        three ? UnfilterWith<3>(SubStep {}, row, previous, length)
              : UnfilterWith<4>(SubStep {}, row, previous, length);
        return true;
    case 3:
        three ? UnfilterWith<3>(AverageStep {}, row, previous, length)
              : UnfilterWith<4>(AverageStep {}, row, previous, length);
        return true;
    case 4:
        three ? UnfilterWith<3>(PaethStep {}, row, previous, length)
              : UnfilterWith<4>(PaethStep {}, row, previous, length);
        return true;
    default:
        return false;
    }
}

bool UnfilterPaethPairs(std::uint8_t* upper, std::uint8_t* lower, const std::uint8_t* previous,
    std::size_t length, unsigned stride)
{
    if ((stride != 3 && stride != 4) || length % stride != 0)
        return false;
    stride == 3 ? UnfilterPaethPairOf<3>(upper, lower, previous, length)
                : UnfilterPaethPairOf<4>(upper, lower, previous, length);
    return true;
}
#else
bool UnfilterPixels(std::uint8_t, std::uint8_t*, const std::uint8_t*, std::size_t, unsigned)
{
    return false;
}

bool UnfilterPaethPairs(std::uint8_t*, std::uint8_t*, const std::uint8_t*, std::size_t, unsigned)
{
    return false;
}
#endif

} // namespace

void UnfilterRow(
    std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length, unsigned stride)
{
    assert(filter < kPngFilterCount && "the caller refuses unknown filters");
    if (filter == 0)
        return;
    if (filter == 2) {
        for (std::size_t index = 0; index < length; ++index)
            row[index] = std::uint8_t(row[index] + previous[index]);
        return;
    }
    if (UnfilterPixels(filter, row, previous, length, stride))
        return;
    switch (stride) {
    case 3:
        return UnfilterLeftward<3>(filter, row, previous, length, stride);
    case 4:
        return UnfilterLeftward<4>(filter, row, previous, length, stride);
    default:
        return UnfilterLeftward<0>(filter, row, previous, length, stride);
    }
}

bool UnfilterPaethPair(std::uint8_t* upper, std::uint8_t* lower, const std::uint8_t* previous,
    std::size_t length, unsigned stride)
{
    return UnfilterPaethPairs(upper, lower, previous, length, stride);
}
