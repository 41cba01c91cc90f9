// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each test starts and ends with an empty queue and no active window; its windows are hidden,
// so none of them waits for a paint.
class ThreadQueue : public testing::Test {
protected:
    ThreadQueue() { Drain(); }
    ~ThreadQueue() override
    {
        Drain();
        SetActiveWindow(nullptr);
        for (HWND window : FWindows)
            DestroyWindow(window);
    }

    HWND TopLevel()
    {
        WNDCLASSA windowClass;
        windowClass.lpfnWndProc = &DefWindowProcA;
        windowClass.lpszClassName = "DurnikQueueTest";
        RegisterClassA(windowClass);
        FWindows.push_back(
            CreateWindowExA(0, "DurnikQueueTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr));
        return FWindows.back();
    }

    // What is left in the queue, taken out in order; a pending quit comes last.
    static std::vector<MSG> Drain()
    {
        std::vector<MSG> taken;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            taken.push_back(message);
        return taken;
    }

private:
    std::vector<HWND> FWindows;
};

TEST_F(ThreadQueue, DiscardRemovesTheFirstMatchingMessageOnly)
{
    HWND first = TopLevel();
    HWND second = TopLevel();
    PostMessageA(second, WM_LBUTTONDOWN, 1, 0);
    PostMessageA(first, WM_MOUSEMOVE, 2, 0);
    PostMessageA(first, WM_LBUTTONDOWN, 3, 0);
    PostMessageA(first, WM_LBUTTONDOWN, 4, 0);

    DiscardPendingMessage(first, WM_LBUTTONDOWN);
    DiscardPendingMessage(nullptr, WM_MOUSEMOVE);

    const std::vector<MSG> left = Drain();
    ASSERT_EQ(left.size(), 2U);
    EXPECT_EQ(left[0].hwnd, second);
    EXPECT_EQ(left[0].wParam, 1U);
    EXPECT_EQ(left[1].hwnd, first);
    EXPECT_EQ(left[1].wParam, 4U);
}

TEST_F(ThreadQueue, DiscardWithNothingQueuedDoesNothing)
{
    DiscardPendingMessage(nullptr, WM_LBUTTONDOWN);
    DiscardPendingMessage(TopLevel(), WM_MOUSEMOVE);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(ThreadQueue, AQueuedQuitSurvivesDiscardWithItsExitCode)
{
    PostMessageA(TopLevel(), WM_LBUTTONDOWN, 0, 0);
    PostQuitMessage(7);
    DiscardPendingMessage(nullptr, WM_LBUTTONDOWN);
    // Even a discard aimed at the quit request itself puts it back.
    DiscardPendingMessage(nullptr, WM_QUIT);

    const std::vector<MSG> left = Drain();
    ASSERT_EQ(left.size(), 1U);
    EXPECT_EQ(left[0].message, WM_QUIT);
    EXPECT_EQ(left[0].wParam, 7U);
}

TEST_F(ThreadQueue, OwnsActiveWindowWhenOneOfOurTopLevelWindowsIsActive)
{
    TopLevel();
    HWND second = TopLevel();
    SetActiveWindow(second);
    EXPECT_TRUE(OwnsActiveWindow());
}

TEST_F(ThreadQueue, OwnsNoActiveWindowWhenNoneOfOursIsActive)
{
    // Another application being active leaves this thread without an active window.
    HWND window = TopLevel();
    SetActiveWindow(window);
    SetActiveWindow(nullptr);
    EXPECT_FALSE(OwnsActiveWindow());
}

} // namespace
