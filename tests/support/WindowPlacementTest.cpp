// SPDX-License-Identifier: MIT
#include "support/VCLUtils.h"

#include <gtest/gtest.h>

namespace {

// Without a host the primary screen is 1024 x 768.
class OnTheScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    }
};

struct FitCase {
    const char* name;
    TRect given;
    TRect fitted;
};

class FitRectToScreenRow : public OnTheScreen, public testing::WithParamInterface<FitCase> { };

TEST_P(FitRectToScreenRow, MovesItOntoTheScreenKeepingItsSize)
{
    TRect rect = GetParam().given;
    FitRectToScreen(rect);
    EXPECT_EQ(rect, GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(Rectangles, FitRectToScreenRow,
    testing::Values(FitCase { "PastTheRightEdge", Rect(900, 10, 1100, 110), Rect(824, 10, 1024, 110) },
        FitCase { "PastTheLeftEdge", Rect(-20, 0, 80, 50), Rect(0, 0, 100, 50) },
        FitCase { "PastTheBottom", Rect(10, 700, 110, 800), Rect(10, 668, 110, 768) },
        FitCase { "AboveTheTop", Rect(10, -30, 110, 20), Rect(10, 0, 110, 50) },
        FitCase { "AlreadyOnScreen", Rect(1, 2, 1024, 768), Rect(1, 2, 1024, 768) },
        FitCase { "LargerThanTheScreenKeepsLeftAndTop", Rect(-5, -5, 2000, 1000), Rect(0, 0, 2005, 1005) }),
    [](const auto& row) { return std::string(row.param.name); });

class CenterWindowOnScreenTest : public OnTheScreen {
protected:
    static HWND TopLevel(int width, int height)
    {
        WNDCLASSA windowClass;
        windowClass.lpfnWndProc = &DefWindowProcA;
        windowClass.lpszClassName = "DurnikPlacementTest";
        RegisterClassA(windowClass);
        return CreateWindowExA(
            0, "DurnikPlacementTest", "", WS_POPUP, 7, 9, width, height, nullptr, 0, nullptr);
    }

    // Where the window's top-left corner ends up, checking that its size stayed.
    static TPoint CentredCorner(int width, int height)
    {
        HWND window = TopLevel(width, height);
        CenterWindowOnScreen(window);
        TRect bounds;
        GetWindowRect(window, &bounds);
        DestroyWindow(window);
        EXPECT_EQ(RectWidth(bounds), width);
        EXPECT_EQ(RectHeight(bounds), height);
        return Point(bounds.Left, bounds.Top);
    }
};

TEST_F(CenterWindowOnScreenTest, CentresAWindowThatFits)
{
    EXPECT_EQ(CentredCorner(300, 200), Point(362, 284));
    EXPECT_EQ(CentredCorner(301, 201), Point(361, 283)) << "the half is rounded down";
}

TEST_F(CenterWindowOnScreenTest, AWindowWiderOrTallerThanTheScreenStartsAtItsEdge)
{
    EXPECT_EQ(CentredCorner(1100, 200), Point(0, 284));
    EXPECT_EQ(CentredCorner(1025, 769), Point(0, 0));
}

TEST_F(CenterWindowOnScreenTest, LeavesAMissingWindowAlone)
{
    HWND window = TopLevel(10, 10);
    DestroyWindow(window);
    CenterWindowOnScreen(window);
    CenterWindowOnScreen(nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(RectMeasures, AreRightMinusLeftAndBottomMinusTopEvenWhenInverted)
{
    EXPECT_EQ(RectWidth(Rect(10, 20, 15, 50)), 5);
    EXPECT_EQ(RectHeight(Rect(10, 20, 15, 50)), 30);
    EXPECT_EQ(RectWidth(Rect(10, 20, 5, 10)), -5);
    EXPECT_EQ(RectHeight(Rect(10, 20, 5, 10)), -10);
}

} // namespace
