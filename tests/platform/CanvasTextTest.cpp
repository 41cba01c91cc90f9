// SPDX-License-Identifier: MIT
#include "platform/vcl/Graphics.h"

#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasTextExtent, MeasuresCharactersInTheCanvasFont)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    TCanvas* canvas = bitmap.Canvas();
    const int oneCharacter = canvas->TextWidth("a");
    ASSERT_GT(oneCharacter, 0);
    EXPECT_EQ(canvas->TextWidth("abc"), 3 * oneCharacter);
    EXPECT_EQ(canvas->TextWidth("\xC3\xA9"), oneCharacter) << "one character of two bytes";
    EXPECT_EQ(canvas->TextWidth(""), 0);

    TEXTMETRIC metrics;
    GetTextMetricsA(canvas->Handle(), &metrics);
    EXPECT_EQ(canvas->TextHeight("abc"), metrics.tmHeight);

    canvas->Font()->SetHeight(canvas->Font()->Height() * 3);
    EXPECT_GT(canvas->TextWidth("abc"), 3 * oneCharacter) << "a larger font is measured, not the old one";
}

} // namespace
