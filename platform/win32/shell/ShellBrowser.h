// SPDX-License-Identifier: MIT
// The shell's folder browser: a modal dialog window of ours with a title text, a folder tree
// and the buttons OK and Cancel, run on our own message queue.
#pragma once

#include "platform/win32/shell/ShellItems.h"
#include "platform/win32/windows/WinUser.h"

// Called with the dialog window, a BFFM_ notification, its value and BROWSEINFOA::lParam.
using BFFCALLBACK = int (*)(HWND window, UINT message, LPARAM lParam, LPARAM data);

struct BROWSEINFOA {
    HWND hwndOwner = nullptr; // disabled while the dialog runs
    LPCITEMIDLIST pidlRoot = nullptr; // nullptr: the desktop
    char* pszDisplayName = nullptr; // MAX_PATH bytes; receives the chosen item's name
    const char* lpszTitle = nullptr; // the text above the tree; nullptr for none
    UINT ulFlags = 0;
    BFFCALLBACK lpfn = nullptr;
    LPARAM lParam = 0;
    int iImage = 0; // receives the chosen item's image; there is no system image list, so 0
};

inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
inline constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
inline constexpr UINT BIF_STATUSTEXT = 0x0004;
inline constexpr UINT BIF_RETURNFSANCESTORS = 0x0008;
inline constexpr UINT BIF_BROWSEFORCOMPUTER = 0x1000;

// Notifications to the callback. BFFM_SELCHANGED carries the new selection's item list, which
// stays the browser's.
inline constexpr UINT BFFM_INITIALIZED = 1;
inline constexpr UINT BFFM_SELCHANGED = 2;
// Messages the callback may send the dialog.
inline constexpr UINT BFFM_SETSTATUSTEXTA = WM_USER + 100;
inline constexpr UINT BFFM_ENABLEOK = WM_USER + 101; // lParam: nonzero enables OK
inline constexpr UINT BFFM_SETSELECTIONA = WM_USER + 102; // wParam TRUE: lParam a path, else an item list

// The id of the dialog's folder tree.
inline constexpr int kBrowseTreeId = 100;
// The dialog window's class and caption.
inline constexpr const char* kBrowseDialogClass = "DURNIKBROWSEFORFOLDER";
inline constexpr const char* kBrowseForFolderCaption = "Browse for Folder";
inline constexpr const char* kBrowseForComputerCaption = "Browse for Computer";

// Runs the dialog until OK, Cancel or closing. Returns the chosen item list, to be freed with
// CoTaskMemFree, or nullptr. The callback gets BFFM_INITIALIZED before the dialog shows, and
// BFFM_SELCHANGED for the first selection and each change. An error raised by the callback, or
// by anything dispatched meanwhile, ends the dialog and reaches the caller.
LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* info);
