// SPDX-License-Identifier: MIT
// Windowless controls: painted into their parent's buffer with a canvas whose origin is the
// control's position and whose clip is its bounds; mouse input comes from the parent.
#pragma once

#include "platform/vcl/controls/Control.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/controls/WinControl.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    const char* ClassName() const override { return "TGraphicControl"; }

    TCanvas* Canvas() const { return FCanvas.get(); }
    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& message);

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

// A windowed container that paints itself with a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    const char* ClassName() const override { return "TCustomControl"; }

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
