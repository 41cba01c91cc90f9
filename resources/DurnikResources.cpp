// SPDX-License-Identifier: MIT
#include "resources/DurnikResources.h"

#include "platform/win32/resources/ResourceTable.h"
#include "resources/AppIcon.h"
#include "resources/Cursors.h"
#include "resources/FolderGlyph.h"

void RegisterDurnikResources()
{
    RegisterCursorResource(kHandCursorName, HandCursor());
    RegisterCursorResource(kDragCursorName, DragCursor());
    RegisterBitmapResource(kFolderGlyphName, FolderGlyph());
    RegisterIconResource(kMainIconName, TileIcon());
}
