// SPDX-License-Identifier: MIT
#include "platform/png/PngInflate.h"

#include "platform/png/PngBackgroundInflate.h"
#include "platform/png/PngError.h"
#include "platform/png/PngZlibInflate.h"

#include <array>
#include <cassert>
#include <isa-l/igzip_lib.h>
#include <libdeflate.h>
#include <new>
#include <string>
#include <vector>

namespace {

// Checks the two bytes before the deflate data. The window size they give is not held against
// the stream: zlib reads every stream with its largest window, and so any file libspng took.
void CheckZlibHeader(std::uint8_t method, std::uint8_t flags)
{
    if ((method & 0x0F) != 8 || (method >> 4) > 7 || (unsigned(method) << 8 | flags) % 31 != 0)
        ThrowInvalidPng("the image data is not a zlib stream");
    if (flags & 0x20)
        ThrowInvalidPng("the image data asks for a preset dictionary");
}

class WholeInflater final : public TPngInflater {
public:
    WholeInflater(std::unique_ptr<std::uint8_t[]> inflated, std::size_t size)
        : FInflated(std::move(inflated))
        , FSize(size)
    {
    }

    std::uint8_t* Next(std::size_t count) override
    {
        assert(count <= FSize - FPosition && "the rows asked for are the rows the header describes");
        std::uint8_t* const bytes = FInflated.get() + FPosition;
        FPosition += count;
        return bytes;
    }
    void Finish() override { }

private:
    std::unique_ptr<std::uint8_t[]> FInflated;
    [[maybe_unused]] std::size_t FSize; // checked by assertions only
    std::size_t FPosition = 0;
};

struct DecompressorFree {
    void operator()(libdeflate_decompressor* decompressor) const
    {
        libdeflate_free_decompressor(decompressor);
    }
};

// The picture inflated in one go, or nothing when libdeflate cannot take the stream as it
// stands (more or fewer bytes than the rows need, damage): the streaming inflater then takes
// it on and says what, if anything, is wrong.
std::unique_ptr<TPngInflater> InflateWhole(const TByteSource& source, const TPngLayout& layout)
{
    std::vector<std::uint8_t> compressed;
    compressed.reserve(std::size_t(layout.compressedSize));
    TImageDataStream stream(source, layout);
    for (std::span<const std::uint8_t> block = stream.NextBlock(); !block.empty(); block = stream.NextBlock())
        compressed.insert(compressed.end(), block.begin(), block.end());
    if (compressed.size() < 2)
        return nullptr;
    CheckZlibHeader(compressed[0], compressed[1]);
    const std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor(
        libdeflate_alloc_decompressor());
    if (!decompressor)
        throw std::bad_alloc();
    const std::size_t size = std::size_t(layout.header.InflatedSize());
    // Left uninitialised: every byte is written before it is read.
    std::unique_ptr<std::uint8_t[]> inflated(new std::uint8_t[size]);
    std::size_t consumed = 0;
    std::size_t produced = 0;
    const libdeflate_result result = libdeflate_deflate_decompress_ex(decompressor.get(),
        compressed.data() + 2, compressed.size() - 2, inflated.get(), size, &consumed, &produced);
    if (result != LIBDEFLATE_SUCCESS || produced != size)
        return nullptr;
    return std::make_unique<WholeInflater>(std::move(inflated), size);
}

class StreamingInflater final : public TPngInflater {
public:
    StreamingInflater(const TByteSource& source, const TPngLayout& layout)
        : FSource(source)
        , FLayout(layout)
        , FStream(source, layout)
        , FState(std::make_unique<inflate_state>())
    {
        isal_inflate_init(FState.get());
        FState->crc_flag = ISAL_DEFLATE;
        const std::uint8_t method = NextHeaderByte();
        CheckZlibHeader(method, NextHeaderByte());
        FState->next_in = const_cast<std::uint8_t*>(FInput.data());
        FState->avail_in = std::uint32_t(FInput.size());
    }

    std::uint8_t* Next(std::size_t count) override
    {
        if (FArbiter)
            return FArbiter->Next(count);
        std::uint8_t* const row = FRows.Take(count);
        FState->next_out = row;
        FState->avail_out = std::uint32_t(count);
        while (FState->avail_out > 0) {
            const std::uint32_t before = FState->avail_out;
            const bool damaged = isal_inflate(FState.get()) < 0;
            if (FState->avail_out == 0 && !damaged)
                break;
            // igzip decodes ahead of the bytes asked for, so it may meet damage that zlib
            // would not have reached yet, or not at all.
            if (damaged || FState->block_state == ISAL_BLOCK_FINISH
                || (FState->avail_in == 0 && !Refill() && FState->avail_out == before)) {
                FArbiter = InflateAsLibspngDid(FSource, FLayout, FHandedOut);
                return FArbiter->Next(count);
            }
        }
        FHandedOut += count;
        return row;
    }

    void Finish() override
    {
        if (FArbiter)
            FArbiter->Finish();
        else
            FStream.SkipRest();
    }

private:
    std::uint8_t NextHeaderByte()
    {
        while (FInput.empty()) {
            FInput = FStream.NextBlock();
            if (FInput.empty())
                ThrowInvalidPng("the image data ends early");
        }
        const std::uint8_t byte = FInput.front();
        FInput = FInput.subspan(1);
        return byte;
    }

    bool Refill()
    {
        FInput = FStream.NextBlock();
        FState->next_in = const_cast<std::uint8_t*>(FInput.data());
        FState->avail_in = std::uint32_t(FInput.size());
        return !FInput.empty();
    }

    const TByteSource& FSource;
    const TPngLayout& FLayout;
    TImageDataStream FStream;
    std::uint64_t FHandedOut = 0;
    std::unique_ptr<TPngInflater> FArbiter; // zlib, once igzip has met damage
    std::unique_ptr<inflate_state> FState; // about 100 KiB: kept off the stack
    std::span<const std::uint8_t> FInput;
    TPngRowBuffers FRows;
};

} // namespace

std::unique_ptr<TPngInflater> OpenPngInflater(
    const TByteSource& source, const TPngLayout& layout, std::uint64_t budget, bool streamInBackground)
{
    if (layout.compressedSize + layout.header.InflatedSize() <= budget)
        if (std::unique_ptr<TPngInflater> whole = InflateWhole(source, layout))
            return whole;
    auto streaming = std::make_unique<StreamingInflater>(source, layout);
    if (streamInBackground)
        return InflateInBackground(std::move(streaming), layout.header.InflatedSize());
    return streaming;
}
