// SPDX-License-Identifier: MIT
// Path utilities over the platform's directory search. Paths may be written with "\" (the
// system's own form) or "/" (the host's form); both separate components and each separator is
// kept as written. There are no short (8.3) names on this host, so a short name is the long
// one. None of these raises: a missing entry gives an empty name or false.
#pragma once

#include "platform/rtl/SysUtils.h"

// The name without one trailing separator; a lone separator and a drive root such as "C:\"
// are kept.
AnsiString TrimTrailingBackslash(const AnsiString& directoryName);

bool IsExistingDirectory(const AnsiString& name);

// The last component of the entry the path names, in the letter case stored on disk, or ""
// when it cannot be found (a missing entry, a root, a path ending in a separator).
AnsiString LongFileNameOf(const AnsiString& path);
AnsiString ShortFileNameOf(const AnsiString& path);

// The path with every component after the first separator replaced by its name on disk,
// deepest first; a component that cannot be found becomes empty while its separator stays.
// The part before the first separator is copied without any lookup.
AnsiString LongPathOf(const AnsiString& path);
AnsiString ShortPathOf(const AnsiString& path);
