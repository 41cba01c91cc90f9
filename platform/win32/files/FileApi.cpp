// SPDX-License-Identifier: MIT
#include "platform/win32/files/FileApi.h"

#include "platform/rtl/DirectoryListing.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace {

struct FileSearch {
    std::vector<TDirectoryEntry> entries;
    std::size_t next = 0;
};

// Handles are numbers that are never reused, so a stale or made-up handle is refused
// instead of reaching freed memory.
class FileSearchTable {
public:
    // The first entry has gone out with FindFirstFileA already.
    HANDLE Open(std::vector<TDirectoryEntry> entries)
    {
        const std::scoped_lock lock(FMutex);
        const std::uintptr_t id = ++FLastId;
        FSearches[id] = FileSearch { std::move(entries), 1 };
        return reinterpret_cast<HANDLE>(id);
    }

    // The next entry of the search, or nothing when the handle is unknown or the search ended.
    std::optional<TDirectoryEntry> Next(HANDLE handle)
    {
        const std::scoped_lock lock(FMutex);
        const auto found = FSearches.find(reinterpret_cast<std::uintptr_t>(handle));
        if (found == FSearches.end() || found->second.next >= found->second.entries.size())
            return std::nullopt;
        return found->second.entries[found->second.next++];
    }

    bool Close(HANDLE handle)
    {
        const std::scoped_lock lock(FMutex);
        return FSearches.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1;
    }

private:
    std::mutex FMutex;
    std::uintptr_t FLastId = 0;
    std::map<std::uintptr_t, FileSearch> FSearches;
};

FileSearchTable& Searches()
{
    static FileSearchTable table;
    return table;
}

DWORD AttributeWord(int attr)
{
    if (attr == 0)
        return FILE_ATTRIBUTE_NORMAL;
    return static_cast<DWORD>(attr);
}

FILETIME FileTimeFromUnixSeconds(std::int64_t seconds)
{
    constexpr std::int64_t secondsFrom1601To1970 = 11644473600;
    constexpr std::int64_t ticksPerSecond = 10000000;
    const std::int64_t clamped = std::max(seconds, -secondsFrom1601To1970);
    const auto ticks = static_cast<std::uint64_t>((clamped + secondsFrom1601To1970) * ticksPerSecond);
    return FILETIME { static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32) };
}

void FillFindData(const TDirectoryEntry& entry, WIN32_FIND_DATAA& findData)
{
    findData = WIN32_FIND_DATAA {};
    findData.dwFileAttributes = AttributeWord(entry.Attr);
    findData.ftLastWriteTime = FileTimeFromUnixSeconds(entry.Time);
    const auto size = static_cast<std::uint64_t>(entry.Size);
    findData.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    findData.nFileSizeLow = static_cast<DWORD>(size);
    // Host names are at most 255 bytes, so they always fit with their terminating NUL.
    const std::size_t length = std::min<std::size_t>(entry.Name.size(), MAX_PATH - 1);
    std::memcpy(findData.cFileName, entry.Name.data(), length);
}

std::atomic<UINT> CurrentErrorMode { 0 };

} // namespace

DWORD GetFileAttributesA(const char* fileName)
{
    if (fileName == nullptr)
        return INVALID_FILE_ATTRIBUTES;
    const auto entry = QueryDirectoryEntry(fileName);
    if (!entry)
        return INVALID_FILE_ATTRIBUTES;
    return AttributeWord(entry->Attr);
}

HANDLE FindFirstFileA(const char* fileName, WIN32_FIND_DATAA* findData)
{
    if (fileName == nullptr || findData == nullptr)
        return INVALID_HANDLE_VALUE;
    auto entries = ListMatchingEntries(fileName);
    if (entries.empty())
        return INVALID_HANDLE_VALUE;
    FillFindData(entries.front(), *findData);
    return Searches().Open(std::move(entries));
}

BOOL FindNextFileA(HANDLE findHandle, WIN32_FIND_DATAA* findData)
{
    if (findData == nullptr)
        return 0;
    const auto entry = Searches().Next(findHandle);
    if (!entry)
        return 0;
    FillFindData(*entry, *findData);
    return 1;
}

BOOL FindClose(HANDLE findHandle)
{
    return Searches().Close(findHandle) ? 1 : 0;
}

UINT SetErrorMode(UINT mode)
{
    return CurrentErrorMode.exchange(mode);
}
