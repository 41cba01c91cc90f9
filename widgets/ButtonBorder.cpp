// SPDX-License-Identifier: MIT
#include "widgets/ButtonBorder.h"

#include "platform/vcl/controls/NewStyleControls.h"

TRect DrawButtonBorder(TCanvas* canvas, const TRect& client, bool isDown, bool isFlat, TButtonStyle style)
{
    TRect rect = client;
    const bool newStyle = style == bsNew || (style == bsAutoDetect && NewStyleControls);
    if (isDown) {
        if (newStyle || isFlat) {
            Frame3D(canvas, rect, clWindowFrame, clBtnHighlight, 1);
            if (newStyle && !isFlat)
                Frame3D(canvas, rect, clBtnShadow, clBtnFace, 1);
        } else {
            Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
            // Only top and left: the pressed face shifts down and right under it.
            canvas->Pen()->SetColor(clBtnShadow);
            const TPoint shadow[]
                = { { rect.Left, rect.Bottom - 1 }, { rect.Left, rect.Top }, { rect.Right, rect.Top } };
            canvas->Polyline(shadow);
        }
    } else if (newStyle) {
        if (isFlat)
            Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
        else {
            Frame3D(canvas, rect, clBtnHighlight, clWindowFrame, 1);
            Frame3D(canvas, rect, clBtnFace, clBtnShadow, 1);
        }
    } else if (isFlat) {
        Frame3D(canvas, rect, clBtnHighlight, clWindowFrame, 1);
    } else {
        Frame3D(canvas, rect, clWindowFrame, clWindowFrame, 1);
        Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
    }
    InflateRect(rect, -1, -1);
    return rect;
}
