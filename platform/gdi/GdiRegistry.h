// SPDX-License-Identifier: MIT
// Book-keeping of the live objects and memory DCs, so that a handle deleted twice, a
// handle never made by us, or an object still selected somewhere is refused instead of
// freed under someone's feet.
#pragma once

#include "platform/gdi/Gdi.h"

// Handles are only compared, never followed, until they are known to be live.
void RegisterGdiObject(GdiObject* object);
// Forgets a live object of ours that no live DC holds, now or in a saved state; false
// (and nothing forgotten) otherwise.
bool ForgetUnusedGdiObject(const GdiObject* object);
void RegisterGdiDc(GdiDc* dc);
bool UnregisterGdiDc(GdiDc* dc); // false when it is not a live DC of ours
