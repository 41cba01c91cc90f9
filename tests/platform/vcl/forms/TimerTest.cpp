// SPDX-License-Identifier: MIT
#include "platform/vcl/forms/Timer.h"

#include "platform/win32/windows/Host.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

void Tick(TTimer& timer)
{
    SendMessageA(timer.Handle(), WM_TIMER, 1, 0);
}

void DispatchQueue()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

struct WindowSearch {
    HWND wanted = nullptr;
    bool found = false;
};

bool IsThreadWindow(HWND window)
{
    WindowSearch search { window, false };
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND each, LPARAM lParam) {
            auto& state = *reinterpret_cast<WindowSearch*>(lParam);
            state.found = state.found || each == state.wanted;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

TEST(Timer, TicksFireOnTimerOnlyWhileRunning)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    EXPECT_TRUE(timer.Running()) << "enabled with 1000 ms from the start";
    Tick(timer);
    EXPECT_EQ(ticks, 1);
    timer.SetEnabled(false);
    Tick(timer);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    Tick(timer);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, ItsWindowIsHiddenFromTheThreadsWindows)
{
    TTimer timer(nullptr);
    EXPECT_TRUE(IsWindow(timer.Handle()));
    EXPECT_FALSE(IsWindowVisible(timer.Handle()));
    EXPECT_FALSE(IsThreadWindow(timer.Handle()));
    EXPECT_EQ(WindowFromPoint(Point(0, 0)), nullptr);
}

TEST(Timer, QueuedTicksGoWhenTheTimerStops)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    PostMessageA(timer.Handle(), WM_TIMER, 1, 0);
    timer.SetEnabled(false);
    DispatchQueue();
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, AHandlerMayReleaseOrFreeItsOwnTimer)
{
    auto* released = new TTimer(nullptr);
    const HWND releasedWindow = released->Handle();
    released->OnTimer = [&](TObject*) {
        released->Release();
        EXPECT_TRUE(IsWindow(releasedWindow)) << "kept until the handler has returned";
        EXPECT_FALSE(released->Running());
    };
    Tick(*released);
    EXPECT_TRUE(IsWindow(releasedWindow)) << "kept until control is back in the queue";
    DispatchQueue();
    EXPECT_FALSE(IsWindow(releasedWindow));

    TComponent owner(nullptr);
    auto* freed = new TTimer(&owner);
    const HWND freedWindow = freed->Handle();
    freed->OnTimer = [&](TObject*) { delete freed; };
    Tick(*freed);
    EXPECT_FALSE(IsWindow(freedWindow));
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(Timer, AThrowingHandlerLeavesTheTimerUsable)
{
    TTimer timer(nullptr);
    timer.OnTimer = [](TObject*) { throw std::runtime_error("tick"); };
    EXPECT_THROW(Tick(timer), std::runtime_error);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    Tick(timer);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, AHandlerKeepsWhatItCountsFromTickToTick)
{
    TTimer timer(nullptr);
    int seen = 0;
    timer.OnTimer = [&seen, count = 0](TObject*) mutable { seen = ++count; };
    Tick(timer);
    Tick(timer);
    EXPECT_EQ(seen, 2);
}
