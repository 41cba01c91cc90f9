// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include "platform/gdi/Text.h"

TGroupBox::TGroupBox(TComponent* owner)
    : TCustomControl(owner)
{
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 185, 105);
}

const TMessageTable& TGroupBox::Messages()
{
    static const TMessageTable table(&TCustomControl::Messages(),
        { { CM_TEXTCHANGED, &MessageHandler<TGroupBox, &TGroupBox::CMTextChanged> } });
    return table;
}

void TGroupBox::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TGroupBox::Paint()
{
    TCanvas* canvas = TCustomControl::Canvas();
    canvas->Font()->Assign(FFont.get());
    TEXTMETRIC metrics;
    GetTextMetricsA(canvas->Handle(), &metrics);
    const int textHeight = metrics.tmHeight;

    // The frame runs through the middle of the caption line: a light line one pixel down
    // and right of a shadow line gives the etched look.
    TRect frame = Rect(0, textHeight / 2 - 1, FWidth, FHeight);
    TRect light = Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FrameRect(light);
    TRect shadow = Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(shadow);

    const AnsiString caption = Caption();
    if (caption.empty())
        return;
    // The caption sits on the frame, 8 pixels in, on the box's own colour.
    TRect captionArea = Rect(8, 0, 8, textHeight);
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &captionArea, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    canvas->Brush()->SetColor(FColor);
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &captionArea, DT_LEFT | DT_SINGLELINE);
}
