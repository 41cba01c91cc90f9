// SPDX-License-Identifier: MIT
// Little-endian field access shared by the BMP reader and writer. Readers take a pointer
// whose bounds the caller has already checked.
#pragma once

#include <cstdint>
#include <vector>

namespace bmp_bytes {

inline std::uint16_t ReadU16(const std::uint8_t* at)
{
    return std::uint16_t(at[0] | (at[1] << 8));
}

inline std::uint32_t ReadU32(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) | (std::uint32_t(at[1]) << 8) | (std::uint32_t(at[2]) << 16)
        | (std::uint32_t(at[3]) << 24);
}

inline std::int32_t ReadS32(const std::uint8_t* at) { return std::int32_t(ReadU32(at)); }

inline void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

inline void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    AppendU16(out, std::uint16_t(value));
    AppendU16(out, std::uint16_t(value >> 16));
}

} // namespace bmp_bytes
