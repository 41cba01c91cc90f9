// SPDX-License-Identifier: MIT
#include "platform/gdi/Rop3.h"

namespace {

constexpr COLORREF kColorBits = 0x00FFFFFF;

// Every table by its minterms: each set table bit contributes the pixels' bits that
// match its (P, S, D) combination.
COLORREF GeneralRop3(std::uint8_t truthTable, COLORREF pattern, COLORREF source, COLORREF dest)
{
    COLORREF result = 0;
    for (int index = 0; index < 8; ++index) {
        if (((truthTable >> index) & 1) == 0)
            continue;
        const COLORREF patternBits = (index & 4) ? pattern : ~pattern;
        const COLORREF sourceBits = (index & 2) ? source : ~source;
        const COLORREF destBits = (index & 1) ? dest : ~dest;
        result |= patternBits & sourceBits & destBits;
    }
    return result & kColorBits;
}

template <typename Operation>
void ForEachPixel(COLORREF* dest, const COLORREF* source, const COLORREF* pattern, std::size_t count,
    Operation operation)
{
    for (std::size_t index = 0; index < count; ++index) {
        const COLORREF patternPixel = pattern ? pattern[index] : 0;
        const COLORREF sourcePixel = source ? source[index] : 0;
        dest[index] = operation(patternPixel, sourcePixel, dest[index]) & kColorBits;
    }
}

} // namespace

COLORREF ApplyRop3(std::uint8_t truthTable, COLORREF pattern, COLORREF source, COLORREF dest)
{
    return GeneralRop3(truthTable, pattern, source, dest);
}

// The fast paths must give exactly what GeneralRop3 gives; the tests hold them to it.
void ApplyRop3Row(std::uint8_t truthTable, COLORREF* dest, const COLORREF* source, const COLORREF* pattern,
    std::size_t count)
{
    using Pixel = COLORREF;
    switch (truthTable) {
    case RopTruthTable(BLACKNESS):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel, Pixel) { return Pixel(0); });
        return;
    case RopTruthTable(WHITENESS):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel, Pixel) { return kColorBits; });
        return;
    case 0xAA: // the destination as it is
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel, Pixel d) { return d; });
        return;
    case RopTruthTable(SRCCOPY):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel) { return s; });
        return;
    case RopTruthTable(MERGEPAINT):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return d | ~s; });
        return;
    case RopTruthTable(SRCAND):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return d & s; });
        return;
    case RopTruthTable(SRCPAINT):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return d | s; });
        return;
    case RopTruthTable(SRCINVERT):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return d ^ s; });
        return;
    case RopTruthTable(SRCERASE):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return s & ~d; });
        return;
    case RopTruthTable(NOTSRCCOPY):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel) { return ~s; });
        return;
    case RopTruthTable(NOTSRCERASE):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel s, Pixel d) { return ~(s | d); });
        return;
    case RopTruthTable(MERGECOPY):
        ForEachPixel(dest, source, pattern, count, [](Pixel p, Pixel s, Pixel) { return p & s; });
        return;
    case RopTruthTable(PATCOPY):
        ForEachPixel(dest, source, pattern, count, [](Pixel p, Pixel, Pixel) { return p; });
        return;
    case RopTruthTable(PATPAINT):
        ForEachPixel(dest, source, pattern, count, [](Pixel p, Pixel s, Pixel d) { return p | ~s | d; });
        return;
    case RopTruthTable(PATINVERT):
        ForEachPixel(dest, source, pattern, count, [](Pixel p, Pixel, Pixel d) { return p ^ d; });
        return;
    case RopTruthTable(DSTINVERT):
        ForEachPixel(dest, source, pattern, count, [](Pixel, Pixel, Pixel d) { return ~d; });
        return;
    case RopTruthTable(DSPDxax):
        ForEachPixel(dest, source, pattern, count, [](Pixel p, Pixel s, Pixel d) { return ((d ^ p) & s) ^ d; });
        return;
    default:
        ForEachPixel(dest, source, pattern, count,
            [truthTable](Pixel p, Pixel s, Pixel d) { return GeneralRop3(truthTable, p, s, d); });
        return;
    }
}
