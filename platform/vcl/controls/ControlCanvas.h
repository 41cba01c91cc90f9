// SPDX-License-Identifier: MIT
// A canvas that draws on a control: on its own window, or for a windowless control on its
// parent's window at the control's place, clipped to the control.
#pragma once

#include "platform/vcl/graphics/Graphics.h"
#include "platform/win32/windows/WinTypes.h"

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control);
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    // Gives back a device context this canvas fetched for itself.
    void FreeHandle();
    // Gives back the device contexts of every control canvas; run when the loop idles, so
    // what was drawn outside painting reaches the screen.
    static void FreeDeviceContexts();

protected:
    void CreateHandle() override;

private:
    TControl* FControl;
    HDC FDeviceContext = nullptr;
    HWND FWindow = nullptr;
};
