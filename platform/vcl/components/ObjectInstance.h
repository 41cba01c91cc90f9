// SPDX-License-Identifier: MIT
// Window procedures that call a method of one object: what a component installs in a window
// it does not own (SetWindowLongPtrA with GWLP_WNDPROC) to see that window's messages.
#pragma once

#include "platform/win32/windows/WinTypes.h"

#include <functional>

using TWndMethod = std::function<void(TMessage& message)>;

// A window procedure of its own for method: it packs each message into a TMessage, calls the
// method and returns the message's Result. Raises EOutOfResources when every procedure is in use.
WNDPROC MakeObjectInstance(TWndMethod method);
// Gives the procedure back; a window still using it then gets 0 for every message, so it must
// no longer be installed anywhere. nullptr and unknown procedures are ignored.
void FreeObjectInstance(WNDPROC instance);
// How many procedures are handed out, for tests.
int ObjectInstancesInUse();
