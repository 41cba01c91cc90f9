// SPDX-License-Identifier: MIT
// The Win32 file services the system calls: attributes, the directory search, the error mode.
// Names may use "\" or "/"; there are no drive letters and no short (8.3) names on this host,
// so cAlternateFileName is always empty. Name matching ignores letter case, as the original does.
#pragma once

#include <cstdint>

// The same aliases as elsewhere in the mini Win32; repeating an alias is allowed, and it keeps
// the file services free of the window and graphics headers.
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using HANDLE = void*;

inline constexpr DWORD MAX_PATH = 260;

inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x04;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80; // alone: an entry with no other attribute
inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

inline constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
inline constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~std::uintptr_t { 0 });

// Time in 100-nanosecond steps since 1601-01-01 (UTC).
struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes = 0;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    char cFileName[MAX_PATH] = {};
    char cAlternateFileName[14] = {};
};

// Attribute word of the entry; INVALID_FILE_ATTRIBUTES when it does not exist.
DWORD GetFileAttributesA(const char* fileName);

// Starts a search for fileName (a wildcard pattern or one name) and fills the first entry;
// INVALID_HANDLE_VALUE when nothing matches. The listing is taken now, in name order; a search
// for one name finds it in whatever letter case it is stored. Unlike FindFirst of the runtime
// library, hidden entries and directories are always returned.
HANDLE FindFirstFileA(const char* fileName, WIN32_FIND_DATAA* findData);
BOOL FindNextFileA(HANDLE findHandle, WIN32_FIND_DATAA* findData); // 0 when no entry is left
BOOL FindClose(HANDLE findHandle);                                  // 0 for an unknown handle

// Critical-error boxes do not exist here; the mode is only kept so it can be restored.
UINT SetErrorMode(UINT mode);
