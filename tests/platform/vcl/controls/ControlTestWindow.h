// SPDX-License-Identifier: MIT
// A bare top-level window for control tests without a host: children paint into its
// buffer, which the tests read back pixel by pixel.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"
#include "platform/win32/internal/WindowRecord.h"

class TTestWindow : public TCustomControl {
public:
    TTestWindow(int width, int height, TColor color = clBtnFace)
        : TCustomControl(nullptr)
    {
        SetBounds(0, 0, width, height);
        SetColor(color);
    }

    // Paints whatever waits and returns the pixel of the buffer at a client point.
    COLORREF PixelAt(int x, int y)
    {
        PaintNow();
        return Handle()->paintBuffer.raster.At(x, y);
    }
    void PaintNow() { UpdateWindow(Handle()); }

    // How many pixels of a colour lie inside a rectangle of the client area, once painted.
    int CountPixels(const TRect& area, TColor color)
    {
        PaintNow();
        const PixelRaster& raster = Handle()->paintBuffer.raster;
        const COLORREF wanted = ColorToRGB(color);
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += raster.At(x, y) == wanted ? 1 : 0;
        return count;
    }

    // Runs every queued message, as the application's loop would.
    static void PumpMessages()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
            DispatchMessageA(&message);
    }

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP | WS_VISIBLE;
        params.WndParent = nullptr;
    }
};
