// SPDX-License-Identifier: MIT
#include "tile/TileComposer.h"

namespace {

// Puts the canvas back to plain copying however the composition ends.
class CopyModeReset {
public:
    explicit CopyModeReset(TCanvas* canvas) : FCanvas(canvas) {}
    ~CopyModeReset() { FCanvas->SetCopyMode(SRCCOPY); }
    CopyModeReset(const CopyModeReset&) = delete;
    CopyModeReset& operator=(const CopyModeReset&) = delete;

private:
    TCanvas* FCanvas;
};

} // namespace

void ComposeTile(TGraphic* source, TGraphic* mask, TBitmap& tile, int width, int height)
{
    tile.SetWidth(width);
    tile.SetHeight(height);
    TCanvas* canvas = tile.Canvas();
    const TRect whole = Rect(0, 0, width, height);
    const CopyModeReset reset(canvas);
    canvas->SetCopyMode(SRCCOPY);
    canvas->StretchDraw(whole, source);
    canvas->SetCopyMode(MERGEPAINT);
    canvas->StretchDraw(whole, mask);
}

void ComposeTile(TPicture& source, TPicture& mask, TPicture& tile, int width, int height)
{
    ComposeTile(source.Graphic(), mask.Graphic(), *tile.Bitmap(), width, height);
}
