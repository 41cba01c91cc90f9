// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

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

TEST(CanvasTextExtent, ACountedTextIsReadOnlyUpToItsCountOrItsNul)
{
    TSize one {};
    ASSERT_TRUE(GetTextExtentPoint32A(nullptr, "a", 1, &one));
    const char unterminated[3] = { 'a', 'b', 'c' };
    TSize size {};
    ASSERT_TRUE(GetTextExtentPoint32A(nullptr, unterminated, 3, &size));
    EXPECT_EQ(size.cx, 3 * one.cx) << "no NUL after the counted characters";
    ASSERT_TRUE(GetTextExtentPoint32A(nullptr, "ab\0cd", 5, &size));
    EXPECT_EQ(size.cx, 2 * one.cx) << "a NUL inside the count ends the text";
}

} // namespace
