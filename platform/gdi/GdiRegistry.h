// SPDX-License-Identifier: MIT
// Book-keeping of the live objects and memory DCs, so that a handle deleted twice, a
// handle never made by us, or an object still selected somewhere is refused instead of
// freed under someone's feet.
#pragma once

#include "platform/gdi/Gdi.h"

// What SaveDC keeps and RestoreDC puts back.
struct GdiDc::SavedState {
    HBITMAP bitmap = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = OPAQUE;
    TPoint viewportOrigin;
    TPoint brushOrigin;
    TPoint penPosition;
    std::optional<TRect> clip;
};

// Handles are only compared, never followed, until they are known to be live.
void RegisterGdiObject(GdiObject* object);
// Forgets a live object of ours that no live DC holds, now or in a saved state; false
// (and nothing forgotten) otherwise.
bool ForgetUnusedGdiObject(const GdiObject* object);
void RegisterGdiDc(GdiDc* dc);
bool UnregisterGdiDc(GdiDc* dc); // false when it is not a live DC of ours
