// SPDX-License-Identifier: MIT
// Fitting a window into the screen's work area.
#include "platform/gdi/Rect.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* name;
    TRect bounds;
    TPoint fitted;
};

// A 1024 x 768 screen whose panel takes the top 32 pixels.
const TRect kArea = Rect(0, 32, 1024, 768);

const FitCase kFitCases[] = {
    { "inside stays put", Bounds(309, 211, 384, 153), Point(309, 211) },
    { "off the right edge comes back just far enough", Bounds(900, 100, 384, 153), Point(640, 100) },
    { "off the bottom comes back just far enough", Bounds(100, 700, 384, 153), Point(100, 615) },
    { "off the left and under the panel", Bounds(-500, 0, 384, 153), Point(0, 32) },
    { "off both far corners", Bounds(5000, 5000, 384, 153), Point(640, 615) },
    { "as large as the area fills it", Bounds(10, 10, 1024, 736), Point(0, 32) },
    { "larger than the area keeps its upper-left corner on it", Bounds(300, 300, 1200, 900), Point(0, 32) },
};

TEST(FittedOrigin, MovesAWindowTheLeastThatPutsItOnTheWorkArea)
{
    for (const FitCase& fit : kFitCases) {
        SCOPED_TRACE(fit.name);
        EXPECT_EQ(FittedOrigin(fit.bounds, kArea), fit.fitted);
    }
}

} // namespace
