// SPDX-License-Identifier: MIT
#include "app/ProgramCursors.h"

#include "platform/vcl/forms/Screen.h"
#include "resources/DurnikResources.h"

void RegisterProgramCursors()
{
    Screen->SetCursors(crHandCursor, LoadCursorA(HInstance, kHandCursorName));
    Screen->SetCursors(crDragCursor, LoadCursorA(HInstance, kDragCursorName));
}
