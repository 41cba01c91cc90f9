// SPDX-License-Identifier: MIT
#include "platform/png/PngChunkCheck.h"

#include "platform/png/PngError.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <libdeflate.h>
#include <memory>
#include <new>
#include <spng.h>
#include <variant>
#include <vector>

namespace {

// Ancillary chunks (text, colour profiles) are read whole; these bounds keep a forged one
// from asking for much memory.
constexpr std::size_t kChunkSizeLimit = std::size_t { 1 } << 22;
constexpr std::size_t kChunkCacheLimit = std::size_t { 1 } << 23;
// The checksum of the empty end marker chunk "IEND".
constexpr std::array<std::uint8_t, 4> kEndChecksum = { 0xAE, 0x42, 0x60, 0x82 };

using Bytes = std::vector<std::uint8_t>;

void StoreBigEndian32(std::uint8_t* at, std::uint32_t value)
{
    for (int index = 0; index < 4; ++index)
        at[index] = std::uint8_t(value >> (24 - 8 * index));
}

// Sized once and filled in place: GCC 12 at -O3 misreads a vector growing from empty here.
Bytes Chunk(const char* type, std::span<const std::uint8_t> data)
{
    Bytes chunk(12 + data.size());
    StoreBigEndian32(chunk.data(), std::uint32_t(data.size()));
    std::memcpy(chunk.data() + 4, type, 4);
    std::memcpy(chunk.data() + 8, data.data(), data.size());
    StoreBigEndian32(chunk.data() + 8 + data.size(),
        std::uint32_t(libdeflate_crc32(0, chunk.data() + 4, 4 + data.size())));
    return chunk;
}

// The header of a one-pixel picture of the same kind.
Bytes OnePixelHeader(const TPngHeader& header)
{
    const std::array<std::uint8_t, 13> data { 0, 0, 0, 1, 0, 0, 0, 1, header.bitDepth,
        std::uint8_t(header.colourType), 0, 0, std::uint8_t(header.interlaced ? 1 : 0) };
    return Chunk("IHDR", data);
}

// Its image data: one row, filter none, all zero, in one stored deflate block.
Bytes OnePixelImageData(const TPngHeader& header)
{
    const std::size_t length = 1 + header.RowBytes(1); // at most 9
    std::array<std::uint8_t, 7 + 9 + 4> stream {};
    const std::array<std::uint8_t, 7> start { 0x78, 0x01, 0x01, std::uint8_t(length), 0,
        std::uint8_t(~length), 0xFF };
    std::copy(start.begin(), start.end(), stream.begin());
    StoreBigEndian32(stream.data() + 7 + length, std::uint32_t(length) << 16 | 1); // Adler-32 of zeros
    return Chunk("IDAT", std::span(stream).first(7 + length + 4));
}

// The file with its header and image data replaced: pieces of the file and our own bytes.
class SplicedSource final : public TByteSource {
public:
    using Piece = std::variant<std::pair<std::uint64_t, std::uint64_t>, Bytes>; // file range, or bytes

    SplicedSource(const TByteSource& file, std::vector<Piece> pieces)
        : FFile(file)
        , FPieces(std::move(pieces))
    {
        for (const Piece& piece : FPieces)
            FSize += Length(piece);
    }

    std::uint64_t Size() const override { return FSize; }

    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const override
    {
        std::size_t done = 0;
        std::uint64_t pieceStart = 0;
        for (const Piece& piece : FPieces) {
            const std::uint64_t length = Length(piece);
            if (done < buffer.size() && offset + done < pieceStart + length) {
                const std::uint64_t within = offset + done - pieceStart;
                const std::span<std::uint8_t> part = buffer.subspan(done).first(
                    std::size_t(std::min<std::uint64_t>(length - within, buffer.size() - done)));
                const std::size_t count = std::holds_alternative<Bytes>(piece)
                    ? std::size_t(std::copy_n(std::get<Bytes>(piece).begin() + std::ptrdiff_t(within),
                                      part.size(), part.begin())
                        - part.begin())
                    : FFile.ReadAt(std::get<0>(piece).first + within, part);
                done += count;
                if (count < part.size())
                    return done;
            }
            pieceStart += length;
        }
        return done;
    }

private:
    static std::uint64_t Length(const Piece& piece)
    {
        return std::holds_alternative<Bytes>(piece) ? std::get<Bytes>(piece).size()
                                                    : std::get<0>(piece).second - std::get<0>(piece).first;
    }

    const TByteSource& FFile;
    std::vector<Piece> FPieces;
    std::uint64_t FSize = 0;
};

// The source read for libspng in order. No exception may cross libspng's C frames, so a
// read error is kept here and raised again once libspng has returned.
class SourceStream {
public:
    explicit SourceStream(const TByteSource& source)
        : FReader(source, 0)
    {
    }

    static int Read(spng_ctx*, void* user, void* destination, std::size_t length)
    {
        auto& stream = *static_cast<SourceStream*>(user);
        try {
            return stream.FReader.Read({ static_cast<std::uint8_t*>(destination), length }) ? 0 : SPNG_IO_EOF;
        } catch (...) {
            stream.FError = std::current_exception();
            return SPNG_IO_ERROR;
        }
    }
    // How far libspng has read.
    std::uint64_t Consumed() const { return FReader.Offset(); }
    void RethrowReadError() const
    {
        if (FError)
            std::rethrow_exception(FError);
    }

private:
    TSequentialReader FReader;
    std::exception_ptr FError;
};

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

class Checker {
public:
    explicit Checker(const TByteSource& spliced)
        : FSource(spliced)
        , FStream(spliced)
        , FContext(spng_ctx_new(SPNG_CTX_IGNORE_ADLER32))
    {
        if (!FContext)
            throw std::bad_alloc();
        spng_set_png_stream(FContext.get(), SourceStream::Read, &FStream);
        spng_set_chunk_limits(FContext.get(), kChunkSizeLimit, kChunkCacheLimit);
        spng_set_crc_action(FContext.get(), SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    }

    TPngColours Run()
    {
        std::array<std::uint8_t, 8> pixel {};
        Check(
            spng_decode_image(FContext.get(), pixel.data(), pixel.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS));
        Check(spng_decode_chunks(FContext.get()));
        // libspng takes a file that ends inside the end marker's checksum; that checksum
        // never changes, so it is checked here.
        std::array<std::uint8_t, 4> checksum {};
        const std::uint64_t end = FStream.Consumed();
        if (end < checksum.size() || FSource.ReadAt(end - checksum.size(), checksum) != checksum.size()
            || checksum != kEndChecksum)
            ThrowInvalidPng("the file is cut short");
        return Colours();
    }

private:
    TPngColours Colours()
    {
        TPngColours colours;
        spng_plte palette {};
        const bool hasPalette = spng_get_plte(FContext.get(), &palette) == 0;
        spng_trns transparency {};
        const bool hasTransparency = spng_get_trns(FContext.get(), &transparency) == 0;
        for (std::size_t index = 0; index < colours.palette.size(); ++index) {
            if (hasPalette)
                colours.palette[index] = { palette.entries[index].red, palette.entries[index].green,
                    palette.entries[index].blue, 255 };
            else
                colours.palette[index] = { 0, 0, 0, 255 };
            if (hasTransparency && index < transparency.n_type3_entries)
                colours.palette[index][3] = transparency.type3_alpha[index];
        }
        colours.hasTransparentKey = hasTransparency;
        colours.keyGrey = transparency.gray;
        colours.keyRed = transparency.red;
        colours.keyGreen = transparency.green;
        colours.keyBlue = transparency.blue;
        return colours;
    }

    void Check(int result) const
    {
        if (result == 0)
            return;
        FStream.RethrowReadError();
        if (result == SPNG_IO_EOF)
            ThrowInvalidPng("the file is cut short");
        ThrowInvalidPng(spng_strerror(result));
    }

    const TByteSource& FSource;
    SourceStream FStream;
    std::unique_ptr<spng_ctx, ContextFree> FContext;
};

} // namespace

TPngColours CheckPngChunks(const TByteSource& source, const TPngLayout& layout)
{
    constexpr std::uint64_t kSignatureSize = 8;
    constexpr std::uint64_t kFirstChunk = kSignatureSize + 25;
    std::vector<SplicedSource::Piece> pieces;
    pieces.emplace_back(std::pair { std::uint64_t { 0 }, kSignatureSize });
    pieces.emplace_back(OnePixelHeader(layout.header));
    pieces.emplace_back(std::pair { kFirstChunk, layout.imageDataStart });
    pieces.emplace_back(OnePixelImageData(layout.header));
    pieces.emplace_back(std::pair { layout.imageDataEnd, source.Size() });
    const SplicedSource spliced(source, std::move(pieces));
    return Checker(spliced).Run();
}
