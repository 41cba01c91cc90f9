// SPDX-License-Identifier: MIT
#include "platform/png/PngUnfilter.h"

#include <cassert>
#include <cstdlib>

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
template <unsigned Stride> void UnfilterLeftward(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
    std::size_t length, unsigned stride)
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
            row[index] = std::uint8_t(row[index] + Paeth(row[index - step], previous[index], previous[index - step]));
        return;
    default:
        assert(false && "only the filters that look left come here");
    }
}

} // namespace

void UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
    unsigned stride)
{
    assert(filter < kPngFilterCount && "the caller refuses unknown filters");
    if (filter == 0)
        return;
    if (filter == 2) {
        for (std::size_t index = 0; index < length; ++index)
            row[index] = std::uint8_t(row[index] + previous[index]);
        return;
    }
    switch (stride) {
    case 3:
        return UnfilterLeftward<3>(filter, row, previous, length, stride);
    case 4:
        return UnfilterLeftward<4>(filter, row, previous, length, stride);
    default:
        return UnfilterLeftward<0>(filter, row, previous, length, stride);
    }
}
