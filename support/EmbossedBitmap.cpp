// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include <cassert>

namespace {

// A monochrome bitmap of the glyph's size, set where the glyph, as copied onto a work bitmap,
// has the outline colour. The monochrome conversion of the toolkit does the comparison, so a
// colour is matched the way the drawing surface holds it.
std::unique_ptr<TBitmap> OutlineMask(TBitmap* glyph, TColor outlineColor)
{
    const TRect bounds = Rect(0, 0, glyph->Width(), glyph->Height());
    auto mask = std::make_unique<TBitmap>();
    mask->SetSize(bounds.Right, bounds.Bottom);
    mask->Canvas()->CopyRect(bounds, glyph->Canvas(), bounds);
    // A device-dependent bitmap would be monochrome on a monochrome display, and would then need
    // a round trip through colour first; our displays are colour, so the copy is colour here.
    mask->SetHandleType(bmDDB);
    mask->Canvas()->Brush()->SetColor(outlineColor);
    mask->SetMonochrome(true);
    return mask;
}

// Paints color into target wherever the mask is set, shifted by offset; DSPDxax keeps the
// target where the source is black and takes the brush where it is white.
void PaintThroughMask(TBitmap& target, TBitmap& mask, TPoint offset, TColor color)
{
    TCanvas* canvas = target.Canvas();
    canvas->Brush()->SetColor(color);
    HDC maskDc = mask.Canvas()->Handle();
    HDC targetDc = canvas->Handle();
    // Monochrome onto colour takes the text colour for clear bits and the background colour for
    // set ones: these make the mask arrive as black and white.
    SetTextColor(targetDc, clBlack);
    SetBkColor(targetDc, clWhite);
    BitBlt(targetDc, offset.x, offset.y, mask.Width(), mask.Height(), maskDc, 0, 0, DSPDxax);
}

} // namespace

std::unique_ptr<TBitmap> MakeEmbossedBitmap(TBitmap* glyph, TColor outlineColor, TColor backColor,
    TColor highlightColor, TColor shadowColor, bool drawHighlight)
{
    assert(glyph && "an embossed image needs a glyph");
    auto result = std::make_unique<TBitmap>();
    result->SetSize(glyph->Width(), glyph->Height());
    const std::unique_ptr<TBitmap> mask = OutlineMask(glyph, outlineColor);

    TCanvas* canvas = result->Canvas();
    canvas->Brush()->SetColor(backColor);
    canvas->FillRect(Rect(0, 0, result->Width(), result->Height()));
    if (drawHighlight)
        PaintThroughMask(*result, *mask, Point(1, 1), highlightColor);
    PaintThroughMask(*result, *mask, Point(0, 0), shadowColor);
    return result;
}

std::unique_ptr<TBitmap> MakeDisabledBitmap(TBitmap* glyph, TColor outlineColor)
{
    return MakeEmbossedBitmap(glyph, outlineColor, clBtnFace, clBtnHighlight, clBtnShadow, true);
}
