// SPDX-License-Identifier: MIT
// Speed buttons in groups: being down, releasing the others of the group, and the drop-down
// menu a button opens.
#include "widgets/SpeedButton.h"

#include "platform/vcl/forms/Forms.h"

void TSpeedButton::SetDropDownMenu(TPopupMenu* value)
{
    if (FDropDownMenu && FDropDownMenu != value)
        RemoveFreeNotification(FDropDownMenu);
    FDropDownMenu = value;
    if (value)
        FreeNotification(value);
    if (FMarkDropDown)
        Invalidate();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    // The down button of a group is released by another one going down, unless all may be up.
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    if (value) {
        if (FButtonState == gsUp)
            Invalidate();
        FButtonState = gsExclusive;
    } else
        FButtonState = gsUp;
    Repaint();
    if (value)
        NotifyGroup();
    Invalidate();
}

void TSpeedButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message { CM_GROUPBUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this), 0 };
    Parent()->Broadcast(message);
}

void TSpeedButton::CMGroupButtonPressed(TMessage& message)
{
    if (message.WParam != WPARAM(FGroupIndex) || !Parent() || !Parent()->HandleAllocated())
        return;
    // The sender is looked up among the siblings, so a stray value is never taken for a button.
    TSpeedButton* sender = nullptr;
    for (int index = 0; index < Parent()->ControlCount() && !sender; ++index) {
        auto* sibling = dynamic_cast<TSpeedButton*>(Parent()->Controls(index));
        if (sibling && reinterpret_cast<LPARAM>(sibling) == message.LParam)
            sender = sibling;
    }
    if (!sender || sender == this)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        FButtonState = gsUp;
        Repaint();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

TPoint TSpeedButton::DropDownMenuPoint() const
{
    if (!FDropDownMenu)
        return Point(0, 0);
    const int width = Width();
    const int height = Height();
    switch (FMenuPosition) {
    case dmpBottom:
        switch (FDropDownMenu->Alignment()) {
        case paLeft:
            return Point(-1, height);
        case paRight:
            return Point(width + 1, height);
        case paCenter:
            return Point(width / 2, height);
        }
        break;
    case dmpRight:
        switch (FDropDownMenu->Alignment()) {
        case paLeft:
            return Point(width, -1);
        case paRight:
            return Point(-1, -1);
        case paCenter:
            return Point(width / 2, height);
        }
        break;
    }
    return Point(0, 0);
}

bool TSpeedButton::TryDropDownMenu(TPoint point, bool manual)
{
    if (ComponentState() & csDesigning)
        return false;
    if (!FDropDownMenu || !(FDropDownMenu->AutoPopup() || manual))
        return false;
    // Whatever holds the mouse or a mode lets go before the menu takes the input.
    if (TForm* form = GetParentForm(this))
        form->SendCancelMode(nullptr);
    FDropDownMenu->SetPopupComponent(this);
    // The point travels as two signed 16-bit halves, as a mouse position does.
    const TPoint screen = ClientToScreen(PointFromLParam(MAKELPARAM(point.x, point.y)));
    FDropDownMenu->Popup(screen.x, screen.y);
    return true;
}
