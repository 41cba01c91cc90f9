// SPDX-License-Identifier: MIT
// How a speed button paints: its frame and its glyph and caption for each state.
#include "widgets/SpeedButton.h"

#include "support/VCLUtils.h"

void TSpeedButton::Paint()
{
    if (!Enabled()) {
        FButtonState = gsDisabled;
        FTracking = false;
    } else if (FButtonState == gsDisabled)
        FButtonState = FDown && FGroupIndex != 0 ? gsExclusive : gsUp;

    TGlyphState look = FButtonState;
    if (FFlat && !FMouseInside && !(ComponentState() & csDesigning))
        look = gsInactive;

    TRect rect = Rect(0, 0, Width(), Height());
    // The buffer takes the ratio of the surface it is copied to, so its caption and frame
    // keep their physical detail there.
    FPaintBuffer->SetPixelRatio(PixelRatioOf(Canvas()->Handle()));
    FPaintBuffer->SetSize(Width(), Height());
    TCanvas* canvas = FPaintBuffer->Canvas();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetBitmap(nullptr);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
    if (FTransparent)
        DrawParentBackdrop(this, canvas);

    const bool pressed = FButtonState == gsDown || FButtonState == gsExclusive;
    if (look != gsInactive || FButtonState == gsExclusive)
        rect = DrawButtonBorder(canvas, rect, pressed, FFlat, FStyle);
    else if (FFlat)
        InflateRect(rect, -2, -2);

    if (FButtonState == gsExclusive && !FTransparent && (!FFlat || look == gsInactive)) {
        canvas->Brush()->SetBitmap(AllocPatternBitmap(clBtnFace, clBtnHighlight));
        TRect face = rect;
        InflateRect(face, 1, 1);
        canvas->FillRect(face);
        canvas->Brush()->SetBitmap(nullptr);
    }
    if (pressed)
        OffsetRect(rect, 1, 1);

    const TGlyphState contentLook = FButtonState == gsDisabled || !FGrayedInactive ? FButtonState : look;
    PaintContent(canvas, rect, contentLook, FMarkDropDown && FDropDownMenu);
    Canvas()->Draw(0, 0, FPaintBuffer.get());
}

void TSpeedButton::PaintContent(TCanvas* canvas, const TRect& rect, TGlyphState look, bool drawMark)
{
    FGlyphRenderer->Render(canvas, rect, Caption(), FLayout, FMargin, FSpacing, drawMark, look,
        DrawTextBiDiModeFlags(AlignmentFlags[Alignment()]));
}

void TSpeedButton::PrebuildGlyph()
{
    FGlyphRenderer->BuildStateGlyph(!Enabled() ? gsDisabled : FFlat ? gsInactive : gsUp);
}
