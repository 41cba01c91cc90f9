// SPDX-License-Identifier: MIT
// A windowed control's children: insertion and removal, tab order, focus, and the size they ask for.
#include "platform/vcl/controls/WinControl.h"

#include <algorithm>
#include <vector>

void TWinControl::InsertControl(TControl* control)
{
    if (!control || ContainsControl(control))
        return;
    if (control->FParent)
        control->FParent->RemoveControl(control);
    control->FParent = this;
    FControls.push_back(control);
    auto* window = dynamic_cast<TWinControl*>(control);
    if (window)
        FTabList.push_back(window);
    if (!(control->ComponentState() & csReading)) {
        if (control->ParentColor())
            control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
        if (control->ParentFont())
            control->Perform(CM_PARENTFONTCHANGED, 0, 0);
        if (control->ParentShowHint())
            control->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
        if (control->ParentBiDiMode())
            control->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    }
    if (window && FHandle)
        window->CreateHandle();
    control->Invalidate();
    control->RequestParentResize();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (!control || control->FParent != this)
        return;
    control->InvalidateControl(control->Visible());
    if (auto* window = dynamic_cast<TWinControl*>(control)) {
        window->DestroyHandle();
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), window), FTabList.end());
    }
    if (FMouseCaptureControl == control) {
        FMouseCaptureControl = nullptr;
        if (FHandle && GetCapture() == FHandle)
            ReleaseCapture();
    }
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    control->FParent = nullptr;
    if (!(ComponentState() & csDestroying))
        ControlsChanged();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* current = control; current; current = current->Parent())
        if (current == this)
            return current != control;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled) const
{
    for (auto child = FControls.rbegin(); child != FControls.rend(); ++child) {
        TControl* control = *child;
        if (!control->Visible() || (!control->Enabled() && !allowDisabled))
            continue;
        if (!control->BoundsRect().Contains(point))
            continue;
        if (control->Perform(CM_HITTEST, 0, MAKELPARAM(point.x - control->Left(), point.y - control->Top())) != 0)
            return control;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    for (TControl* child : std::vector<TControl*>(FControls)) {
        child->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT message)
{
    TMessage packed { message, 0, 0, 0 };
    Broadcast(packed);
}

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    const auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : int(found - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (ComponentState() & csReading) {
        FPendingTabOrder = value;
        return;
    }
    UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value)
{
    if (!FParent || value < 0)
        return;
    auto& list = FParent->FTabList;
    const auto found = std::find(list.begin(), list.end(), this);
    if (found == list.end())
        return;
    list.erase(found);
    const auto position = std::min<std::size_t>(std::size_t(value), list.size());
    list.insert(list.begin() + std::ptrdiff_t(position), this);
}

void TWinControl::SetTabStop(bool value)
{
    if (value == FTabStop)
        return;
    FTabStop = value;
    if (FHandle) {
        const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
        SetWindowLongPtrA(FHandle, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~LONG_PTR(WS_TABSTOP)));
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list)
{
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent)
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    auto start = std::find(list.begin(), list.end(), current);
    std::ptrdiff_t index = start == list.end() ? (goForward ? -1 : std::ptrdiff_t(list.size())) : start - list.begin();
    for (std::size_t step = 0; step < list.size(); ++step) {
        index = goForward ? (index + 1) % std::ptrdiff_t(list.size())
                          : (index - 1 + std::ptrdiff_t(list.size())) % std::ptrdiff_t(list.size());
        TWinControl* candidate = list[std::size_t(index)];
        if (candidate == current)
            break;
        if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this)
            && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false))
        next->SetFocus();
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const
{
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    // Turned on, the client area follows the visible controls; turned off, it returns to
    // the size it had before, so a panel shown while sizing was on does not stay shown.
    if (value) {
        FSizeBeforeAutoSize = { ClientWidth(), ClientHeight() };
        AdjustSize();
    } else if (!(ComponentState() & csLoading))
        SetClientSize(FSizeBeforeAutoSize.cx, FSizeBeforeAutoSize.cy);
}

TSize TWinControl::ChildrenExtent() const
{
    TSize extent;
    for (const TControl* child : FControls) {
        if (!child->Visible())
            continue;
        extent.cx = std::max(extent.cx, child->Left() + child->Width());
        extent.cy = std::max(extent.cy, child->Top() + child->Height());
    }
    return extent;
}

void TWinControl::AdjustSize()
{
    if (!FAutoSize || (ComponentState() & (csLoading | csDestroying)))
        return;
    const TSize extent = ChildrenExtent();
    if (extent.cx <= 0 || extent.cy <= 0)
        return;
    SetClientSize(extent.cx, extent.cy);
}

void TWinControl::ControlsChanged() { AdjustSize(); }

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (FHandle)
        SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RequestParentResize();
}
