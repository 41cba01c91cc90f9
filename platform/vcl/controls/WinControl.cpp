// SPDX-License-Identifier: MIT
#include "platform/vcl/controls/WinControl.h"

#include "platform/win32/internal/WindowRecord.h"
#include "platform/win32/windows/Host.h"

#include <algorithm>

LRESULT ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    TMessage packed { message, wParam, lParam, 0 };
    control->WindowProc(packed);
    return packed.Result;
}

TWinControl* TWinControl::FindControl(HWND window)
{
    if (!IsWindow(window) || GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlWindowProc))
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner)
    , FBrush(std::make_unique<TBrush>())
{
    FBrush->SetColor(FColor);
}

TWinControl::~TWinControl()
{
    Destroying();
    DestroyHandle();
    // Children go with their parent, whoever owns them.
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        delete child;
    }
}

const TMessageTable& TWinControl::Messages()
{
    static const TMessageTable table(&TControl::Messages(),
        {
            { WM_PAINT, &MessageHandler<TWinControl, &TWinControl::WMPaint> },
            { WM_ERASEBKGND, &MessageHandler<TWinControl, &TWinControl::WMEraseBkgnd> },
            { WM_COMMAND, &MessageHandler<TWinControl, &TWinControl::WMCommand> },
            { WM_CTLCOLOREDIT, &MessageHandler<TWinControl, &TWinControl::WMCtlColor> },
            { WM_CTLCOLORBTN, &MessageHandler<TWinControl, &TWinControl::WMCtlColor> },
            { WM_CTLCOLORSTATIC, &MessageHandler<TWinControl, &TWinControl::WMCtlColor> },
            { WM_SETFOCUS, &MessageHandler<TWinControl, &TWinControl::WMSetFocus> },
            { WM_KILLFOCUS, &MessageHandler<TWinControl, &TWinControl::WMKillFocus> },
            { WM_SIZE, &MessageHandler<TWinControl, &TWinControl::WMSize> },
            { WM_NCDESTROY, &MessageHandler<TWinControl, &TWinControl::WMNCDestroy> },
            { CM_ENABLEDCHANGED, &MessageHandler<TWinControl, &TWinControl::CMEnabledChanged> },
            { CM_VISIBLECHANGED, &MessageHandler<TWinControl, &TWinControl::CMVisibleChanged> },
            { CM_COLORCHANGED, &MessageHandler<TWinControl, &TWinControl::CMColorChanged> },
            { CM_FONTCHANGED, &MessageHandler<TWinControl, &TWinControl::CMFontChanged> },
            { CM_SYSCOLORCHANGE, &MessageHandler<TWinControl, &TWinControl::CMSysColorChange> },
            { CM_TEXTCHANGED, &MessageHandler<TWinControl, &TWinControl::CMTextChanged> },
            { CM_DIALOGCHAR, &MessageHandler<TWinControl, &TWinControl::CMDialogChar> },
            { CM_SHOWHINTCHANGED, &MessageHandler<TWinControl, &TWinControl::CMShowHintChanged> },
            { CM_BIDIMODECHANGED, &MessageHandler<TWinControl, &TWinControl::CMBiDiModeChanged> },
            { WM_CAPTURECHANGED, &MessageHandler<TWinControl, &TWinControl::WMCaptureChanged> },
        });
    return table;
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    if (!FHandle)
        CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    CreateWnd();
    for (TControl* child : std::vector<TControl*>(FControls))
        if (auto* window = dynamic_cast<TWinControl*>(child))
            window->CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = FText;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FVisible)
        params.Style |= WS_VISIBLE;
    if (!FEnabled)
        params.Style |= WS_DISABLED;
    if (FTabStop)
        params.Style |= WS_TABSTOP;
    params.X = FLeft;
    params.Y = FTop;
    params.Width = FWidth;
    params.Height = FHeight;
    params.WndParent = FParent ? FParent->FHandle : nullptr;
    params.Param = this;
    params.WindowClass.lpfnWndProc = &DefWindowProcA;
    params.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* className)
{
    if (GetClassInfoA(HInstance, className, &params.WindowClass))
        params.WinClassName = className;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    if (!GetClassInfoA(HInstance, params.WinClassName.c_str(), nullptr)) {
        WNDCLASSA windowClass = params.WindowClass;
        windowClass.lpszClassName = params.WinClassName.c_str();
        RegisterClassA(windowClass);
    }
    FControlState |= csCreatingHandle;
    CreateWindowHandle(params);
    FControlState &= ~TControlState(csCreatingHandle);
    if (!FHandle)
        throw EOSError("Cannot create a window for '" + Name() + "'");
    FDefWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
    ApplyFontToWindow();
    // The window was sized before we could hear of it; controls that lay out children on
    // WM_SIZE need that first size too.
    TRect client;
    GetClientRect(FHandle, &client);
    SendMessageA(FHandle, WM_SIZE, 0, MAKELPARAM(client.Width(), client.Height()));
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    const bool hadFocus = Focused();
    DestroyHandle();
    UpdateControlState();
    if (hadFocus && CanFocus())
        ::SetFocus(Handle());
}

void TWinControl::UpdateControlState()
{
    if (FParent && FParent->HandleAllocated())
        HandleNeeded();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    FHandle = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
        params.X, params.Y, params.Width, params.Height, params.WndParent, 0, params.Param);
}

void TWinControl::DestroyWnd()
{
    if (!FHandle)
        return;
    FText = GetWindowTextString(FHandle);
    const HWND handle = FHandle;
    FHandle = nullptr;
    SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
    DestroyWindow(handle);
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    FControlState |= csDestroyingHandle;
    for (TControl* child : FControls)
        if (auto* window = dynamic_cast<TWinControl*>(child))
            window->DestroyHandle();
    DestroyWnd();
    FControlState &= ~TControlState(csDestroyingHandle);
}

void TWinControl::ApplyFontToWindow()
{
    if (FHandle)
        SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
}

AnsiString TWinControl::GetText() const { return FHandle ? GetWindowTextString(FHandle) : FText; }

void TWinControl::SetTextBuffer(const AnsiString& value)
{
    FText = value;
    if (FHandle)
        SetWindowTextA(FHandle, value.c_str());
}

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
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_RBUTTONDOWN)
        && (target->ControlStyle() & csCaptureMouse)) {
        FMouseCaptureControl = target;
        SetCapture(Handle());
    }
    const bool buttonUp = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
    message.Result = target->Perform(
        message.Msg, message.WParam, MAKELPARAM(point.x - target->Left(), point.y - target->Top()));
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
    for (; child != FControls.end(); ++child) {
        TControl* control = *child;
        if (dynamic_cast<TWinControl*>(control) || !control->Visible())
            continue;
        TRect area = control->BoundsRect();
        OffsetRect(area, origin.x, origin.y);
        if (dc->clip && IntersectRects(area, *dc->clip).IsEmpty())
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
    if (FHandle && FHandle->kind != WindowKind::Container) {
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
