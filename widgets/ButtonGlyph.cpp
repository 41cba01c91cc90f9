// SPDX-License-Identifier: MIT
#include "widgets/ButtonGlyph.h"

TButtonGlyph::TButtonGlyph()
    : FSourceGlyph(std::make_unique<TBitmap>())
{
    FSourceGlyph->OnChange = [this](TObject* sender) { SourceChanged(sender); };
    if (!SharedGlyphCache)
        SharedGlyphCache = new TGlyphCache;
}

TButtonGlyph::~TButtonGlyph()
{
    FSourceGlyph.reset();
    ReleaseGlyphs();
    // Whoever empties the cache last frees it; renderers without glyphs may still live and
    // will make a new one when they build.
    if (SharedGlyphCache && SharedGlyphCache->IsEmpty()) {
        delete SharedGlyphCache;
        SharedGlyphCache = nullptr;
    }
}

void TButtonGlyph::SetSourceGlyph(TBitmap* value)
{
    ReleaseGlyphs();
    FSourceGlyph->Assign(value);
}

void TButtonGlyph::SetNumGlyphs(int value)
{
    if (value == FNumGlyphs || value <= 0 || value > kGlyphStateCount)
        return;
    ReleaseGlyphs();
    FNumGlyphs = std::uint8_t(value);
}

void TButtonGlyph::ReleaseGlyphs()
{
    for (int& index : FStateIndexes) {
        if (FGlyphList && index != -1)
            FGlyphList->ReleaseSlot(index);
        index = -1;
    }
    if (SharedGlyphCache)
        SharedGlyphCache->ReleaseList(FGlyphList);
    FGlyphList = nullptr;
}

void TButtonGlyph::SourceChanged(TObject* sender)
{
    if (sender != FSourceGlyph.get())
        return;
    ReleaseGlyphs();
    const int width = FSourceGlyph->Width();
    const int height = FSourceGlyph->Height();
    if (height > 0) {
        FTransparentColor = FSourceGlyph->TransparentColor() & ~clPaletteRelative;
        // A strip that is no whole number of squares keeps the count it was given.
        if (width % height == 0) {
            int count = width / height;
            if (count > kGlyphStateCount)
                count = 1;
            SetNumGlyphs(count);
        }
    }
    if (OnChange)
        OnChange(this);
}

TColor TButtonGlyph::GrayColor(TColor color) const
{
    const COLORREF rgb = ColorToRGB(color);
    if (color == FTransparentColor || rgb == ColorToRGB(clBtnFace))
        return color;
    // The weights sum to 256, so the grey level stays within a byte.
    const auto level = std::uint8_t((GetRValue(rgb) * 77 + GetGValue(rgb) * 150 + GetBValue(rgb) * 29) >> 8);
    return RGB(level, level, level);
}
