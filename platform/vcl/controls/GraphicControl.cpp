// SPDX-License-Identifier: MIT
#include "platform/vcl/controls/GraphicControl.h"

namespace {

// Paints through canvas on a device context that someone else owns, for one call.
template <class PaintFunction>
void PaintOn(TControlCanvas& canvas, HDC dc, PaintFunction paint)
{
    canvas.FreeHandle();
    canvas.SetHandle(dc);
    try {
        paint();
    } catch (...) {
        canvas.SetHandle(nullptr);
        throw;
    }
    canvas.SetHandle(nullptr);
}

} // namespace

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner)
    , FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() { FCanvas.reset(); }

const TMessageTable& TGraphicControl::Messages()
{
    static const TMessageTable table(
        &TControl::Messages(), { { WM_PAINT, &MessageHandler<TGraphicControl, &TGraphicControl::WMPaint> } });
    return table;
}

void TGraphicControl::WMPaint(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc)
        return;
    PaintOn(*FCanvas, dc, [this] { Paint(); });
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner)
    , FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl() { FCanvas->FreeHandle(); }

void TCustomControl::PaintWindow(HDC dc)
{
    PaintOn(*FCanvas, dc, [this] { Paint(); });
}
