// SPDX-License-Identifier: MIT
// The application object: creates the forms, runs the message loop until the main form
// closes, and reports the errors that reach the loop.
#pragma once

#include "platform/vcl/forms/Forms.h"

#include <exception>
#include <functional>

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

using THelpContext = std::int32_t;
// The help commands of a help request; HELP_CONTEXT asks for the topic whose number is data.
inline constexpr WORD HELP_CONTEXT = 0x0001;
// Answers a help request; set callHelp to false when the request has been dealt with. Returns
// whether help was shown.
using THelpEvent = std::function<bool(WORD command, std::intptr_t data, bool& callHelp)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    void Initialize();
    // Creates a form owned by the application and stores it in reference before its
    // OnCreate runs; the first form created becomes the main form.
    template <class FormClass> void CreateForm(FormClass*& reference)
    {
        auto* form = new FormClass(this);
        reference = form;
        if (!FMainForm)
            FMainForm = form;
        form->AfterConstruction();
    }
    // Shows the main form and dispatches messages until it closes.
    void Run();
    // Takes one message and dispatches it, or waits for input when none is queued.
    void HandleMessage();
    // Dispatches every queued message and returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    TForm* MainForm() const { return FMainForm; }
    // Full path of the running program. Tests that need the program's data elsewhere
    // name another place with SetExeName; "" returns to the running program.
    AnsiString ExeName() const;
    void SetExeName(const AnsiString& value) { FExeName = value; }
    // The caption of the application's message boxes: the program's name by default.
    AnsiString Title() const;
    void SetTitle(const AnsiString& value) { FTitle = value; }

    // The default report of an error that reached the loop: OnException when assigned,
    // else ShowException. The program goes on afterwards.
    void HandleException(const std::exception& error);
    // A message box with the error's message and an OK button.
    void ShowException(const std::exception& error);
    TExceptionEvent OnException;
    TNotifyEvent OnIdle;

    // A hidden top-level window of the application, made on first use: the owner of the
    // dialogs that ask for one.
    HWND Handle();
    // Asks for a help topic through OnHelp. There is no help viewer on this host, so without
    // a handler that shows help the result is false.
    bool HelpContext(THelpContext context);
    THelpEvent OnHelp;

    // The control under the mouse as the loop last saw it; it had CM_MOUSEENTER and will
    // have CM_MOUSELEAVE when the mouse goes elsewhere.
    TControl* MouseControl() const { return FMouseControl; }
    // Looks where the mouse is now and tells the controls it left and entered. The loop
    // does it whenever it runs out of messages.
    void DoMouseIdle();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage();
    void Idle();

    TForm* FMainForm = nullptr;
    TControl* FMouseControl = nullptr;
    bool FTerminated = false;
    AnsiString FTitle;
    AnsiString FExeName;
    HWND FHandle = nullptr;
};

// The one application object, made before main runs.
extern TApplication* Application;
