// SPDX-License-Identifier: MIT
// Shell item lists as this host has them: each names the desktop, the computer (the folder of
// the mounted file systems) or one directory of the file system by its path. The shell hands
// them out from the task allocator; the caller frees each with CoTaskMemFree.
#pragma once

#include "platform/win32/files/FileApi.h"
#include "platform/win32/shell/ComApi.h"
#include "platform/win32/windows/WinTypes.h"

#include <vector>

enum class ShellItemKind : std::uint8_t { Desktop, Computer, Folder };

struct ITEMIDLIST {
    ShellItemKind kind = ShellItemKind::Desktop;
    AnsiString path; // Folder: the directory as the host names it, "/" for the root
    AnsiString displayName; // what the shell shows for it
};
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;

inline constexpr int CSIDL_DESKTOP = 0x0000;
inline constexpr int CSIDL_DRIVES = 0x0011;
inline constexpr int CSIDL_NETWORK = 0x0012;

// The item list of a special folder. CSIDL_NETWORK has nothing behind it on this host and
// fails with E_NOCOMPUTERBROWSING; an unknown folder fails with E_INVALIDARG.
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, LPITEMIDLIST* item);
// Copies the item's path into a buffer of MAX_PATH bytes. FALSE, with an empty buffer, for an
// item without a file-system path or a path that does not fit.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, char* path);
// The same for a buffer of pathSize bytes; paths here may be longer than MAX_PATH.
BOOL SHGetPathFromIDListEx(LPCITEMIDLIST item, char* path, DWORD pathSize, int flags);
inline constexpr DWORD kHostMaxPath = 4096; // PATH_MAX of the host, its terminating NUL included
LPITEMIDLIST ILClone(LPCITEMIDLIST item);

// A new item list for a directory of the file system, shown by its last component.
LPITEMIDLIST NewFolderItem(const AnsiString& path);
// The last component of a directory path, or the path itself for the root.
AnsiString FolderDisplayName(const AnsiString& path);

// The user's home folder, from HOME or else the password database; "" when there is none.
AnsiString UserHomeDirectory();
// The mount points worth browsing from a mount table in the format of /proc/self/mounts:
// the root, block devices other than read-only images, and network file systems. Sorted,
// each once; "\040"-style escapes are decoded.
std::vector<AnsiString> BrowsableMountPoints(const AnsiString& mountTable);
// The same from the running system's table; the root alone when it cannot be read.
std::vector<AnsiString> MountedFileSystems();
