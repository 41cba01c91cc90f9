// SPDX-License-Identifier: MIT
// Drawing the caption and the drop-down mark, and the whole button face in one call.
#include "widgets/ButtonGlyph.h"

#include "support/VCLUtils.h"

namespace {

constexpr int kMarkWidth = 7;

void DrawMarkPixels(TCanvas* canvas, int x, int y, TColor color)
{
    // Rows of 7, 5, 3 and 1 pixels, each centred under the one above.
    for (int row = 0; row < 4; ++row)
        for (int column = row; column < kMarkWidth - row; ++column)
            canvas->SetPixels(x + column, y - 1 + row, color);
}

} // namespace

void TButtonGlyph::DrawDropMark(TCanvas* canvas, int x, int y, TGlyphState state)
{
    if (state == gsDisabled) {
        DrawMarkPixels(canvas, x + 1, y + 1, clBtnHighlight);
        DrawMarkPixels(canvas, x, y, clBtnShadow);
        return;
    }
    DrawMarkPixels(canvas, x, y, clBtnText);
}

void TButtonGlyph::DrawCaption(
    TCanvas* canvas, const AnsiString& caption, const TRect& textBounds, TGlyphState state, UINT flags)
{
    TRect bounds = textBounds;
    canvas->Brush()->SetStyle(bsClear);
    const AnsiString text = CaptionBuffer(caption, 255);
    flags |= WordWrapFlags[FWordWrap] | DT_VCENTER;
    if (state == gsDisabled) {
        // Embossed: a highlight copy one pixel down and right, the shadow copy on top.
        OffsetRect(bounds, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawTextA(canvas->Handle(), text.c_str(), -1, &bounds, flags);
        OffsetRect(bounds, -1, -1);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawTextA(canvas->Handle(), text.c_str(), -1, &bounds, flags);
}

TRect TButtonGlyph::Render(TCanvas* canvas, const TRect& client, const AnsiString& caption,
    TButtonLayout layout, int margin, int spacing, bool popupMark, TGlyphState state, UINT flags)
{
    AnsiString fitted = caption;
    TPoint glyphPos;
    TRect textBounds;
    ComputeLayout(canvas, client, fitted, layout, margin, spacing, popupMark, glyphPos, textBounds, flags);
    const TPoint glyphSize = DrawStateGlyph(canvas, glyphPos.x, glyphPos.y, state);
    DrawCaption(canvas, fitted, textBounds, state, flags);
    if (popupMark) {
        TPoint mark;
        if (layout != blGlyphLeft && FSourceGlyph->Width() > 0) {
            mark = { glyphPos.x + glyphSize.x + 1, glyphPos.y + glyphSize.y / 2 };
        } else {
            mark.x = fitted.empty() ? (client.Left + client.Right - kMarkWidth) / 2 : textBounds.Right + 3;
            mark.y = textBounds.Top + RectHeight(textBounds) / 2;
        }
        DrawDropMark(canvas, mark.x, mark.y, state);
    }
    return textBounds;
}
