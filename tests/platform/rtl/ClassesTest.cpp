// SPDX-License-Identifier: MIT
#include "platform/rtl/Classes.h"

#include <gtest/gtest.h>

namespace {

TEST(TStringList, AddReturnsTheIndexAndKeepsTheOrder)
{
    TStringList list;
    EXPECT_EQ(list.Add("b.bmp"), 0);
    EXPECT_EQ(list.Add("a.bmp"), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), "b.bmp");
    EXPECT_EQ(list[1], "a.bmp");
}

TEST(TStringList, TextEndsEveryStringWithCrLfTheLastOneToo)
{
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a.bmp");
    list.Add("");
    list.Add("b.bmp");
    EXPECT_EQ(list.Text(), "a.bmp\r\n\r\nb.bmp\r\n");
}

TEST(TStringList, SetTextSplitsAtEveryKindOfLineBreak)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list[0], "a");
    EXPECT_EQ(list[3], "d");
    EXPECT_EQ(list[4], "");
    EXPECT_EQ(list[5], "e");

    list.SetText(list.Text());
    EXPECT_EQ(list.Count(), 6) << "a final line break must not add an empty string";
}

TEST(TStringList, DeleteClearAndReplace)
{
    TStringList list;
    list.Add("a");
    list.Add("b");
    list.Add("c");
    list.Delete(1);
    list.SetStrings(1, "z");
    EXPECT_EQ(list.Text(), "a\r\nz\r\n");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(TStringList, IndexOutsideTheListRaises)
{
    TStringList list;
    list.Add("a");
    EXPECT_THROW(list.Strings(1), EListError);
    EXPECT_THROW(list.Strings(-1), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    try {
        list.SetStrings(5, "x");
        FAIL();
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (5)");
    }
}

TEST(TBits, OpenBitIsTheFirstClearBitOrTheSize)
{
    TBits bits;
    EXPECT_EQ(bits.OpenBit(), 0);
    bits.SetBits(0, true);
    bits.SetBits(1, true);
    bits.SetBits(2, true);
    EXPECT_EQ(bits.OpenBit(), 3) << "all set: the size";
    bits.SetBits(1, false);
    EXPECT_EQ(bits.OpenBit(), 1);
}

TEST(TBits, SettingPastTheSizeGrowsItWithClearBits)
{
    TBits bits;
    bits.SetBits(4, true);
    EXPECT_EQ(bits.Size(), 5);
    EXPECT_FALSE(bits[3]);
    EXPECT_TRUE(bits[4]);
    EXPECT_EQ(bits.OpenBit(), 0);
}

TEST(TBits, ShrinkingDropsBitsAndGrowingAgainClearsThem)
{
    TBits bits;
    bits.SetBits(2, true);
    bits.SetSize(2);
    EXPECT_EQ(bits.OpenBit(), 0);
    bits.SetSize(3);
    EXPECT_FALSE(bits.Bits(2));
}

TEST(TBits, IndexesOutsideTheRangeRaise)
{
    TBits bits;
    bits.SetSize(2);
    EXPECT_THROW(bits.Bits(2), EListError);
    EXPECT_THROW(bits.Bits(-1), EListError);
    EXPECT_THROW(bits.SetBits(-1, true), EListError);
    EXPECT_THROW(bits.SetSize(-1), EListError);
    EXPECT_THROW(bits.SetBits(TBits::MaxSize, true), EListError);
    EXPECT_EQ(bits.Size(), 2);
}

TEST(TList, AddIndexOfRemoveAndDelete)
{
    int first = 0;
    int second = 0;
    int third = 0;
    TList list;
    EXPECT_EQ(list.Add(&first), 0);
    EXPECT_EQ(list.Add(&second), 1);
    EXPECT_EQ(list.Add(&third), 2);
    EXPECT_EQ(list.IndexOf(&second), 1);
    EXPECT_EQ(list.Remove(&second), 1);
    EXPECT_EQ(list.IndexOf(&second), -1);
    EXPECT_EQ(list.Remove(&second), -1);
    EXPECT_EQ(list.Items(1), &third);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0], &third);
    list.SetItems(0, nullptr);
    EXPECT_EQ(list.IndexOf(nullptr), 0);
}

TEST(TList, IndexOutsideTheListRaises)
{
    TList list;
    EXPECT_THROW(list.Items(0), EListError);
    EXPECT_THROW(list.Delete(0), EListError);
    EXPECT_THROW(list.SetItems(-1, nullptr), EListError);
}

} // namespace
