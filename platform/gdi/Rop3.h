// SPDX-License-Identifier: MIT
// The ternary raster operation engine: a code's truth table applied bit by bit to the
// 24 colour bits of pattern, source and destination pixels.
#pragma once

#include "platform/gdi/Gdi.h"

#include <cstddef>
#include <cstdint>

// An operand matters when flipping it changes some entry of the table (bit 4P + 2S + D).
constexpr bool RopUsesPattern(std::uint8_t truthTable) { return (((truthTable >> 4) ^ truthTable) & 0x0F) != 0; }
constexpr bool RopUsesSource(std::uint8_t truthTable) { return (((truthTable >> 2) ^ truthTable) & 0x33) != 0; }
constexpr bool RopUsesDest(std::uint8_t truthTable) { return (((truthTable >> 1) ^ truthTable) & 0x55) != 0; }

// dest[i] := op(pattern[i], source[i], dest[i]) for count pixels. source and pattern may be
// null when the table does not use them. Results keep only the 24 colour bits.
void ApplyRop3Row(std::uint8_t truthTable, COLORREF* dest, const COLORREF* source, const COLORREF* pattern,
    std::size_t count);
