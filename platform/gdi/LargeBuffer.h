// SPDX-License-Identifier: MIT
// Large pixel buffers: most of the cost of a photo-sized raster is the kernel mapping its
// pages one 4 KiB page at a time, so a large buffer asks for huge pages before it is touched.
#pragma once

#include <cstddef>
#include <vector>

// Reserves room for count elements and, when the room is large, asks the kernel to back it
// with huge pages. Only a hint: where the kernel declines, nothing changes.
template <typename T> void ReserveLargeBuffer(std::vector<T>& buffer, std::size_t count);

void AdviseHugePages(void* start, std::size_t bytes);

template <typename T> void ReserveLargeBuffer(std::vector<T>& buffer, std::size_t count)
{
    buffer.reserve(count);
    AdviseHugePages(buffer.data(), count * sizeof(T));
}
