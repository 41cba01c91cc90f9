// SPDX-License-Identifier: MIT
#include "platform/rtl/SysUtils.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsBlank(char character)
{
    return static_cast<unsigned char>(character) <= ' ';
}

int HexDigitValue(char character)
{
    if (character >= '0' && character <= '9')
        return character - '0';
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    return -1;
}

[[noreturn]] void RaiseNotAnInteger(const AnsiString& text)
{
    throw EConvertError("'" + text + "' is not a valid integer value");
}

// Hexadecimal covers all 32 bits: "$FFFFFFFF" is -1, as the classic conversion gives it, so
// colour values and bit masks written in hexadecimal round-trip through an int.
std::uint32_t ParseHexadecimal(std::string_view digits, const AnsiString& text)
{
    if (digits.empty())
        RaiseNotAnInteger(text);
    std::uint32_t value = 0;
    for (char character : digits) {
        const int digit = HexDigitValue(character);
        if (digit < 0 || value > 0x0FFFFFFFu)
            RaiseNotAnInteger(text);
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The magnitude may reach 2^31 so that the most negative int can be written in decimal.
std::uint32_t ParseDecimal(std::string_view digits, bool negative, const AnsiString& text)
{
    if (digits.empty())
        RaiseNotAnInteger(text);
    const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint32_t value = 0;
    for (char character : digits) {
        if (character < '0' || character > '9')
            RaiseNotAnInteger(text);
        const auto digit = static_cast<std::uint32_t>(character - '0');
        if (value > (limit - digit) / 10)
            RaiseNotAnInteger(text);
        value = value * 10 + digit;
    }
    return value;
}

} // namespace

int StrToInt(const AnsiString& text)
{
    std::string_view rest = text;
    while (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.remove_suffix(1);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    std::uint32_t magnitude = 0;
    if (rest.starts_with('$'))
        magnitude = ParseHexadecimal(rest.substr(1), text);
    else if (rest.starts_with("0x") || rest.starts_with("0X"))
        magnitude = ParseHexadecimal(rest.substr(2), text);
    else
        magnitude = ParseDecimal(rest, negative, text);

    // Two's complement wrap-around is what both the decimal minimum and hexadecimal need.
    const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
    return static_cast<int>(bits);
}

AnsiString IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

AnsiString Trim(const AnsiString& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

AnsiString TrimRight(const AnsiString& text)
{
    std::size_t last = text.size();
    while (last > 0 && IsBlank(text[last - 1]))
        --last;
    return text.substr(0, last);
}

std::size_t Utf8CharLength(std::string_view text, std::size_t offset)
{
    if (offset >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[offset]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (offset + length > text.size())
        return 1;
    for (std::size_t index = 1; index < length; ++index) {
        if ((static_cast<unsigned char>(text[offset + index]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

char UpCase(char character)
{
    return character >= 'a' && character <= 'z' ? char(character - 'a' + 'A') : character;
}

char LoCase(char character)
{
    return character >= 'A' && character <= 'Z' ? char(character - 'A' + 'a') : character;
}

AnsiString UpperCase(AnsiString text)
{
    for (char& character : text)
        character = UpCase(character);
    return text;
}

AnsiString LowerCase(AnsiString text)
{
    for (char& character : text)
        character = LoCase(character);
    return text;
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LoCase(x) == LoCase(y); });
}
