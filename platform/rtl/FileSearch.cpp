// SPDX-License-Identifier: MIT
// FindFirst / FindNext / FindClose of the runtime library, over the host's directory listing.
#include "platform/rtl/SysUtils.h"

#include "platform/rtl/DirectoryListing.h"

#include <algorithm>

namespace {

// The codes the classic search reports; callers only test for nonzero.
constexpr int NoMatchingFile = 2;
constexpr int NoMoreFiles = 18;

// Normal files are always returned; these kinds only when the caller's mask asks for them.
constexpr int SpecialAttributes = faHidden | faSysFile | faVolumeID | faDirectory;

void TakeEntry(TSearchRec& searchRec, const TDirectoryEntry& entry)
{
    searchRec.Name = entry.Name;
    searchRec.Size = entry.Size;
    searchRec.Attr = entry.Attr;
    searchRec.Time = entry.Time;
}

} // namespace

int FindFirst(const AnsiString& pattern, int attrMask, TSearchRec& searchRec)
{
    FindClose(searchRec);
    searchRec.ExcludeAttr = ~attrMask & SpecialAttributes;
    searchRec.FindEntries = ListMatchingEntries(pattern);
    std::erase_if(searchRec.FindEntries,
        [&](const TDirectoryEntry& entry) { return (entry.Attr & searchRec.ExcludeAttr) != 0; });
    if (searchRec.FindEntries.empty())
        return NoMatchingFile;
    return FindNext(searchRec);
}

int FindNext(TSearchRec& searchRec)
{
    if (searchRec.FindPosition >= searchRec.FindEntries.size())
        return NoMoreFiles;
    TakeEntry(searchRec, searchRec.FindEntries[searchRec.FindPosition]);
    ++searchRec.FindPosition;
    return 0;
}

void FindClose(TSearchRec& searchRec)
{
    searchRec.FindEntries.clear();
    searchRec.FindEntries.shrink_to_fit();
    searchRec.FindPosition = 0;
}
