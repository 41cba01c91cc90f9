// SPDX-License-Identifier: MIT
#include "platform/win32/shell/ShellApi.h"

#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

using namespace win32_internal;

struct DropRecord {
    HWND window = nullptr;
    std::vector<AnsiString> names;
};

namespace {

std::unordered_map<HDROP, std::unique_ptr<DropRecord>>& Drops()
{
    static std::unordered_map<HDROP, std::unique_ptr<DropRecord>> drops;
    return drops;
}

const DropRecord* Find(HDROP drop)
{
    const auto found = Drops().find(drop);
    return found == Drops().end() ? nullptr : found->second.get();
}

} // namespace

namespace win32_internal {
void ForgetWindowDrops(HWND window)
{
    // A drop posted to a window that went away is never released by a receiver.
    std::erase_if(Drops(), [window](const auto& entry) { return entry.second->window == window; });
}
} // namespace win32_internal

void DragAcceptFiles(HWND window, BOOL accept)
{
    if (IsLive(window))
        window->acceptsFiles = accept != FALSE;
}

bool AcceptsDroppedFiles(HWND window)
{
    return IsLive(window) && window->acceptsFiles;
}

UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT bufferSize)
{
    const DropRecord* record = Find(drop);
    if (!record)
        return 0;
    if (index == 0xFFFFFFFF)
        return UINT(record->names.size());
    if (index >= record->names.size())
        return 0;
    const AnsiString& name = record->names[index];
    if (!buffer)
        return UINT(name.size());
    if (bufferSize == 0)
        return 0;
    std::size_t length = 0;
    while (length < name.size() && length + Utf8CharLength(name, length) < bufferSize)
        length += Utf8CharLength(name, length);
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
    return UINT(length);
}

void DragFinish(HDROP drop)
{
    Drops().erase(drop);
}

int PendingDropCount()
{
    return int(Drops().size());
}

bool PostHostDroppedFiles(HWND window, const std::vector<AnsiString>& names)
{
    if (!AcceptsDroppedFiles(window))
        return false;
    auto record = std::make_unique<DropRecord>();
    record->window = window;
    record->names = names;
    const HDROP drop = record.get();
    Drops()[drop] = std::move(record);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    return true;
}
