// SPDX-License-Identifier: MIT
#include "platform/qt/QtSystemColors.h"

namespace {

struct PaletteSlot {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

PaletteSlot SlotFor(int index)
{
    constexpr auto active = QPalette::Active;
    switch (index) {
    case COLOR_SCROLLBAR:
    case COLOR_BTNFACE:
    case COLOR_ACTIVEBORDER:
    case COLOR_INACTIVEBORDER:
        return { active, QPalette::Button };
    case COLOR_BACKGROUND:
    case COLOR_INACTIVECAPTION:
    case COLOR_APPWORKSPACE:
        return { active, QPalette::Mid };
    case COLOR_ACTIVECAPTION:
    case COLOR_HIGHLIGHT:
        return { active, QPalette::Highlight };
    case COLOR_MENU:
        return { active, QPalette::Window };
    case COLOR_WINDOW:
        return { active, QPalette::Base };
    case COLOR_WINDOWFRAME:
    case COLOR_MENUTEXT:
        return { active, QPalette::WindowText };
    case COLOR_WINDOWTEXT:
        return { active, QPalette::Text };
    case COLOR_CAPTIONTEXT:
    case COLOR_HIGHLIGHTTEXT:
        return { active, QPalette::HighlightedText };
    case COLOR_BTNSHADOW:
        return { active, QPalette::Dark };
    case COLOR_GRAYTEXT:
    case COLOR_INACTIVECAPTIONTEXT:
        return { QPalette::Disabled, QPalette::Text };
    case COLOR_BTNTEXT:
        return { active, QPalette::ButtonText };
    case COLOR_BTNHIGHLIGHT:
        return { active, QPalette::Light };
    case COLOR_3DDKSHADOW:
        return { active, QPalette::Shadow };
    case COLOR_3DLIGHT:
        return { active, QPalette::Midlight };
    case COLOR_INFOTEXT:
        return { active, QPalette::ToolTipText };
    case COLOR_INFOBK:
        return { active, QPalette::ToolTipBase };
    default:
        return { active, QPalette::Window };
    }
}

} // namespace

COLORREF SystemColorFromPalette(const QPalette& palette, int index)
{
    const PaletteSlot slot = SlotFor(index);
    const QColor color = palette.color(slot.group, slot.role);
    return RGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}
