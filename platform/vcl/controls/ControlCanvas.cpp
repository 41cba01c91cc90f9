// SPDX-License-Identifier: MIT
#include "platform/vcl/controls/ControlCanvas.h"

#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<TControlCanvas*>& CanvasesWithDc()
{
    static std::vector<TControlCanvas*> canvases;
    return canvases;
}
} // namespace

TControlCanvas::TControlCanvas(TControl* control)
    : FControl(control)
{
}

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle()
{
    if (!FControl)
        return;
    auto* window = dynamic_cast<TWinControl*>(FControl);
    TPoint offset;
    if (!window) {
        window = FControl->Parent();
        offset = Point(FControl->Left(), FControl->Top());
    }
    if (!window)
        return;
    FWindow = window->Handle();
    FDeviceContext = GetDC(FWindow);
    if (!FDeviceContext)
        throw EOutOfResources("Out of system resources: no device context for drawing");
    TPoint origin;
    GetViewportOrgEx(FDeviceContext, &origin);
    SetViewportOrgEx(FDeviceContext, origin.x + offset.x, origin.y + offset.y, nullptr);
    IntersectClipRect(FDeviceContext, 0, 0, FControl->Width(), FControl->Height());
    SetHandle(FDeviceContext);
    CanvasesWithDc().push_back(this);
}

void TControlCanvas::FreeHandle()
{
    if (!FDeviceContext)
        return;
    auto& canvases = CanvasesWithDc();
    canvases.erase(std::remove(canvases.begin(), canvases.end(), this), canvases.end());
    SetHandle(nullptr);
    ReleaseDC(FWindow, FDeviceContext);
    FDeviceContext = nullptr;
    FWindow = nullptr;
}

void TControlCanvas::FreeDeviceContexts()
{
    const std::vector<TControlCanvas*> canvases = CanvasesWithDc();
    for (TControlCanvas* canvas : canvases)
        canvas->FreeHandle();
}
