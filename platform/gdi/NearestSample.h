// SPDX-License-Identifier: MIT
// The one nearest-neighbour rule of every stretch, so that a picture sampled straight from
// its file matches the same picture stretched on a canvas pixel for pixel.
#pragma once

#include <cstdint>

// Position offset of destLength takes source index ((2 * offset + 1) * sourceLength) div
// (2 * destLength): the source pixel under the centre of the destination pixel. Lengths are
// at most 2^31, so the product stays below 2^63.
inline std::int64_t NearestSourceIndex(std::int64_t offset, std::int64_t destLength, std::int64_t sourceLength)
{
    return std::int64_t((2 * std::uint64_t(offset) + 1) * std::uint64_t(sourceLength) / (2 * std::uint64_t(destLength)));
}
