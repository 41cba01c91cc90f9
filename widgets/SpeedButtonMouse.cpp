// SPDX-License-Identifier: MIT
// How a speed button follows the mouse and the keyboard: presses, releases, the auto-repeat
// timer, the mouse entering and leaving, and its access key.
#include "widgets/SpeedButton.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/components/ComponentGuard.h"
#include "platform/vcl/forms/Forms.h"
#include "support/VCLUtils.h"

bool TSpeedButton::IsInside(int x, int y) const
{
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // A press that arrives while the drop-down menu is open (a nested loop) is not ours.
    if (FMenuShowing)
        return;
    const TGuardedPtr<TSpeedButton> self(this);
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!self)
        return;
    if (!FMouseInside && Enabled()) {
        FMouseInside = true;
        Repaint();
    }
    if (button != mbLeft || !Enabled())
        return;
    if (!FDown) {
        FButtonState = gsDown;
        Repaint();
    }
    FTracking = true;
    bool menuShown = false;
    {
        // Cleared however the menu or the check ends, unless the button went with it.
        FMenuShowing = true;
        const ScopeExit menuClosed([&self] {
            if (self)
                self->FMenuShowing = false;
        });
        try {
            menuShown = TryDropDownMenu(DropDownMenuPoint(), false);
        } catch (...) {
            // A menu item's handler failed: the press still ends, and the failure goes on.
            if (self)
                FinishPress(button, shift, x, y);
            throw;
        }
        if (menuShown) {
            if (!self)
                return;
            FinishPress(button, shift, x, y);
            if (!self)
                return;
        }
        // The click that closed the menu on the button itself must not press it again.
        MSG pending;
        if (PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE)
            && (pending.message == WM_LBUTTONDOWN || pending.message == WM_LBUTTONDBLCLK)) {
            const TPoint client = ScreenToClient(pending.pt);
            if (IsInside(client.x, client.y))
                DiscardPendingMessage(nullptr, pending.message);
        }
    }
    // A press that opened the menu has ended with it; there is nothing left to repeat.
    if (menuShown || !FAllowTimer)
        return;
    if (!FAutoRepeatTimer) {
        FAutoRepeatTimer = new TTimer(this);
        FAutoRepeatTimer->SetEnabled(false);
    }
    FAutoRepeatTimer->SetInterval(FInitPause);
    FAutoRepeatTimer->OnTimer = [this](TObject*) { AutoRepeatTick(); };
    FAutoRepeatTimer->SetEnabled(true);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    const TGuardedPtr<TSpeedButton> self(this);
    TGraphicControl::MouseMove(shift, x, y);
    if (!self || !FTracking)
        return;
    const TGlyphState next = FDown ? gsExclusive : IsInside(x, y) ? gsDown : gsUp;
    if (next == FButtonState)
        return;
    FButtonState = next;
    Repaint();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TGuardedPtr<TSpeedButton> self(this);
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!self)
        return;
    FinishPress(button, shift, x, y);
    if (self && FAutoRepeatTimer)
        FAutoRepeatTimer->SetEnabled(false);
}

void TSpeedButton::FinishPress(TMouseButton button, TShiftState, int x, int y)
{
    if (FTracking && button == mbLeft) {
        FTracking = false;
        const bool inside = IsInside(x, y);
        if (FGroupIndex == 0) {
            FButtonState = gsUp;
            // Cleared without a leave event: the refresh below finds the cursor over the button
            // and tells of entering again.
            FMouseInside = false;
            if (inside)
                Repaint();
            else
                Invalidate();
        } else if (inside) {
            SetDown(!FDown);
            if (FDown)
                Repaint();
        } else {
            if (FDown)
                FButtonState = gsExclusive;
            Repaint();
        }
        if (inside && !FMenuShowing) {
            const TGuardedPtr<TSpeedButton> self(this);
            Click();
            if (!self)
                return;
        }
    }
    RefreshMouseInside();
}

void TSpeedButton::AutoRepeatTick()
{
    FAutoRepeatTimer->SetInterval(FRepeatInterval);
    if (FButtonState != gsDown || !MouseCapture())
        return;
    const TGuardedPtr<TSpeedButton> self(this);
    try {
        Click();
    } catch (...) {
        if (self && FAutoRepeatTimer)
            FAutoRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TSpeedButton::Click()
{
    if (TForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TGraphicControl::Click();
}

void TSpeedButton::RefreshMouseInside()
{
    const bool wasInside = FMouseInside;
    TPoint cursor;
    GetCursorPos(&cursor);
    FMouseInside = Enabled() && FindDragTarget(cursor, true) == this && OwnsActiveWindow();
    if (FMouseInside == wasInside)
        return;
    if (FMouseInside) {
        if (FFlat)
            Repaint();
        DoMouseEnter();
    } else {
        if (FFlat)
            Invalidate();
        DoMouseLeave();
    }
}

void TSpeedButton::DoMouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TSpeedButton::DoMouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TSpeedButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(WORD(message.WParam), Caption()) && Enabled()) {
        Click();
        message.Result = 1;
        return;
    }
    Inherited(message);
}

void TSpeedButton::CMMouseEnter(TMessage& message)
{
    Inherited(message);
    if (FMouseInside || !Enabled() || !OwnsActiveWindow())
        return;
    FMouseInside = true;
    if (FFlat)
        Repaint();
    DoMouseEnter();
}

void TSpeedButton::CMMouseLeave(TMessage& message)
{
    Inherited(message);
    if (!FMouseInside || !Enabled() || FTracking)
        return;
    FMouseInside = false;
    if (FFlat)
        Invalidate();
    DoMouseLeave();
}

void TSpeedButton::WMLButtonDblClk(TMessage& message)
{
    if (FMenuShowing)
        return;
    const TGuardedPtr<TSpeedButton> self(this);
    Inherited(message);
    if (self && FDown)
        DblClick();
}

void TSpeedButton::WMRButton(TMessage& message)
{
    const TGuardedPtr<TSpeedButton> self(this);
    Inherited(message);
    if (self)
        RefreshMouseInside();
}
