// SPDX-License-Identifier: MIT
#include "platform/rtl/DirectoryListing.h"

#include "platform/rtl/FileErrors.h"
#include "platform/rtl/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDotOrDotDot(std::string_view name)
{
    return name == "." || name == "..";
}

// Read-only in the sense the system means it: this user may not write it, or its permission
// bits forbid writing to everyone (which holds even for root, who may write anything).
bool IsReadOnly(const AnsiString& hostPath, const struct stat& status)
{
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return true;
    return ::faccessat(AT_FDCWD, hostPath.c_str(), W_OK, AT_EACCESS) != 0;
}

std::optional<TDirectoryEntry> EntryAt(const AnsiString& hostPath, std::string_view name)
{
    struct stat status {};
    // A dangling symbolic link still shows up as an entry, as a system file.
    if (::stat(hostPath.c_str(), &status) != 0 && ::lstat(hostPath.c_str(), &status) != 0)
        return std::nullopt;

    TDirectoryEntry entry;
    entry.Name = AnsiString(name);
    entry.Time = static_cast<std::int64_t>(status.st_mtime);
    if (S_ISDIR(status.st_mode))
        entry.Attr |= faDirectory;
    else if (S_ISREG(status.st_mode))
        entry.Size = static_cast<std::int64_t>(status.st_size);
    else
        entry.Attr |= faSysFile;
    if (name.starts_with('.') && !IsDotOrDotDot(name))
        entry.Attr |= faHidden;
    if (IsReadOnly(hostPath, status))
        entry.Attr |= faReadOnly;
    return entry;
}

std::string_view LastComponent(std::string_view hostPath)
{
    while (hostPath.size() > 1 && hostPath.back() == '/')
        hostPath.remove_suffix(1);
    const std::size_t separator = hostPath.rfind('/');
    if (separator == std::string_view::npos || hostPath.size() == 1)
        return hostPath;
    return hostPath.substr(separator + 1);
}

bool HasWildcards(std::string_view mask)
{
    return mask.find_first_of("*?") != std::string_view::npos;
}

bool SameCharacter(std::string_view name, std::size_t nameOffset, std::size_t nameLength,
    std::string_view mask, std::size_t maskOffset, std::size_t maskLength)
{
    if (nameLength != maskLength)
        return false;
    if (nameLength == 1)
        return LoCase(name[nameOffset]) == LoCase(mask[maskOffset]);
    return name.substr(nameOffset, nameLength) == mask.substr(maskOffset, maskLength);
}

bool LessIgnoringCase(const TDirectoryEntry& left, const TDirectoryEntry& right)
{
    const auto folded = [](char first, char second) { return LoCase(first) < LoCase(second); };
    if (std::lexicographical_compare(
            left.Name.begin(), left.Name.end(), right.Name.begin(), right.Name.end(), folded))
        return true;
    if (std::lexicographical_compare(
            right.Name.begin(), right.Name.end(), left.Name.begin(), left.Name.end(), folded))
        return false;
    return left.Name < right.Name;
}

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

std::vector<TDirectoryEntry> ReadMatchingEntries(const AnsiString& directoryPart, std::string_view mask)
{
    std::vector<TDirectoryEntry> entries;
    const AnsiString directoryName = directoryPart.empty() ? AnsiString(".") : directoryPart;
    const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(directoryName.c_str()));
    if (!directory)
        return entries;

    const bool isRoot = directoryName.find_first_not_of('/') == AnsiString::npos;
    while (const dirent* item = ::readdir(directory.get())) {
        const std::string_view name = item->d_name;
        if (isRoot && IsDotOrDotDot(name))
            continue;
        if (!MatchesFileMask(name, mask))
            continue;
        if (auto entry = EntryAt(directoryPart + AnsiString(name), name))
            entries.push_back(std::move(*entry));
    }
    std::sort(entries.begin(), entries.end(), LessIgnoringCase);
    return entries;
}

// The directory part as stored on disk when it exists only in another letter case, so that a
// search for "Pictures\TILES\*.bmp" works as on the original platform. Each component that is
// missing as written is replaced by the first entry whose name differs only in case.
AnsiString ResolveDirectoryCase(const AnsiString& directoryPart)
{
    struct stat status {};
    if (directoryPart.empty() || ::stat(directoryPart.c_str(), &status) == 0 || HasWildcards(directoryPart))
        return directoryPart;

    AnsiString resolved = directoryPart.front() == '/' ? "/" : "";
    std::size_t start = 0;
    while (start < directoryPart.size()) {
        const std::size_t end = std::min(directoryPart.find('/', start), directoryPart.size());
        const AnsiString component = directoryPart.substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        if (IsDotOrDotDot(component) || ::lstat((resolved + component).c_str(), &status) == 0) {
            resolved += component + "/";
            continue;
        }
        const auto sameButCase = ReadMatchingEntries(resolved, component);
        if (sameButCase.empty())
            return directoryPart;
        resolved += sameButCase.front().Name + "/";
    }
    return resolved;
}

} // namespace

std::optional<TDirectoryEntry> QueryDirectoryEntry(const AnsiString& fileName)
{
    if (!IsUsableFileName(fileName))
        return std::nullopt;
    const AnsiString hostPath = HostPath(fileName);
    return EntryAt(hostPath, LastComponent(hostPath));
}

bool MatchesFileMask(std::string_view name, std::string_view mask)
{
    if (mask == "*.*")
        mask = "*";

    std::size_t nameOffset = 0;
    std::size_t maskOffset = 0;
    std::size_t starMaskOffset = std::string_view::npos;
    std::size_t starNameOffset = 0;
    while (nameOffset < name.size()) {
        const std::size_t nameLength = Utf8CharLength(name, nameOffset);
        if (maskOffset < mask.size() && mask[maskOffset] == '*') {
            starMaskOffset = maskOffset++;
            starNameOffset = nameOffset;
            continue;
        }
        if (maskOffset < mask.size()) {
            const std::size_t maskLength = Utf8CharLength(mask, maskOffset);
            if (mask[maskOffset] == '?'
                || SameCharacter(name, nameOffset, nameLength, mask, maskOffset, maskLength)) {
                nameOffset += nameLength;
                maskOffset += maskLength;
                continue;
            }
        }
        if (starMaskOffset == std::string_view::npos)
            return false;
        // Let the last star swallow one more character and retry from there.
        starNameOffset += Utf8CharLength(name, starNameOffset);
        nameOffset = starNameOffset;
        maskOffset = starMaskOffset + 1;
    }
    while (maskOffset < mask.size() && mask[maskOffset] == '*')
        ++maskOffset;
    return maskOffset == mask.size();
}

std::vector<TDirectoryEntry> ListMatchingEntries(const AnsiString& pattern)
{
    if (!IsUsableFileName(pattern))
        return {};
    const AnsiString hostPattern = HostPath(pattern);
    const AnsiString mask = ExtractFileName(hostPattern);
    if (mask.empty())
        return {};
    const AnsiString directoryPart = ResolveDirectoryCase(ExtractFilePath(hostPattern));
    if (HasWildcards(mask))
        return ReadMatchingEntries(directoryPart, mask);

    if (auto exact = EntryAt(directoryPart + mask, mask))
        return { std::move(*exact) };
    auto sameButCase = ReadMatchingEntries(directoryPart, mask);
    if (sameButCase.size() > 1)
        sameButCase.resize(1);
    return sameButCase;
}

void CheckListableDirectory(const AnsiString& directory)
{
    const AnsiString hostPath = HostPath(directory);
    CheckUsableFileName("read the folder", hostPath);
    const AnsiString resolved
        = ResolveDirectoryCase(IsPathSeparator(hostPath.back()) ? hostPath : hostPath + "/");
    const std::unique_ptr<DIR, DirectoryCloser> listing(::opendir(resolved.c_str()));
    if (!listing)
        RaiseCannot("read the folder", hostPath, ReasonOf(errno));
}
