// SPDX-License-Identifier: MIT
// Top-level windows: the form with its border, border icons, placement, modal result and
// the events of its life (create, show, close, destroy).
#pragma once

#include "platform/vcl/controls/WinControl.h"
#include "platform/vcl/menus/Menus.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <functional>

// The form's border styles extend the control border styles bsNone and bsSingle.
using TFormBorderStyle = std::uint8_t;
inline constexpr TFormBorderStyle bsSizeable = 2;
inline constexpr TFormBorderStyle bsDialog = 3;
inline constexpr TFormBorderStyle bsToolWindow = 4;
inline constexpr TFormBorderStyle bsSizeToolWin = 5;

enum TBorderIcon : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = std::uint8_t;

enum TPosition : std::uint8_t {
    poDesigned, // where the description puts it
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
};

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TShortCutEvent = std::function<void(TShortCut shortCut, bool& handled)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    // Runs OnCreate once the form and everything in its description exist. An error it
    // raises is reported and the form goes on, as a form made by the application does.
    virtual void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; } // bsSizeable
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; } // biSystemMenu | biMinimize | biMaximize
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; } // poDesigned
    void SetPosition(TPosition value);
    // Stored with the description; text is laid out for the host's fonts, so they change nothing.
    int PixelsPerInch() const { return FPixelsPerInch; } // 96
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    int TextHeight() const { return FTextHeight; } // 13
    void SetTextHeight(int value) { FTextHeight = value; }

    TModalResult ModalResult() const { return FModalResult; } // mrNone
    void SetModalResult(TModalResult value) { FModalResult = value; }
    bool Modal() const { return FModal; }
    // Shows the form and runs the message loop until ModalResult is set; returns it.
    TModalResult ShowModal();
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);

    void Show();
    // Moves the window as little as it takes to lie wholly in the screen's work area.
    void KeepOnScreen();
    void Close();
    bool CloseQuery();
    // A key pressed for any control of the form is offered to the form as a shortcut first;
    // true when it was one, and the control never sees the key. Asks OnShortCut.
    virtual bool IsShortCut(TShortCut shortCut);

    // Tells the focused control and the one holding the mouse, unless either is sender, to
    // drop what they are in the middle of (a press, a drag) before something modal starts.
    void SendCancelMode(TControl* sender);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void CreateParams(TCreateParams& params) override;
    virtual void DoCreate();
    virtual void DoClose(TCloseAction& action);
    void WMClose(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMMove(TMessage& message);
    // A character typed with Alt, or while no control of the form wants characters, is
    // offered to the controls as an accelerator (CM_DIALOGCHAR) first.
    void WMChar(TMessage& message);
    // Enter clicks the form's Default button, Escape its Cancel button; Result 1 when one did.
    void CMDialogKey(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    // The form's place on the screen for its Position, from the current screen size.
    TPoint PlacedOrigin() const;

private:
    // The whole window style for the current border, icons and state.
    DWORD WindowStyle() const;

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TPosition FPosition = poDesigned;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FCreated = false;
};

// Top-level window styles for a border style and its icons, as the host shows them.
DWORD FormWindowStyle(TFormBorderStyle borderStyle, TBorderIcons borderIcons);

// The form the control is on (the control itself when it is one), or nullptr.
TForm* GetParentForm(const TControl* control);
