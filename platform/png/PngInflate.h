// SPDX-License-Identifier: MIT
// The stored rows of a picture, inflated from its image data as the reader asks for them.
//
// Whole-buffer inflation (libdeflate) is the fastest there is, but it needs every compressed
// byte and the whole inflated picture at once; a streaming inflater (ISA-L's igzip) is nearly
// as fast and holds one 32 KiB window and a row or two, whatever the picture's size. So a
// picture goes whole where its compressed and inflated bytes together fit the budget, and
// streams above it.
#pragma once

#include "platform/png/PngLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// 8 MiB: a picture of about 2.8 million RGB pixels, one reader of durnik-batch's at most four
// holding it, so a batch of any pictures stays well below 64 MiB.
inline constexpr std::uint64_t kWholeInflateBudget = std::uint64_t { 8 } << 20;

class TPngInflater {
public:
    virtual ~TPngInflater() = default;
    // The next count bytes of the inflated image data, to be changed at will; they stay where
    // they are for the next two calls, so two rows can be unfiltered against the one before.
    // Raises EInvalidGraphic when the image data is damaged or ends first.
    virtual std::uint8_t* Next(std::size_t count) = 0;
    // Reads the rest of the image data chunks, checking their checksums.
    virtual void Finish() = 0;
};

// Three buffers taken in turn, as an inflater hands out rows that stay for two more calls.
class TPngRowBuffers {
public:
    // The next buffer, at least count bytes long.
    std::uint8_t* Take(std::size_t count)
    {
        std::vector<std::uint8_t>& buffer = FBuffers[FCurrent = (FCurrent + 1) % FBuffers.size()];
        if (buffer.size() < count)
            buffer.resize(count);
        return buffer.data();
    }

private:
    std::array<std::vector<std::uint8_t>, 3> FBuffers;
    std::size_t FCurrent = 0;
};

// The image data of the picture laid out in layout; whole when it fits budget bytes. Only the
// bytes the picture needs are inflated: what the stream holds after them is not looked at,
// and its Adler-32 is not checked, as every byte of it is covered by the chunk checksums.
// A stream is inflated on a thread of its own when streamInBackground is set: for a reader
// that converts every row, so that converting and inflating take turns on two cores.
std::unique_ptr<TPngInflater> OpenPngInflater(const TByteSource& source, const TPngLayout& layout,
    std::uint64_t budget = kWholeInflateBudget, bool streamInBackground = false);
