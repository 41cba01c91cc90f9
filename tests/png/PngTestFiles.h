// SPDX-License-Identifier: MIT
// Building PNG files chunk by chunk for tests, with checksums right unless a test spoils them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
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
    // zlib takes a null buffer, which an empty vector may give, as a request for the initial value.
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
    if (!data.empty())
        crc = crc32(crc, data.data(), uInt(data.size()));
    StoreBigEndian32(chunk.data() + 8 + data.size(), std::uint32_t(crc));
    return chunk;
}

inline Bytes PngHeader(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType,
    bool interlaced = false)
{
    Bytes data(13);
    StoreBigEndian32(data.data(), width);
    StoreBigEndian32(data.data() + 4, height);
    data[8] = depth;
    data[9] = colorType;
    data[12] = interlaced ? 1 : 0;
    return PngChunk("IHDR", data);
}

// The rows of an 8-bit grey picture as stored, before compression, each after its filter
// byte (none): top to bottom, or interlaced pass by pass (Adam7), where a pass with no
// pixels stores no rows at all.
template <typename Grey> Bytes GreyRows(int width, int height, bool interlaced, Grey grey)
{
    struct Pass {
        int left, top, columnStep, rowStep;
    };
    constexpr Pass kWhole[] = { { 0, 0, 1, 1 } };
    constexpr Pass kAdam7[] = { { 0, 0, 8, 8 }, { 4, 0, 8, 8 }, { 0, 4, 4, 8 }, { 2, 0, 4, 4 },
        { 0, 2, 2, 4 }, { 1, 0, 2, 2 }, { 0, 1, 1, 2 } };
    Bytes rows;
    for (const Pass& pass : interlaced ? std::span<const Pass>(kAdam7) : std::span<const Pass>(kWhole)) {
        if (pass.left >= width)
            continue;
        for (int y = pass.top; y < height; y += pass.rowStep) {
            rows.push_back(0);
            for (int x = pass.left; x < width; x += pass.columnStep)
                rows.push_back(grey(x, y));
        }
    }
    return rows;
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
