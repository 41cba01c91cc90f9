// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/gdi/Text.h"

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner)
{
    FControlStyle |= csOpaque | csReplicatable;
    SetBounds(0, 0, 65, 17);
}

const TMessageTable& TLabel::Messages()
{
    static const TMessageTable table(&TGraphicControl::Messages(),
        {
            { CM_TEXTCHANGED, &MessageHandler<TLabel, &TLabel::CMTextChanged> },
            { CM_FONTCHANGED, &MessageHandler<TLabel, &TLabel::CMFontChanged> },
        });
    return table;
}

UINT TLabel::TextFormat() const
{
    UINT format = DT_EXPANDTABS;
    if (FWordWrap)
        format |= DT_WORDBREAK;
    if (!FShowAccelChar)
        format |= DT_NOPREFIX;
    switch (FAlignment) {
    case taLeftJustify:
        format |= DT_LEFT;
        break;
    case taRightJustify:
        format |= DT_RIGHT;
        break;
    case taCenter:
        format |= DT_CENTER;
        break;
    }
    return format;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || (ComponentState() & (csReading | csLoading)))
        return;
    // An empty caption still takes the height of one line.
    const AnsiString text = Caption().empty() ? AnsiString(" ") : Caption();
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        throw EOutOfResources("Out of system resources: no device context for measuring text");
    const HGDIOBJ previous = SelectObject(dc, FFont->Handle());
    TRect area = Rect(0, 0, FWidth, 0);
    DrawTextA(dc, text.c_str(), -1, &area, TextFormat() | DT_CALCRECT);
    SelectObject(dc, previous);
    DeleteDC(dc);
    // Right-aligned text keeps its right edge where it was.
    const int left = FAlignment == taRightJustify ? FLeft + FWidth - area.Right : FLeft;
    SetBounds(left, FTop, area.Right, area.Bottom);
}

void TLabel::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    if (value)
        FControlStyle &= ~TControlStyle(csOpaque);
    else
        FControlStyle |= csOpaque;
    Invalidate();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::CMTextChanged(TMessage&)
{
    Invalidate();
    AdjustBounds();
}

void TLabel::CMFontChanged(TMessage& message)
{
    TGraphicControl::CMFontChanged(message);
    AdjustBounds();
}

void TLabel::Paint()
{
    TCanvas* canvas = TGraphicControl::Canvas();
    TRect area = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(FColor);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(area);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(FFont.get());
    const AnsiString text = Caption();
    const UINT format = TextFormat();
    if (!Enabled()) {
        // Engraved: a light copy one pixel down and right under a shadow-coloured one.
        TRect raised = area;
        OffsetRect(raised, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawTextA(canvas->Handle(), text.c_str(), -1, &raised, format);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawTextA(canvas->Handle(), text.c_str(), -1, &area, format);
}
