// SPDX-License-Identifier: MIT
#include "support/StrUtils.h"

TCharSet CharSetOf(std::string_view characters)
{
    TCharSet set;
    for (char character : characters)
        set.set(static_cast<unsigned char>(character));
    return set;
}

AnsiString NextDelimitedItem(const AnsiString& text, int& position, const TCharSet& delimiters)
{
    if (position < 1)
        position = 1;
    const auto start = static_cast<std::size_t>(position - 1);
    if (start >= text.size())
        return {};

    std::size_t scan = start;
    while (scan < text.size()) {
        const std::size_t length = Utf8CharLength(text, scan);
        if (length == 1 && delimiters.test(static_cast<unsigned char>(text[scan])))
            break;
        scan += length;
    }
    AnsiString item = text.substr(start, scan - start);
    if (scan < text.size())
        ++scan;
    position = static_cast<int>(scan + 1);
    return item;
}
