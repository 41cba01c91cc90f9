// SPDX-License-Identifier: MIT
#include "platform/win32/shell/ShellItems.h"

#include "platform/rtl/FileNames.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace {

// Mount tables write a blank, tab, newline or backslash in a field as a backslash and three
// octal digits.
AnsiString DecodeMountField(const AnsiString& field)
{
    AnsiString decoded;
    for (std::size_t index = 0; index < field.size(); ++index) {
        const bool escape = field[index] == '\\' && index + 3 < field.size()
            && std::all_of(field.begin() + std::ptrdiff_t(index) + 1,
                field.begin() + std::ptrdiff_t(index) + 4,
                [](char digit) { return digit >= '0' && digit <= '7'; });
        if (!escape) {
            decoded += field[index];
            continue;
        }
        decoded += char(
            ((field[index + 1] - '0') << 6) | ((field[index + 2] - '0') << 3) | (field[index + 3] - '0'));
        index += 3;
    }
    return decoded;
}

bool IsNetworkFileSystem(const AnsiString& type)
{
    return type.starts_with("nfs") || type == "cifs" || type == "smb3" || type == "smbfs"
        || type == "fuse.sshfs" || type == "9p";
}

bool IsBrowsable(const AnsiString& device, const AnsiString& type)
{
    // Snap and AppImage images are read-only squashfs loops, of no use as a folder to choose.
    if (device.starts_with("/dev/") && type != "squashfs")
        return true;
    return IsNetworkFileSystem(type);
}

} // namespace

HRESULT SHGetSpecialFolderLocation(HWND, int folder, LPITEMIDLIST* item)
{
    if (!item)
        return E_INVALIDARG;
    *item = nullptr;
    switch (folder) {
    case CSIDL_DESKTOP:
        *item = CoTaskMemNew<ITEMIDLIST>(ITEMIDLIST { ShellItemKind::Desktop, {}, "Desktop" });
        return S_OK;
    case CSIDL_DRIVES:
        *item = CoTaskMemNew<ITEMIDLIST>(ITEMIDLIST { ShellItemKind::Computer, {}, "Computer" });
        return S_OK;
    case CSIDL_NETWORK:
        return E_NOCOMPUTERBROWSING;
    default:
        return E_INVALIDARG;
    }
}

BOOL SHGetPathFromIDListEx(LPCITEMIDLIST item, char* path, DWORD pathSize, int)
{
    if (!path || pathSize == 0)
        return FALSE;
    path[0] = '\0';
    if (!item || item->kind != ShellItemKind::Folder || item->path.empty() || item->path.size() >= pathSize)
        return FALSE;
    std::memcpy(path, item->path.c_str(), item->path.size() + 1);
    return TRUE;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST item, char* path)
{
    return SHGetPathFromIDListEx(item, path, MAX_PATH, 0);
}

LPITEMIDLIST ILClone(LPCITEMIDLIST item)
{
    return item ? CoTaskMemNew<ITEMIDLIST>(*item) : nullptr;
}

AnsiString FolderDisplayName(const AnsiString& path)
{
    AnsiString trimmed = path;
    while (trimmed.size() > 1 && IsPathSeparator(trimmed.back()))
        trimmed.pop_back();
    const AnsiString name = ExtractFileName(trimmed);
    return name.empty() ? trimmed : name;
}

LPITEMIDLIST NewFolderItem(const AnsiString& path)
{
    return CoTaskMemNew<ITEMIDLIST>(ITEMIDLIST { ShellItemKind::Folder, path, FolderDisplayName(path) });
}

AnsiString UserHomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return user->pw_dir;
    return {};
}

std::vector<AnsiString> BrowsableMountPoints(const AnsiString& mountTable)
{
    std::vector<AnsiString> points { "/" };
    std::istringstream lines(mountTable);
    AnsiString line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        AnsiString device;
        AnsiString mountPoint;
        AnsiString type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        mountPoint = DecodeMountField(mountPoint);
        if (mountPoint.empty() || mountPoint.front() != '/' || !IsBrowsable(DecodeMountField(device), type))
            continue;
        points.push_back(mountPoint);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

std::vector<AnsiString> MountedFileSystems()
{
    std::ifstream table("/proc/self/mounts");
    std::stringstream text;
    text << table.rdbuf();
    return BrowsableMountPoints(text.str());
}
