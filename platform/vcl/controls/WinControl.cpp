// SPDX-License-Identifier: MIT
// A windowed control's own window: the handle made, remade and destroyed with the control, and its text.
#include "platform/vcl/controls/WinControl.h"

#include <memory>
#include <vector>

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

