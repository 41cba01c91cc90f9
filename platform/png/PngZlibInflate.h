// SPDX-License-Identifier: MIT
// The inflater libspng used, inflating as libspng did: the same blocks of input, nothing
// inflated past the bytes asked for but what zlib itself reads ahead. The faster inflaters
// hand a stream over to it when they meet damage, so a file is refused exactly when it always
// was; a file with damage in it is rare enough that its speed does not matter.
#pragma once

#include "platform/png/PngInflate.h"

#include <cstdint>
#include <memory>

// The image data from its start, the first skipped bytes (which another inflater has handed
// out already) stepped over.
std::unique_ptr<TPngInflater> InflateAsLibspngDid(
    const TByteSource& source, const TPngLayout& layout, std::uint64_t skipped);
