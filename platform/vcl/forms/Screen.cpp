// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Screen.h"

#include <algorithm>

TScreen* Screen = new TScreen(nullptr);

namespace {

struct StandardCursor {
    TCursor number;
    int shape;
};

constexpr StandardCursor kStandardCursors[] = {
    { crArrow, IDC_ARROW },
    { crCross, IDC_CROSS },
    { crIBeam, IDC_IBEAM },
    { crSizeNESW, IDC_SIZENESW },
    { crSizeNS, IDC_SIZENS },
    { crSizeNWSE, IDC_SIZENWSE },
    { crSizeWE, IDC_SIZEWE },
    { crUpArrow, IDC_UPARROW },
    { crHourGlass, IDC_WAIT },
    { crDrag, IDC_ARROW },
    { crNoDrop, IDC_NO },
    { crHSplit, IDC_SIZEWE },
    { crVSplit, IDC_SIZENS },
    { crMultiDrag, IDC_ARROW },
    { crSQLWait, IDC_WAIT },
    { crNo, IDC_NO },
    { crAppStart, IDC_APPSTARTING },
    { crHelp, IDC_HELP },
    { crHandPoint, IDC_HAND },
    { crSizeAll, IDC_SIZEALL },
};

} // namespace

TScreen::TScreen(TComponent* owner)
    : TComponent(owner)
    , FDefaultCursor(LoadCursorA(HInstance, IDC_ARROW))
{
    for (const StandardCursor& cursor : kStandardCursors)
        FCursors[cursor.number] = LoadCursorA(HInstance, cursor.shape);
}

HCURSOR TScreen::Cursors(TCursor index) const
{
    if (index == crNone)
        return nullptr;
    const auto found = FCursors.find(index);
    return found == FCursors.end() ? FDefaultCursor : found->second;
}

void TScreen::SetCursors(TCursor index, HCURSOR handle)
{
    if (index == crDefault) {
        FDefaultCursor = handle ? handle : LoadCursorA(HInstance, IDC_ARROW);
        return;
    }
    if (!handle) {
        FCursors.erase(index);
        return;
    }
    FCursors[index] = handle;
}

void TScreen::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    FCursor = value;
    ::SetCursor(Cursors(value));
}

void TScreen::AddForm(TForm* form)
{
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end())
        FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
}

TRect TScreen::WorkAreaRect() const
{
    TRect area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}
