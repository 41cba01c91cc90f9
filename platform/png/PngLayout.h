// SPDX-License-Identifier: MIT
// Where the parts of a PNG file lie, found by walking its chunk headers: the picture's
// header and the run of image data chunks, which the fast inflaters take apart from the rest.
#pragma once

#include "platform/png/PngHeader.h"
#include "platform/rtl/ByteSource.h"

#include <cstdint>
#include <span>
#include <vector>

struct TPngLayout {
    TPngHeader header;
    std::uint64_t imageDataStart = 0; // offset of the first image data chunk
    std::uint64_t imageDataEnd = 0; // offset just past the last chunk of that run
    std::uint64_t compressedSize = 0; // the bytes the run's chunks carry
};

// Checks the signature and the header chunk (its checksum too) and finds the image data.
// Raises EInvalidGraphic when either is missing, cut short or damaged.
TPngLayout FindPngLayout(const TByteSource& source);

// The bytes the image data chunks carry, one after the other, each chunk's checksum checked
// once its last byte has been handed out.
class TImageDataStream {
public:
    TImageDataStream(
        const TByteSource& source, const TPngLayout& layout, std::size_t blockSize = kDefaultBlockSize);

    static constexpr std::size_t kDefaultBlockSize = std::size_t { 1 } << 16;

    // The next bytes, at most a block of them and never more than one chunk's; empty once the
    // run is over.
    std::span<const std::uint8_t> NextBlock();
    // Reads what is left of the run, so that the checksums of chunks the picture did not
    // need are checked as well.
    void SkipRest();

private:
    TSequentialReader FReader;
    std::uint64_t FEnd;
    std::uint32_t FChunkLeft = 0;
    std::uint32_t FChecksum = 0;
    bool FInChunk = false;
    std::vector<std::uint8_t> FBlock;
};
