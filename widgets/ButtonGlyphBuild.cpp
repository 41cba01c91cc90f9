// SPDX-License-Identifier: MIT
// Building each state's glyph from the strip, once, into the shared glyph list.
#include "widgets/ButtonGlyph.h"

#include "platform/gdi/ImageList.h"
#include "support/VCLUtils.h"

int TButtonGlyph::BuildStateGlyph(TGlyphState state)
{
    // With fewer than three images, pressed and released share one glyph.
    if (state == gsDown && FNumGlyphs < 3)
        state = gsUp;
    if (FStateIndexes[state] != -1)
        return FStateIndexes[state];
    if (FSourceGlyph->Width() == 0 || FSourceGlyph->Height() == 0 || FSourceGlyph->Empty())
        return -1;
    const int width = FSourceGlyph->Width() / FNumGlyphs;
    const int height = FSourceGlyph->Height();
    if (width == 0)
        return -1; // narrower than its image count: no image to take
    if (!FGlyphList) {
        if (!SharedGlyphCache)
            SharedGlyphCache = new TGlyphCache;
        FGlyphList = SharedGlyphCache->AcquireList(width, height);
    }
    try {
        FStateIndexes[state] = StoreStateGlyph(state, width, height);
    } catch (...) {
        DropListWithoutGlyphs();
        throw;
    }
    FSourceGlyph->Dormant();
    return FStateIndexes[state];
}

// A list in which we hold no live slot can be freed by any other renderer's release, so we
// must not keep it after a build that stored nothing.
void TButtonGlyph::DropListWithoutGlyphs()
{
    for (const int index : FStateIndexes)
        if (index != -1)
            return;
    if (SharedGlyphCache)
        SharedGlyphCache->ReleaseList(FGlyphList);
    FGlyphList = nullptr;
}

int TButtonGlyph::StoreStateGlyph(TGlyphState state, int width, int height)
{
    auto temporary = std::make_unique<TBitmap>();
    temporary->SetSize(width, height);
    TCanvas* canvas = temporary->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    const int image = state >= FNumGlyphs ? 0 : int(state);
    const auto copyImage = [&] {
        canvas->CopyRect(Rect(0, 0, width, height), FSourceGlyph->Canvas(),
            Rect(image * width, 0, (image + 1) * width, height));
        return FGlyphList->AddGlyphMasked(temporary.get(), FTransparentColor);
    };
    switch (state) {
    case gsUp:
    case gsDown:
    case gsExclusive:
        return copyImage();
    case gsDisabled: {
        if (FNumGlyphs >= 2)
            return copyImage();
        const std::unique_ptr<TBitmap> disabled = MakeDisabledBitmap(FSourceGlyph.get(), clBlack);
        return FGlyphList->AddGlyphMasked(disabled.get(), ColorToRGB(clBtnFace));
    }
    case gsInactive: {
        if (FNumGlyphs == kGlyphStateCount)
            return copyImage();
        TCanvas* strip = FSourceGlyph->Canvas();
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                canvas->SetPixels(x, y, GrayColor(strip->Pixels(x, y)));
        return FGlyphList->AddGlyphMasked(temporary.get(), FTransparentColor);
    }
    }
    return -1;
}

TPoint TButtonGlyph::DrawStateGlyph(TCanvas* canvas, int x, int y, TGlyphState state)
{
    if (FSourceGlyph->Width() == 0 || FSourceGlyph->Height() == 0 || FSourceGlyph->Empty())
        return {};
    const int slot = BuildStateGlyph(state);
    if (slot < 0)
        return {};
    ImageList_Draw(FGlyphList->Handle(), slot, canvas->Handle(), x, y, ILD_NORMAL);
    return { FGlyphList->Width(), FGlyphList->Height() };
}
