// SPDX-License-Identifier: MIT
#include "tile/TileComposer.h"

#include "platform/rtl/ScopeExit.h"

void ComposeTile(TGraphic* source, TGraphic* mask, TBitmap& tile, int width, int height)
{
    tile.SetWidth(width);
    tile.SetHeight(height);
    TCanvas* canvas = tile.Canvas();
    const TRect whole = Rect(0, 0, width, height);
    // Back to plain copying however the composition ends.
    const ScopeExit reset([canvas] { canvas->SetCopyMode(SRCCOPY); });
    canvas->SetCopyMode(SRCCOPY);
    canvas->StretchDraw(whole, source);
    canvas->SetCopyMode(MERGEPAINT);
    canvas->StretchDraw(whole, mask);
}

void ComposeTile(TPicture& source, TPicture& mask, TPicture& tile, int width, int height)
{
    ComposeTile(source.Graphic(), mask.Graphic(), *tile.Bitmap(), width, height);
}
