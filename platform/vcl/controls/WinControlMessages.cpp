// SPDX-License-Identifier: MIT
// How a windowed control answers its messages: painting itself and its windowless children, focus, size and the component notifications.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <vector>

void TWinControl::Invalidate()
{
    if (FHandle)
        InvalidateRect(FHandle, nullptr, (FControlStyle & csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update()
{
    if (FHandle)
        UpdateWindow(FHandle);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (FPendingTabOrder >= 0) {
        UpdateTabOrder(FPendingTabOrder);
        FPendingTabOrder = -1;
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (FHandle && FDefWndProc) {
        message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
        return;
    }
    TControl::DefaultHandler(message);
}

void TWinControl::WndProc(TMessage& message)
{
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && IsControlMouseMsg(message))
        return;
    TControl::WndProc(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    TControl* target = FMouseCaptureControl;
    const TPoint point = PointFromLParam(message.LParam);
    if (!target) {
        TControl* under = ControlAtPos(point, false);
        if (under && !dynamic_cast<TWinControl*>(under))
            target = under;
    }
    if (!target)
        return false;
    // The second press of a double click is a press like the first.
    const bool buttonDown = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN
        || message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK;
    if (buttonDown && (target->ControlStyle() & csCaptureMouse)) {
        FMouseCaptureControl = target;
        SetCapture(Handle());
    }
    // The capture lasts until the last button held is let go, not the first.
    const bool buttonUp = (message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP)
        && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
    const TGuardedPtr<TWinControl> self(this);
    message.Result = target->Perform(
        message.Msg, message.WParam, MAKELPARAM(point.x - target->Left(), point.y - target->Top()));
    // The child's handler may have freed this window with it.
    if (!self)
        return true;
    if (buttonUp && FMouseCaptureControl == target) {
        FMouseCaptureControl = nullptr;
        if (GetCapture() == FHandle)
            ReleaseCapture();
    }
    return true;
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    auto child = FControls.begin();
    if (first)
        child = std::find(FControls.begin(), FControls.end(), first);
    // The clip box is in the same logical units as the controls' bounds, whatever the
    // pixel ratio of the surface.
    TRect clipBox;
    const bool clipped = dc->clip.has_value();
    if (clipped)
        GetClipBox(dc, &clipBox);
    for (; child != FControls.end(); ++child) {
        TControl* control = *child;
        if (dynamic_cast<TWinControl*>(control) || !control->Visible())
            continue;
        if (clipped && IntersectRects(control->BoundsRect(), clipBox).IsEmpty())
            continue;
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, origin.x + control->Left(), origin.y + control->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        try {
            control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        } catch (...) {
            RestoreDC(dc, saved);
            throw;
        }
        RestoreDC(dc, saved);
    }
}

void TWinControl::PaintHandler(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT paint;
    if (!dc)
        dc = BeginPaint(FHandle, &paint);
    if (!dc)
        return;
    try {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
    } catch (...) {
        if (!message.WParam)
            EndPaint(FHandle, &paint);
        throw;
    }
    if (!message.WParam)
        EndPaint(FHandle, &paint);
}

void TWinControl::WMPaint(TMessage& message)
{
    if (IsHostDrawnWindow(FHandle)) {
        DefaultHandler(message);
        return;
    }
    PaintHandler(message);
}

void TWinControl::WMEraseBkgnd(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    FillRect(dc, ClientRect(), FBrush->Handle());
    message.Result = 1;
}

void TWinControl::WMCommand(TMessage& message)
{
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam))) {
        message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
    }
    DefaultHandler(message);
}

void TWinControl::WMCtlColor(TMessage& message)
{
    if (TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam))) {
        message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return;
    }
    DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage& message)
{
    DefaultHandler(message);
    Perform(CM_ENTER, 0, 0);
}

void TWinControl::WMKillFocus(TMessage& message)
{
    DefaultHandler(message);
    Perform(CM_EXIT, 0, 0);
}

void TWinControl::WMSize(TMessage& message)
{
    DefaultHandler(message);
    Invalidate();
}

void TWinControl::WMNCDestroy(TMessage& message)
{
    DefaultHandler(message);
    FHandle = nullptr;
}

void TWinControl::CMEnabledChanged(TMessage&)
{
    if (FHandle)
        EnableWindow(FHandle, FEnabled ? TRUE : FALSE);
    Invalidate();
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (FHandle)
        ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMColorChanged(TMessage&)
{
    FBrush->SetColor(FColor);
    NotifyControls(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::CMFontChanged(TMessage&)
{
    ApplyFontToWindow();
    NotifyControls(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::CMSysColorChange(TMessage& message)
{
    Invalidate();
    for (TControl* child : std::vector<TControl*>(FControls))
        child->Perform(message.Msg, message.WParam, message.LParam);
}

void TWinControl::CMTextChanged(TMessage&) { Invalidate(); }

TPoint TWinControl::ClientOrigin() const
{
    if (!FHandle)
        return TControl::ClientOrigin();
    TPoint origin;
    ::ClientToScreen(FHandle, &origin);
    return origin;
}

void TWinControl::CMDialogChar(TMessage& message)
{
    // Every control of the window may own the accelerator; the first to take it ends the search.
    Broadcast(message);
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }
void TWinControl::CMBiDiModeChanged(TMessage&) { NotifyControls(CM_PARENTBIDIMODECHANGED); }

void TWinControl::WMCaptureChanged(TMessage& message)
{
    // Whoever took the capture (a menu's loop, another window) gets the releases from now on,
    // so no windowless child may go on thinking it holds the mouse.
    if (reinterpret_cast<HWND>(message.LParam) != FHandle)
        FMouseCaptureControl = nullptr;
    DefaultHandler(message);
}
