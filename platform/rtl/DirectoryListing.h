// SPDX-License-Identifier: MIT
// The one directory search of this host, behind both the runtime library's FindFirst and the
// Win32 FindFirstFileA. A search is a snapshot: the whole listing is read when it starts.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <optional>
#include <string_view>
#include <vector>

// The entry a name denotes ("\" or "/" separated); nullopt when nothing of that name exists.
std::optional<TDirectoryEntry> QueryDirectoryEntry(const AnsiString& fileName);

// Wildcard match of a single name: "*" any run of characters, "?" one character (a whole UTF-8
// character, never one byte of it), letters compared without regard to ASCII case; "*.*" is "*".
bool MatchesFileMask(std::string_view name, std::string_view mask);

// The entries of the pattern's directory whose names match its last component, sorted by name
// without regard to case. "." and ".." take part like any other name, except in the root.
// A pattern without wildcards names one entry: the exact name when it exists, otherwise the
// first whose name differs only in letter case, so the caller learns the name as stored.
// The directory part, too, is found in any letter case when it does not exist as written.
// A pattern ending in a separator, or naming a missing or unreadable directory, finds nothing.
std::vector<TDirectoryEntry> ListMatchingEntries(const AnsiString& pattern);

// Raises EInOutError unless the directory, found in any letter case as a search finds it, can be
// listed: "Cannot read the folder "/x/in": No such file or directory" (or "Not a directory",
// "Permission denied"). A search of such a directory would only find nothing.
void CheckListableDirectory(const AnsiString& directory);
