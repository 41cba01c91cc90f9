// SPDX-License-Identifier: MIT
#include "tileset/MarkupText.h"

#include <cassert>
#include <cstdint>

namespace {

// The length of the UTF-8 sequence starting at index, or 0 when none is valid there:
// overlong forms, surrogates and code points past U+10FFFF are refused.
std::size_t Utf8SequenceLength(const AnsiString& text, std::size_t index)
{
    const auto byte = [&text](std::size_t at) { return std::uint8_t(text[at]); };
    const std::uint8_t lead = byte(index);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (index + length > text.size())
        return 0;
    for (std::size_t next = 1; next < length; ++next) {
        if ((byte(index + next) & 0xC0) != 0x80)
            return 0;
        codePoint = codePoint << 6 | (byte(index + next) & 0x3Fu);
    }
    const std::uint32_t shortest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (codePoint < shortest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

bool IsMarkupText(const AnsiString& text)
{
    for (std::size_t index = 0; index < text.size();) {
        if (std::uint8_t(text[index]) < 0x20)
            return false;
        const std::size_t length = Utf8SequenceLength(text, index);
        if (length == 0)
            return false;
        index += length;
    }
    return true;
}

AnsiString XmlAttributeText(const AnsiString& text)
{
    assert(IsMarkupText(text) && "checked before any file is written");
    AnsiString escaped;
    for (const char character : text) {
        switch (character) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += character;
        }
    }
    return escaped;
}
