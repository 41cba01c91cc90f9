// SPDX-License-Identifier: MIT
// The application's own hidden window and its help requests.
#include "platform/vcl/forms/Application.h"

namespace {
constexpr const char* kApplicationWindowClass = "TApplication";
}

HWND TApplication::Handle()
{
    if (IsWindow(FHandle))
        return FHandle;
    WNDCLASSA windowClass;
    if (!GetClassInfoA(nullptr, kApplicationWindowClass, &windowClass)) {
        windowClass = {};
        windowClass.lpfnWndProc = &DefWindowProcA;
        windowClass.lpszClassName = kApplicationWindowClass;
        RegisterClassA(windowClass);
    }
    FHandle = CreateWindowExA(0, kApplicationWindowClass, Title().c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
        0, 0, 0, 0, nullptr, 0, nullptr);
    return FHandle;
}

bool TApplication::HelpContext(THelpContext context)
{
    bool callHelp = true;
    if (!OnHelp)
        return false;
    return OnHelp(HELP_CONTEXT, std::intptr_t(context), callHelp);
}
