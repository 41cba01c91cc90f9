// SPDX-License-Identifier: MIT
// Building PNG files chunk by chunk for tests, with checksums right unless a test spoils them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <zlib.h>

using Bytes = std::vector<std::uint8_t>;

inline void PutBigEndian32(Bytes& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

inline Bytes PngChunk(const std::string& type, const Bytes& data)
{
    Bytes chunk;
    PutBigEndian32(chunk, std::uint32_t(data.size()));
    chunk.insert(chunk.end(), type.begin(), type.end());
    chunk.insert(chunk.end(), data.begin(), data.end());
    const uLong crc
        = crc32(crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4), data.data(), uInt(data.size()));
    PutBigEndian32(chunk, std::uint32_t(crc));
    return chunk;
}

inline Bytes PngHeader(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType)
{
    Bytes data;
    PutBigEndian32(data, width);
    PutBigEndian32(data, height);
    data.insert(data.end(), { depth, colorType, 0, 0, 0 });
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
