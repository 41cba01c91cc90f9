// SPDX-License-Identifier: MIT
#include "platform/png/PngZlibInflate.h"

#include "platform/png/PngError.h"

#include <algorithm>
#include <new>
#include <vector>
#include <zlib.h>

namespace {

// A zlib stream ready to inflate, ended however its owner ends.
struct ZlibStream {
    ZlibStream()
    {
        if (inflateInit(&stream) != Z_OK)
            throw std::bad_alloc();
        inflateValidate(&stream, 0);
    }
    ~ZlibStream() { inflateEnd(&stream); }
    ZlibStream(const ZlibStream&) = delete;
    ZlibStream& operator=(const ZlibStream&) = delete;

    z_stream stream {};
};

class ZlibInflater final : public TPngInflater {
public:
    // Starts the stream over and steps past the first skipped bytes, which another inflater
    // has handed out already.
    ZlibInflater(const TByteSource& source, const TPngLayout& layout, std::uint64_t skipped)
        : FStream(source, layout, kSpngReadSize)
    {
        std::vector<std::uint8_t> scratch(std::size_t(std::min<std::uint64_t>(skipped, kSpngReadSize)));
        for (std::uint64_t left = skipped; left > 0; left -= std::min<std::uint64_t>(left, scratch.size()))
            Fill(scratch.data(), std::size_t(std::min<std::uint64_t>(left, scratch.size())));
    }
    std::uint8_t* Next(std::size_t count) override
    {
        std::uint8_t* const row = FRows.Take(count);
        Fill(row, count);
        return row;
    }

    void Finish() override { FStream.SkipRest(); }

private:
    // libspng reads a stream this much at a time.
    static constexpr std::size_t kSpngReadSize = 8192;

    void Fill(std::uint8_t* bytes, std::size_t count)
    {
        FZlib.next_out = bytes;
        FZlib.avail_out = uInt(count);
        while (FZlib.avail_out > 0) {
            const int result = inflate(&FZlib, Z_NO_FLUSH);
            if (result == Z_OK)
                continue;
            if (result == Z_STREAM_END) {
                if (FZlib.avail_out > 0)
                    ThrowInvalidPng("the image data ends early");
                break;
            }
            if (result != Z_BUF_ERROR)
                ThrowInvalidPng("the image data is damaged");
            const std::span<const std::uint8_t> block = FStream.NextBlock();
            if (block.empty())
                ThrowInvalidPng("the image data ends early");
            FZlib.next_in = const_cast<Bytef*>(block.data()); // zlib only reads it
            FZlib.avail_in = uInt(block.size());
        }
    }

    TImageDataStream FStream;
    ZlibStream FZlibStream;
    z_stream& FZlib = FZlibStream.stream;
    TPngRowBuffers FRows;
};

} // namespace

std::unique_ptr<TPngInflater> InflateAsLibspngDid(
    const TByteSource& source, const TPngLayout& layout, std::uint64_t skipped)
{
    return std::make_unique<ZlibInflater>(source, layout, skipped);
}
