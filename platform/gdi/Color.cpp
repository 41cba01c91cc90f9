// SPDX-License-Identifier: MIT
#include "platform/gdi/Color.h"

#include <array>
#include <utility>

namespace {

// The classic Windows scheme, used whenever no host palette is installed.
constexpr std::array<COLORREF, kSystemColorCount> kClassicColors = {
    RGB(0xC0, 0xC0, 0xC0), // scroll bar
    RGB(0x00, 0x80, 0x80), // desktop
    RGB(0x00, 0x00, 0x80), // active caption
    RGB(0x80, 0x80, 0x80), // inactive caption
    RGB(0xC0, 0xC0, 0xC0), // menu
    RGB(0xFF, 0xFF, 0xFF), // window
    RGB(0x00, 0x00, 0x00), // window frame
    RGB(0x00, 0x00, 0x00), // menu text
    RGB(0x00, 0x00, 0x00), // window text
    RGB(0xFF, 0xFF, 0xFF), // caption text
    RGB(0xC0, 0xC0, 0xC0), // active border
    RGB(0xC0, 0xC0, 0xC0), // inactive border
    RGB(0x80, 0x80, 0x80), // application workspace
    RGB(0x00, 0x00, 0x80), // highlight
    RGB(0xFF, 0xFF, 0xFF), // highlight text
    RGB(0xC0, 0xC0, 0xC0), // button face
    RGB(0x80, 0x80, 0x80), // button shadow
    RGB(0x80, 0x80, 0x80), // grey text
    RGB(0x00, 0x00, 0x00), // button text
    RGB(0xC0, 0xC0, 0xC0), // inactive caption text
    RGB(0xFF, 0xFF, 0xFF), // button highlight
    RGB(0x00, 0x00, 0x00), // 3D dark shadow
    RGB(0xDF, 0xDF, 0xDF), // 3D light
    RGB(0x00, 0x00, 0x00), // tooltip text
    RGB(0xFF, 0xFF, 0xE1), // tooltip background
};

SysColorResolver& InstalledResolver()
{
    static SysColorResolver resolver;
    return resolver;
}

} // namespace

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= kSystemColorCount)
        return 0;
    if (const auto& resolver = InstalledResolver())
        return resolver(index) & 0x00FFFFFF;
    return kClassicColors[std::size_t(index)];
}

void SetSysColorResolver(SysColorResolver resolver) { InstalledResolver() = std::move(resolver); }

COLORREF ColorToRGB(TColor color)
{
    if (color & clSystemColor)
        return GetSysColor(int(color & 0xFF));
    return color & 0x00FFFFFF;
}
