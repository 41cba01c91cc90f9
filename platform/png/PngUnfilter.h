// SPDX-License-Identifier: MIT
// Undoing the filter each stored row of a PNG picture was written with.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::uint8_t kPngFilterCount = 5; // none, sub, up, average, Paeth

// Unfilters row (length bytes, after its filter byte) in place against previous, the row above
// already unfiltered (zeros above the first row of a pass). stride is how many bytes back the
// pixel to the left starts. filter must be below kPngFilterCount.
void UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
    unsigned stride);

// Unfilters two rows stored with the Paeth filter, lower right below upper, side by side:
// each pixel waits on the one to its left, so two rows at once wait half as long. false,
// changing nothing, for a stride other than 3 or 4.
bool UnfilterPaethPair(std::uint8_t* upper, std::uint8_t* lower, const std::uint8_t* previous,
    std::size_t length, unsigned stride);
