// SPDX-License-Identifier: MIT
#include "platform/gdi/LargeBuffer.h"

#include <cstdint>
#include <sys/mman.h>

void AdviseHugePages(void* start, std::size_t bytes)
{
    constexpr std::uintptr_t kHugePage = std::uintptr_t { 2 } << 20;
    if (bytes < 4 * kHugePage)
        return;
    // Only whole huge pages inside the buffer; the ends stay as they are.
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
