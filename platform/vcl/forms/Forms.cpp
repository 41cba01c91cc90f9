// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Forms.h"

#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Screen.h"

DWORD FormWindowStyle(TFormBorderStyle borderStyle, TBorderIcons borderIcons)
{
    DWORD style = 0;
    switch (borderStyle) {
    case bsNone:
        return WS_POPUP;
    case bsSingle:
    case bsToolWindow:
        style = WS_CAPTION | WS_BORDER;
        break;
    case bsDialog:
        style = WS_CAPTION | WS_DLGFRAME;
        break;
    default: // bsSizeable, bsSizeToolWin
        style = WS_CAPTION | WS_THICKFRAME;
        break;
    }
    if (borderIcons & biSystemMenu) {
        style |= WS_SYSMENU;
        // A dialog frame has no minimize or maximize box, whatever the icons say.
        if (borderStyle != bsDialog && borderStyle != bsToolWindow && borderStyle != bsSizeToolWin) {
            if (borderIcons & biMinimize)
                style |= WS_MINIMIZEBOX;
            if (borderIcons & biMaximize)
                style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

TForm::TForm(TComponent* owner)
    : TWinControl(owner)
{
    FVisible = false;
    FControlStyle |= csAcceptsControls;
    SetColor(clBtnFace);
    FParentFont = false;
    FParentColor = false;
    SetBounds(0, 0, 320, 240);
    if (Screen)
        Screen->AddForm(this);
}

TForm::~TForm()
{
    Destroying();
    if (FCreated && OnDestroy)
        OnDestroy(this);
    if (Screen)
        Screen->RemoveForm(this);
    // Controls go while the form is still a form: they may call back into it.
    DestroyHandle();
    while (ControlCount() > 0)
        delete Controls(ControlCount() - 1);
    DestroyComponents();
}

const TMessageTable& TForm::Messages()
{
    static const TMessageTable table(&TWinControl::Messages(),
        {
            { WM_CLOSE, &MessageHandler<TForm, &TForm::WMClose> },
            { WM_KEYDOWN, &MessageHandler<TForm, &TForm::WMKeyDown> },
            { WM_MOVE, &MessageHandler<TForm, &TForm::WMMove> },
            { WM_CHAR, &MessageHandler<TForm, &TForm::WMChar> },
            { WM_SYSCHAR, &MessageHandler<TForm, &TForm::WMChar> },
            { CM_DIALOGKEY, &MessageHandler<TForm, &TForm::CMDialogKey> },
            { CM_VISIBLECHANGED, &MessageHandler<TForm, &TForm::CMVisibleChanged> },
        });
    return table;
}

void TForm::AfterConstruction()
{
    FCreated = true;
    DoCreate();
}

void TForm::DoCreate()
{
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (const std::exception& error) {
        Application->HandleException(error);
    }
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    if (HandleAllocated())
        SetWindowLongPtrA(Handle(), GWL_STYLE, LONG_PTR(WindowStyle()));
}

void TForm::SetBorderIcons(TBorderIcons value)
{
    if (value == FBorderIcons)
        return;
    FBorderIcons = value;
    if (HandleAllocated())
        SetWindowLongPtrA(Handle(), GWL_STYLE, LONG_PTR(WindowStyle()));
}

void TForm::SetPosition(TPosition value)
{
    FPosition = value;
}

TPoint TForm::PlacedOrigin() const
{
    if (FPosition != poScreenCenter && FPosition != poDesktopCenter)
        return Point(FLeft, FTop);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    return Point((screenWidth - FWidth) / 2, (screenHeight - FHeight) / 2);
}

DWORD TForm::WindowStyle() const
{
    return FormWindowStyle(FBorderStyle, FBorderIcons) | (FVisible ? WS_VISIBLE : 0)
        | (FEnabled ? 0 : WS_DISABLED);
}

void TForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style = WindowStyle();
    params.WndParent = nullptr;
    const TPoint origin = PlacedOrigin();
    params.X = origin.x;
    params.Y = origin.y;
}

TWinControl* TForm::ActiveControl() const
{
    TWinControl* focused = FindControl(GetFocus());
    return focused && ContainsControl(focused) ? focused : nullptr;
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (control && ContainsControl(control) && control->CanFocus())
        control->SetFocus();
}

void TForm::Show()
{
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
        const TPoint origin = PlacedOrigin();
        SetBounds(origin.x, origin.y, FWidth, FHeight);
    }
    HandleNeeded();
    SetVisible(true);
    if (!ActiveControl())
        if (TWinControl* first = FindNextControl(nullptr, true, true, false))
            first->SetFocus();
}

void TForm::CMVisibleChanged(TMessage& message)
{
    TWinControl::CMVisibleChanged(message);
    if (FVisible && OnShow)
        OnShow(this);
    if (!FVisible && OnHide)
        OnHide(this);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = Application && Application->MainForm() == this ? caFree : caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    // A form freed on closing is freed by its owner; until then it stays out of sight.
    Hide();
}

TModalResult TForm::ShowModal()
{
    if (FVisible || FModal)
        throw EInvalidOperation("Cannot make a visible window modal");
    FModal = true;
    FModalResult = mrNone;
    Show();
    try {
        while (FModalResult == mrNone && !Application->Terminated()) {
            Application->HandleMessage();
            if (FModalResult != mrNone && !CloseQuery())
                FModalResult = mrNone;
        }
    } catch (...) {
        FModal = false;
        Hide();
        throw;
    }
    FModal = false;
    Hide();
    return FModalResult;
}

void TForm::KeepOnScreen()
{
    const TPoint origin = FittedOrigin(BoundsRect(), Screen->WorkAreaRect());
    if (origin.x != FLeft || origin.y != FTop)
        SetBounds(origin.x, origin.y, FWidth, FHeight);
}

void TForm::WMClose(TMessage&)
{
    Close();
}

void TForm::WMKeyDown(TMessage& message)
{
    if (message.WParam != VK_TAB) {
        DefaultHandler(message);
        return;
    }
    SelectNext(ActiveControl(), GetKeyState(VK_SHIFT) >= 0, true);
}

void TForm::WMMove(TMessage& message)
{
    // The window's place as its record has it, also after the user moved it: later
    // changes of size keep it where it is now.
    FLeft = GET_X_LPARAM(message.LParam);
    FTop = GET_Y_LPARAM(message.LParam);
    DefaultHandler(message);
}
