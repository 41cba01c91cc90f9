// SPDX-License-Identifier: MIT
// A component that fires OnTimer every Interval milliseconds. Its ticks are WM_TIMER
// messages to a hidden message-only window, so they come through our own queue like any
// input, also inside modal loops, and a test can deliver one by hand.
#pragma once

#include "platform/vcl/components/Component.h"
#include "platform/win32/windows/WinUser.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    const char* ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; } // true
    void SetEnabled(bool value);
    // Milliseconds between ticks; 0 stops the timer.
    UINT Interval() const { return FInterval; } // 1000
    void SetInterval(UINT value);
    // The hidden window the ticks are sent to.
    HWND Handle() const { return FWindow; }
    // Whether the system timer is set: enabled with a non-zero interval.
    bool Running() const { return FRunning; }

    // Stops the timer and frees it once control is back in the message queue, so a handler
    // may retire the timer that runs it.
    void Release();

    TNotifyEvent OnTimer;

protected:
    // Fires OnTimer; the timer may be freed by the handler.
    virtual void Timer();

private:
    static LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Tick();
    void UpdateTimer();

    HWND FWindow = nullptr;
    UINT FInterval = 1000;
    bool FEnabled = true;
    bool FRunning = false;
};
