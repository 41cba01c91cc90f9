// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Application.h"

#include "platform/rtl/ProgramPath.h"
#include "platform/vcl/controls/ControlCanvas.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/win32/windows/Host.h"

TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* owner)
    : TComponent(owner)
{
    SetErrorReport([this](const std::exception& error) { HandleException(error); });
}

TApplication::~TApplication()
{
    SetErrorReport({});
    Destroying();
    if (FHandle)
        DestroyWindow(FHandle);
}

void TApplication::Initialize()
{
    FTerminated = false;
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FMainForm)
        FMainForm = nullptr;
    if (operation == opRemove && component == FMouseControl)
        FMouseControl = nullptr;
}

namespace {

// The control the mouse is over: the window of ours under the point, or the windowless
// child of that window the point falls on.
TControl* ControlAtScreenPoint(TPoint screenPoint)
{
    TWinControl* window = TWinControl::FindControl(WindowFromPoint(screenPoint));
    if (!window)
        return nullptr;
    const TPoint client = window->ScreenToClient(screenPoint);
    if (TControl* child = window->ControlAtPos(client, false); child && !dynamic_cast<TWinControl*>(child))
        return child;
    return window;
}

} // namespace

void TApplication::DoMouseIdle()
{
    TPoint cursor;
    GetCursorPos(&cursor);
    TControl* under = ControlAtScreenPoint(cursor);
    if (under == FMouseControl)
        return;
    TControl* left = FMouseControl;
    if (left)
        RemoveFreeNotification(left);
    FMouseControl = under;
    if (under)
        FreeNotification(under);
    if (left)
        left->Perform(CM_MOUSELEAVE, 0, 0);
    if (under && FMouseControl == under)
        under->Perform(CM_MOUSEENTER, 0, 0);
}

AnsiString TApplication::ExeName() const
{
    return FExeName.empty() ? ExecutableFileName() : FExeName;
}

AnsiString TApplication::Title() const
{
    if (!FTitle.empty())
        return FTitle;
    AnsiString name = ExtractFileName(ExeName());
    if (const auto dot = name.rfind('.'); dot != AnsiString::npos && dot > 0)
        name.erase(dot);
    return name;
}

void TApplication::Run()
{
    if (!FMainForm)
        return;
    FMainForm->Show();
    while (!FTerminated && FMainForm)
        HandleMessage();
}

namespace {

// A key goes to the focused control, but the form's shortcuts come first, wherever on the
// form the focus is: an edit, a button or the form itself.
bool IsShortCutKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    TForm* form = GetParentForm(TWinControl::FindControl(message.hwnd));
    return form && form->IsShortCut(ShortCut(WORD(message.wParam), KeyDataToShiftState(message.lParam)));
}

} // namespace

bool TApplication::ProcessMessage()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    try {
        TranslateMessage(&message);
        if (!IsShortCutKey(message))
            DispatchMessageA(&message);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return true;
}

void TApplication::HandleMessage()
{
    if (!ProcessMessage())
        Idle();
}

void TApplication::ProcessMessages()
{
    while (ProcessMessage()) { }
}

void TApplication::Idle()
{
    // What was drawn outside painting reaches the screen once the loop has nothing to do.
    TControlCanvas::FreeDeviceContexts();
    DoMouseIdle();
    if (OnIdle)
        OnIdle(this);
    if (!FTerminated)
        WaitMessage();
}

// The loop ends when it takes the quit message, after what is queued before it.
void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException) {
        OnException(this, error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error)
{
    AnsiString text = error.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    TDialogService::Instance().MessageBox(text, Title(), MB_OK | MB_ICONERROR);
}
