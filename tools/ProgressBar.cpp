// SPDX-License-Identifier: MIT
#include "tools/ProgressBar.h"

#include <ostream>

namespace {

constexpr std::size_t kBarWidth = 30;
constexpr std::size_t kNameWidth = 30;

} // namespace

void TProgressBar::Show(std::size_t index, std::size_t total, const AnsiString& name)
{
    if (!FEnabled || total == 0)
        return;
    const std::size_t filled = index * kBarWidth / total;
    AnsiString shownName = name;
    if (shownName.size() > kNameWidth) {
        // Cut on a character boundary: a UTF-8 continuation byte never starts the kept tail.
        std::size_t start = shownName.size() - (kNameWidth - 3);
        while (start < shownName.size() && (static_cast<unsigned char>(shownName[start]) & 0xC0) == 0x80)
            ++start;
        shownName = "..." + shownName.substr(start);
    }
    // "\x1b[K" clears what a longer earlier name left on the line.
    FStream << '\r' << '[' << AnsiString(filled, '#') << AnsiString(kBarWidth - filled, '.') << "] " << index + 1
            << '/' << total << ' ' << shownName << "\x1b[K" << std::flush;
    FShown = true;
}

void TProgressBar::Finish()
{
    if (!FShown)
        return;
    FStream << "\r\x1b[K" << std::flush;
    FShown = false;
}
