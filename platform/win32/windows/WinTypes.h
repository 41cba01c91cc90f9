// SPDX-License-Identifier: MIT
// The handle, message and procedure types of our mini Win32.
#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/win32/windows/Messages.h"

#include <cstdint>

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;
using WORD = std::uint16_t;

struct WindowRecord;
using HWND = WindowRecord*;
using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct CursorRecord;
using HCURSOR = CursorRecord*;
struct IconResource;
using HICON = const IconResource*;

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    TPoint pt;
};

// The toolkit's view of a message: what the window procedure was given, plus its answer.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr WORD LOWORD(std::uintptr_t value) { return WORD(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return WORD((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return WPARAM(low) | (WPARAM(high) << 16); }
// Mouse positions travel as two signed 16-bit halves.
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return LPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}
constexpr int GET_X_LPARAM(LPARAM value) { return std::int16_t(value & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM value) { return std::int16_t((value >> 16) & 0xFFFF); }
inline TPoint PointFromLParam(LPARAM value) { return { GET_X_LPARAM(value), GET_Y_LPARAM(value) }; }
