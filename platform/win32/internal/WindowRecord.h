// SPDX-License-Identifier: MIT
// What a window handle points at. The win32 functions own these records; the host reads
// them and keeps its native counterpart in hostData.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "platform/win32/windows/WinTypes.h"

#include <memory>
#include <optional>
#include <vector>

enum class WindowKind : std::uint8_t {
    Container, // painted by us into the top-level window's buffer
    NativeButton, // a host push button
    NativeEdit, // a host line edit
    NativeFolderTree, // a host tree of folders
};

struct WindowRecord {
    AnsiString className;
    WindowKind kind = WindowKind::Container;
    int id = 0;
    HWND parent = nullptr;
    HWND owner = nullptr; // top-level windows: the top-level window it stays above
    std::vector<HWND> children; // bottom to top
    TRect bounds; // in the parent's client area; on the screen for a top-level window
    DWORD style = 0;
    DWORD exStyle = 0;
    bool visible = false;
    bool enabled = true;
    AnsiString text;
    WNDPROC wndProc = nullptr;
    LONG_PTR userData = 0;
    HFONT font = nullptr;
    HICON icon = nullptr;
    bool readOnly = false; // edits
    int maxLength = 0; // edits; 0 is unlimited
    int selStart = 0; // edits, 0-based
    int selLength = 0;
    std::optional<TRect> textArea; // edits: where the text goes (EM_SETRECTNP), client coordinates
    std::optional<COLORREF> textColor; // edits: as the parent last answered WM_CTLCOLOREDIT
    std::optional<COLORREF> backColor;
    bool acceptsFiles = false; // DragAcceptFiles
    std::optional<TRect> updateRect; // client coordinates, awaiting WM_PAINT
    GdiBitmap paintBuffer; // top-level windows: the client area as last painted
    void* hostData = nullptr;
    std::shared_ptr<void> controlState; // what a native control keeps beyond these fields
    bool destroying = false;
    bool messageOnly = false; // made with HWND_MESSAGE as its parent
};
