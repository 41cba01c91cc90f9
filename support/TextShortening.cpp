// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace {

// Byte offsets at which each character of the text starts, and the text's length at the end.
std::vector<std::size_t> CharacterStarts(const AnsiString& text)
{
    std::vector<std::size_t> starts;
    for (std::size_t offset = 0; offset < text.size(); offset += Utf8CharLength(text, offset))
        starts.push_back(offset);
    starts.push_back(text.size());
    return starts;
}

} // namespace

AnsiString ShortenTextToWidth(const AnsiString& text, TCanvas* canvas, int maxWidth)
{
    assert(canvas && "text is measured on a canvas");
    if (canvas->TextWidth(text) <= maxWidth)
        return text;
    const std::vector<std::size_t> starts = CharacterStarts(text);
    const int characters = int(starts.size()) - 1;
    AnsiString result = text;
    // The first candidate drops two characters, each later one a character more.
    for (int dropped = 2; dropped <= characters + 1; ++dropped) {
        const int kept = std::max(0, characters - dropped);
        result = text.substr(0, starts[std::size_t(kept)]) + "...";
        if (canvas->TextWidth(result) <= maxWidth)
            break;
    }
    return result;
}
