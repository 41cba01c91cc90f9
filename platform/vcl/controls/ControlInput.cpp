// SPDX-License-Identifier: MIT
// What a control inherits from its parent besides colour and font (hints, reading order), and
// how it holds the mouse.
#include "platform/vcl/controls/Control.h"

#include "platform/gdi/Text.h"
#include "platform/vcl/controls/WinControl.h"

void TControl::SetShowHint(bool value)
{
    if (value == FShowHint && !FParentShowHint)
        return;
    FShowHint = value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool value)
{
    if (value == FParentShowHint)
        return;
    FParentShowHint = value;
    if (FParent && value && !(ComponentState() & csReading))
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!FParentShowHint || !FParent)
        return;
    if (FShowHint != FParent->ShowHint()) {
        FShowHint = FParent->ShowHint();
        Perform(CM_SHOWHINTCHANGED, 0, 0);
    }
}

void TControl::SetBiDiMode(TBiDiMode value)
{
    if (value == FBiDiMode && !FParentBiDiMode)
        return;
    FBiDiMode = value;
    FParentBiDiMode = false;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool value)
{
    if (value == FParentBiDiMode)
        return;
    FParentBiDiMode = value;
    if (FParent && value && !(ComponentState() & csReading))
        Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage&)
{
    if (!FParentBiDiMode || !FParent)
        return;
    if (FBiDiMode != FParent->BiDiMode()) {
        FBiDiMode = FParent->BiDiMode();
        Perform(CM_BIDIMODECHANGED, 0, 0);
        Invalidate();
    }
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const
{
    UINT result = flags;
    if (UseRightToLeftAlignment()) {
        if ((result & DT_RIGHT) == DT_RIGHT)
            result &= ~DT_RIGHT;
        else if (!(result & DT_CENTER))
            result |= DT_RIGHT;
    }
    return result | DrawTextBiDiModeFlagsReadingOnly();
}

UINT TControl::DrawTextBiDiModeFlagsReadingOnly() const
{
    return UseRightToLeftReading() ? DT_RTLREADING : 0;
}

TControl* GetCaptureControl()
{
    TWinControl* window = TWinControl::FindControl(GetCapture());
    if (!window)
        return nullptr;
    return window->FMouseCaptureControl ? window->FMouseCaptureControl : window;
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value == MouseCapture())
        return;
    auto* window = dynamic_cast<TWinControl*>(this);
    if (!value) {
        ReleaseCapture();
        return;
    }
    if (window) {
        SetCapture(window->Handle());
        return;
    }
    if (!FParent)
        return;
    // The parent window holds the capture and hands its mouse messages on to this child.
    SetCapture(FParent->Handle());
    FParent->FMouseCaptureControl = this;
}

void TControl::CMCancelMode(TMessage&)
{
    if (MouseCapture())
        SetMouseCapture(false);
}

TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled)
{
    TWinControl* window = TWinControl::FindControl(WindowFromPoint(screenPoint));
    if (!window)
        return nullptr;
    TControl* child = window->ControlAtPos(window->ScreenToClient(screenPoint), allowDisabled);
    if (child && !dynamic_cast<TWinControl*>(child))
        return child;
    return window;
}
