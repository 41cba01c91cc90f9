// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Timer.h"

#include "platform/vcl/components/DeferredRelease.h"

#include <utility>

namespace {

constexpr UINT kTimerId = 1;
constexpr const char* kTimerWindowClass = "TTimerWindow";

} // namespace

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
{
    if (!GetClassInfoA(HInstance, kTimerWindowClass, nullptr))
        RegisterClassA(WNDCLASSA { 0, &TTimer::WindowProc, nullptr, nullptr, kTimerWindowClass });
    FWindow = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, this);
    if (!FWindow)
        throw EOutOfResources("Out of system resources: cannot create a timer window");
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
    const HWND window = std::exchange(FWindow, nullptr);
    KillTimer(window, kTimerId);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

LRESULT TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_TIMER && timer) {
        timer->Tick();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void TTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT value)
{
    if (value == FInterval)
        return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    KillTimer(FWindow, kTimerId);
    FRunning = FEnabled && FInterval != 0;
    if (FRunning)
        SetTimer(FWindow, kTimerId, FInterval, nullptr);
}

void TTimer::Release()
{
    SetEnabled(false);
    ReleaseComponentLater(this);
}

void TTimer::Tick()
{
    // A tick queued before the timer stopped finds it disabled and does nothing.
    if (FRunning)
        Timer();
}

void TTimer::Timer()
{
    // Called in place, so a handler keeps what it counts from tick to tick. A handler that
    // frees the timer frees itself with it and must not touch its own captures afterwards.
    if (OnTimer)
        OnTimer(this);
}
