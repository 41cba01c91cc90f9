// SPDX-License-Identifier: MIT
// Cursors and icons: host shapes by number, our own images by resource name.
#include "platform/win32/resources/CursorRecord.h"
#include "platform/win32/resources/ResourceTable.h"
#include "platform/win32/windows/Host.h"
#include "platform/win32/windows/WinUser.h"

#include <map>
#include <memory>

namespace {

std::map<int, std::unique_ptr<CursorRecord>>& StandardCursors()
{
    static std::map<int, std::unique_ptr<CursorRecord>> cursors;
    return cursors;
}

std::map<AnsiString, std::unique_ptr<CursorRecord>>& NamedCursors()
{
    static std::map<AnsiString, std::unique_ptr<CursorRecord>> cursors;
    return cursors;
}

HCURSOR& CurrentCursor()
{
    static HCURSOR cursor = nullptr;
    return cursor;
}

} // namespace

HCURSOR LoadCursorA(HINSTANCE, int standardId)
{
    auto& cursors = StandardCursors();
    auto& slot = cursors[standardId];
    if (!slot) {
        slot = std::make_unique<CursorRecord>();
        slot->standardId = standardId;
    }
    return slot.get();
}

HCURSOR LoadCursorA(HINSTANCE instance, const char* name)
{
    if (!name)
        return LoadCursorA(instance, IDC_ARROW);
    const CursorResource* resource = FindCursorResource(name);
    if (!resource)
        return nullptr;
    auto& slot = NamedCursors()[UpperCase(name)];
    if (!slot) {
        slot = std::make_unique<CursorRecord>();
        slot->andMask = resource->andMask;
        slot->xorMask = resource->xorMask;
        slot->hotSpot = resource->hotSpot;
    }
    return slot.get();
}

HCURSOR SetCursor(HCURSOR cursor)
{
    const HCURSOR previous = CurrentCursor();
    if (cursor == previous)
        return previous;
    CurrentCursor() = cursor;
    if (Host* host = CurrentHost())
        host->SetCursor(cursor);
    return previous;
}

HCURSOR GetCursor() { return CurrentCursor(); }

// Loaded cursors are shared for the whole run, as the classic ones are.
BOOL DestroyCursor(HCURSOR cursor) { return cursor ? TRUE : FALSE; }

HICON LoadIconA(HINSTANCE, const char* name) { return name ? FindIconResource(name) : nullptr; }
