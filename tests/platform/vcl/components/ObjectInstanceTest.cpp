// SPDX-License-Identifier: MIT
// Window procedures of objects, and the application's windows made to wait.
#include "platform/vcl/components/ObjectInstance.h"

#include "platform/vcl/forms/TaskWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HWND PlainWindow(DWORD style)
{
    WNDCLASSA windowClass;
    if (!GetClassInfoA(nullptr, "INSTANCETESTWINDOW", &windowClass)) {
        windowClass = {};
        windowClass.lpszClassName = "INSTANCETESTWINDOW";
        windowClass.lpfnWndProc = &DefWindowProcA;
        RegisterClassA(windowClass);
    }
    return CreateWindowExA(0, "INSTANCETESTWINDOW", "", WS_POPUP | style, 0, 0, 50, 50, nullptr, 0, nullptr);
}

} // namespace

TEST(ObjectInstance, EachInstanceIsAProcedureOfItsOwnCallingItsMethod)
{
    const int inUse = ObjectInstancesInUse();
    std::vector<UINT> firstHeard;
    std::vector<UINT> secondHeard;
    const WNDPROC first = MakeObjectInstance([&](TMessage& message) {
        firstHeard.push_back(message.Msg);
        message.Result = LRESULT(message.WParam + message.LParam);
    });
    const WNDPROC second = MakeObjectInstance([&](TMessage& message) { secondHeard.push_back(message.Msg); });
    ASSERT_NE(first, second);
    EXPECT_EQ(ObjectInstancesInUse(), inUse + 2);

    // Installed as a window's procedure, it sees that window's messages.
    const HWND window = PlainWindow(0);
    const auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(first)));
    EXPECT_EQ(SendMessageA(window, WM_USER, 40, 2), 42);
    EXPECT_EQ(CallWindowProcA(second, window, WM_USER + 1, 0, 0), 0);
    EXPECT_EQ(firstHeard, (std::vector<UINT> { WM_USER }));
    EXPECT_EQ(secondHeard, (std::vector<UINT> { WM_USER + 1 }));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));

    // A freed procedure answers nothing and its place is handed out again.
    FreeObjectInstance(first);
    EXPECT_EQ(CallWindowProcA(first, window, WM_USER, 1, 1), 0);
    DestroyWindow(window);
    EXPECT_EQ(firstHeard.size(), 1u);
    const WNDPROC third = MakeObjectInstance([](TMessage&) {});
    EXPECT_EQ(third, first);
    FreeObjectInstance(second);
    FreeObjectInstance(third);
    FreeObjectInstance(nullptr);
    EXPECT_EQ(ObjectInstancesInUse(), inUse);
}

TEST(TaskWindows, DisablesTheOtherVisibleWindowsAndEnablesOnlyThoseAgain)
{
    const HWND active = PlainWindow(WS_VISIBLE);
    const HWND other = PlainWindow(WS_VISIBLE);
    const HWND hidden = PlainWindow(0);
    const HWND alreadyDisabled = PlainWindow(WS_VISIBLE | WS_DISABLED);
    const HWND goesAway = PlainWindow(WS_VISIBLE);

    const TTaskWindowList list = DisableTaskWindows(active);
    EXPECT_TRUE(IsWindowEnabled(active));
    EXPECT_FALSE(IsWindowEnabled(other));
    EXPECT_TRUE(IsWindowEnabled(hidden));
    DestroyWindow(goesAway);
    EnableTaskWindows(list);
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_FALSE(IsWindowEnabled(alreadyDisabled)) << "it was disabled by someone else";

    for (HWND window : { active, other, hidden, alreadyDisabled })
        DestroyWindow(window);
}
