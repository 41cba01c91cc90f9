// SPDX-License-Identifier: MIT
// Building PNG files chunk by chunk for tests, with checksums right unless a test spoils them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>
#include <zlib.h>

using Bytes = std::vector<std::uint8_t>;

inline void StoreBigEndian32(std::uint8_t* at, std::uint32_t value)
{
    for (int index = 0; index < 4; ++index)
        at[index] = std::uint8_t(value >> (24 - 8 * index));
}

// Sized once and filled in place: GCC 12 at -O3 misreads a vector growing from empty here.
inline Bytes PngChunk(const std::string& type, const Bytes& data)
{
    Bytes chunk(12 + data.size());
    StoreBigEndian32(chunk.data(), std::uint32_t(data.size()));
    std::copy_n(type.begin(), 4, chunk.begin() + 4);
    std::copy(data.begin(), data.end(), chunk.begin() + 8);
    const uLong crc
        = crc32(crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4), data.data(), uInt(data.size()));
    StoreBigEndian32(chunk.data() + 8 + data.size(), std::uint32_t(crc));
    return chunk;
}

inline Bytes PngHeader(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType)
{
    Bytes data(13);
    StoreBigEndian32(data.data(), width);
    StoreBigEndian32(data.data() + 4, height);
    data[8] = depth;
    data[9] = colorType;
    return PngChunk("IHDR", data);
}

inline Bytes Deflated(const Bytes& raw)
{
    uLongf size = compressBound(uLong(raw.size()));
    Bytes packed(size);
    compress(packed.data(), &size, raw.data(), uLong(raw.size()));
    packed.resize(size);
    return packed;
}

// Signature, header, the image data as given and the end marker.
inline Bytes AssemblePng(const Bytes& header, const Bytes& imageData)
{
    Bytes file { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    for (const Bytes& chunk : { header, PngChunk("IDAT", imageData), PngChunk("IEND", {}) })
        file.insert(file.end(), chunk.begin(), chunk.end());
    return file;
}
