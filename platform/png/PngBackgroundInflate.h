// SPDX-License-Identifier: MIT
// Inflating on a second thread while the rows already inflated are unfiltered and converted,
// for a whole picture that streams: the window, which shows a large picture whole, is then
// held up by the slower of the two halves instead of by both.
#pragma once

#include "platform/png/PngInflate.h"

#include <cstdint>
#include <memory>

// inflater's total bytes, inflated a block at a time on a thread of its own a few blocks ahead
// of the reader. An error it meets is raised when the reader asks for bytes it could not give.
std::unique_ptr<TPngInflater> InflateInBackground(
    std::unique_ptr<TPngInflater> inflater, std::uint64_t total);
