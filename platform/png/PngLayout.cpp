// SPDX-License-Identifier: MIT
#include "platform/png/PngLayout.h"

#include "platform/png/PngError.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <libdeflate.h>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 | std::uint32_t(bytes[2]) << 8
        | bytes[3];
}

struct ChunkHeader {
    std::uint32_t length = 0;
    std::array<std::uint8_t, 4> type {};
    bool IsImageData() const { return std::memcmp(type.data(), "IDAT", 4) == 0; }
};

ChunkHeader ReadChunkHeader(const TByteSource& source, std::uint64_t offset)
{
    std::array<std::uint8_t, 8> bytes {};
    if (source.ReadAt(offset, bytes) != bytes.size())
        ThrowInvalidPng("the file is cut short");
    ChunkHeader header { BigEndian32(bytes.data()), {} };
    std::copy_n(bytes.begin() + 4, 4, header.type.begin());
    if (header.length > kMaxChunkLength)
        ThrowInvalidPng("a chunk is longer than the format allows");
    return header;
}

std::uint32_t Checksum(std::uint32_t running, std::span<const std::uint8_t> bytes)
{
    return std::uint32_t(libdeflate_crc32(running, bytes.data(), bytes.size()));
}

} // namespace

TPngLayout FindPngLayout(const TByteSource& source)
{
    // The signature, then the header chunk: its length, type, 13 bytes of data and checksum.
    std::array<std::uint8_t, 8 + 8 + 13 + 4> start {};
    const std::size_t got = source.ReadAt(0, start);
    if (got < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), start.begin()))
        ThrowInvalidPng(got < kSignature.size() ? "the file is cut short" : "the PNG signature is missing");
    if (got < start.size())
        ThrowInvalidPng("the file is cut short");
    if (BigEndian32(start.data() + 8) != 13 || std::memcmp(start.data() + 12, "IHDR", 4) != 0)
        ThrowInvalidPng("the header chunk is missing");
    const std::span<const std::uint8_t> headerChunk(start.data() + 12, 4 + 13);
    if (Checksum(0, headerChunk) != BigEndian32(start.data() + 29))
        ThrowInvalidPng("the header chunk's checksum is wrong");
    TPngLayout layout;
    layout.header = ParsePngHeader(std::span<const std::uint8_t, 13>(start.data() + 16, 13));

    // The chunks before the image data are only stepped over here; libspng reads them.
    std::uint64_t offset = start.size();
    ChunkHeader chunk = ReadChunkHeader(source, offset);
    while (!chunk.IsImageData()) {
        offset += 12 + std::uint64_t(chunk.length);
        chunk = ReadChunkHeader(source, offset);
    }
    layout.imageDataStart = offset;
    while (chunk.IsImageData()) {
        layout.compressedSize += chunk.length;
        offset += 12 + std::uint64_t(chunk.length);
        if (offset >= source.Size())
            break; // what is missing after the run is the chunk check's to report
        chunk = ReadChunkHeader(source, offset);
    }
    layout.imageDataEnd = std::min(offset, source.Size());
    return layout;
}

TImageDataStream::TImageDataStream(const TByteSource& source, const TPngLayout& layout, std::size_t blockSize)
    : FReader(source, layout.imageDataStart)
    , FEnd(layout.imageDataEnd)
    , FBlock(blockSize)
{
}

std::span<const std::uint8_t> TImageDataStream::NextBlock()
{
    while (FChunkLeft == 0) {
        if (FInChunk) {
            std::array<std::uint8_t, 4> stored {};
            if (!FReader.Read(stored))
                ThrowInvalidPng("the file is cut short");
            if (BigEndian32(stored.data()) != FChecksum)
                ThrowInvalidPng("an image data chunk's checksum is wrong");
            FInChunk = false;
        }
        if (FReader.Offset() >= FEnd)
            return {};
        std::array<std::uint8_t, 8> header {};
        if (!FReader.Read(header))
            ThrowInvalidPng("the file is cut short");
        FChunkLeft = BigEndian32(header.data());
        FChecksum = Checksum(0, std::span(header).subspan(4));
        FInChunk = true;
    }
    const std::span<std::uint8_t> block
        = std::span(FBlock).first(std::min<std::size_t>(FChunkLeft, FBlock.size()));
    if (!FReader.Read(block))
        ThrowInvalidPng("the file is cut short");
    FChunkLeft -= std::uint32_t(block.size());
    FChecksum = Checksum(FChecksum, block);
    return block;
}

void TImageDataStream::SkipRest()
{
    while (!NextBlock().empty()) { }
}
