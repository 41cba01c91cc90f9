// SPDX-License-Identifier: MIT
#include "platform/vcl/controls/Control.h"

#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/menus/ActnList.h"

#include <algorithm>

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (HIWORD(std::uintptr_t(keyData)) & KF_ALTDOWN)
        shift |= ssAlt;
    return shift;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner)
    , FFont(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& message) { WndProc(message); };
    FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl()
{
    Destroying();
    SetAction(nullptr);
    if (FParent)
        FParent->RemoveControl(this);
}

const TMessageTable& TControl::Messages()
{
    static const TMessageTable table(nullptr,
        {
            { WM_LBUTTONDOWN, &MessageHandler<TControl, &TControl::WMLButtonDown> },
            { WM_LBUTTONUP, &MessageHandler<TControl, &TControl::WMLButtonUp> },
            { WM_LBUTTONDBLCLK, &MessageHandler<TControl, &TControl::WMLButtonDblClk> },
            { WM_RBUTTONDOWN, &MessageHandler<TControl, &TControl::WMRButtonDown> },
            { WM_RBUTTONUP, &MessageHandler<TControl, &TControl::WMRButtonUp> },
            { WM_MOUSEMOVE, &MessageHandler<TControl, &TControl::WMMouseMove> },
            { CM_ENABLEDCHANGED, &MessageHandler<TControl, &TControl::CMEnabledChanged> },
            { CM_VISIBLECHANGED, &MessageHandler<TControl, &TControl::CMVisibleChanged> },
            { CM_FONTCHANGED, &MessageHandler<TControl, &TControl::CMFontChanged> },
            { CM_COLORCHANGED, &MessageHandler<TControl, &TControl::CMColorChanged> },
            { CM_PARENTFONTCHANGED, &MessageHandler<TControl, &TControl::CMParentFontChanged> },
            { CM_PARENTCOLORCHANGED, &MessageHandler<TControl, &TControl::CMParentColorChanged> },
            { CM_HITTEST, &MessageHandler<TControl, &TControl::CMHitTest> },
            { CM_SYSCOLORCHANGE, &MessageHandler<TControl, &TControl::CMSysColorChange> },
            { CM_CANCELMODE, &MessageHandler<TControl, &TControl::CMCancelMode> },
            { CM_PARENTSHOWHINTCHANGED, &MessageHandler<TControl, &TControl::CMParentShowHintChanged> },
            { CM_PARENTBIDIMODECHANGED, &MessageHandler<TControl, &TControl::CMParentBiDiModeChanged> },
        });
    return table;
}

void TControl::SetParent(TWinControl* value)
{
    if (value == FParent)
        return;
    if (value == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent)
        FParent->RemoveControl(this);
    if (value)
        value->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto* window = dynamic_cast<TWinControl*>(parent))
        SetParent(window);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    InvalidateControl(FVisible);
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    InvalidateControl(FVisible);
    RequestParentResize();
}

void TControl::SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
void TControl::SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }

void TControl::SetClientSize(int width, int height)
{
    const TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    VisibleChanging();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
    RequestParentResize();
}

bool TControl::Showing() const
{
    if (!FVisible)
        return false;
    return !FParent || FParent->Showing();
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const AnsiString& value)
{
    if (value == GetText())
        return;
    SetTextBuffer(value);
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetTextBuffer(const AnsiString& value) { FText = value; }

void TControl::SetColor(TColor value)
{
    if (value == FColor && !FParentColor)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    if (FParent && value && !(ComponentState() & csReading))
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    if (FParent && value && !(ComponentState() & csReading))
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged()
{
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam)
{
    TMessage packed { message, wParam, lParam, 0 };
    WindowProc(packed);
    return packed.Result;
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Dispatch(TMessage& message)
{
    if (const auto handler = MessageTable().Find(message.Msg))
        handler(*this, message);
    else
        DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::InvalidateControl(bool isVisible)
{
    if (!FParent || !isVisible || !FParent->HandleAllocated())
        return;
    const TRect bounds = BoundsRect();
    InvalidateRect(FParent->Handle(), &bounds, (FControlStyle & csOpaque) ? FALSE : TRUE);
}

void TControl::Invalidate() { InvalidateControl(FVisible); }

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (!FParent)
        return;
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.push_back(this);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!FParent)
        return;
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    siblings.insert(siblings.begin(), this);
    Invalidate();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (FAction)
        FAction->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return Point(FLeft, FTop);
    const TPoint parentOrigin = FParent->ClientOrigin();
    return Point(parentOrigin.x + FLeft, parentOrigin.y + FTop);
}

TPoint TControl::ClientToScreen(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return Point(point.x + origin.x, point.y + origin.y);
}

TPoint TControl::ScreenToClient(TPoint point) const
{
    const TPoint origin = ClientOrigin();
    return Point(point.x - origin.x, point.y - origin.y);
}

void TControl::RequestParentResize()
{
    if (FParent && !(FParent->ComponentState() & (csLoading | csDestroying)))
        FParent->ControlsChanged();
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (!FParent)
        return;
    if (FParentColor)
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont)
        Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (FParentShowHint)
        Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (FParentBiDiMode)
        Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::WMLButtonDown(TMessage& message)
{
    if (FControlStyle & csClickEvents)
        FControlState |= csClicked;
    FControlState |= csLButtonDown;
    const TPoint point = PointFromLParam(message.LParam);
    MouseDown(mbLeft, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMLButtonDblClk(TMessage& message)
{
    // A control that fires its own clicks decides itself when a double click counts.
    if (FControlStyle & csClickEvents) {
        const TGuardedPtr<TControl> self(this);
        DblClick();
        if (!self)
            return;
    }
    WMLButtonDown(message);
}

void TControl::WMLButtonUp(TMessage& message)
{
    const TPoint point = PointFromLParam(message.LParam);
    const bool clicked = (FControlState & csClicked) != 0;
    FControlState &= ~TControlState(csClicked | csLButtonDown);
    if (clicked && ClientRect().Contains(point)) {
        const TGuardedPtr<TControl> self(this);
        Click();
        if (!self)
            return;
    }
    MouseUp(mbLeft, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMRButtonDown(TMessage& message)
{
    const TPoint point = PointFromLParam(message.LParam);
    MouseDown(mbRight, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMRButtonUp(TMessage& message)
{
    const TPoint point = PointFromLParam(message.LParam);
    MouseUp(mbRight, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMMouseMove(TMessage& message)
{
    const TPoint point = PointFromLParam(message.LParam);
    MouseMove(KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { InvalidateControl(true); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMSysColorChange(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage& message)
{
    if (!FParentFont || !FParent)
        return;
    const TFont* source = message.WParam ? reinterpret_cast<const TFont*>(message.LParam) : FParent->Font();
    FFont->Assign(source);
    FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage& message)
{
    if (!FParentColor || !FParent)
        return;
    const TColor color = message.WParam ? TColor(message.LParam) : FParent->Color();
    if (color != FColor) {
        FColor = color;
        Perform(CM_COLORCHANGED, 0, 0);
    }
    FParentColor = true;
}

void TControl::CMHitTest(TMessage& message) { message.Result = 1; }
