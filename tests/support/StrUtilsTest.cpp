// SPDX-License-Identifier: MIT
#include "support/StrUtils.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

const TCharSet Semicolon = CharSetOf(";");

// Walks the text the way the directory edit does, noting each item and where it left P.
struct Walk {
    Items items;
    std::vector<int> positions;
};

Walk WalkItems(const std::string& text, const TCharSet& delimiters = Semicolon)
{
    Walk walk;
    int position = 1;
    while (position <= static_cast<int>(text.size())) {
        walk.items.push_back(NextDelimitedItem(text, position, delimiters));
        walk.positions.push_back(position);
    }
    return walk;
}

TEST(NextDelimitedItem, WalksItemsAndConsumesOneDelimiterEach)
{
    const Walk walk = WalkItems("a;b;c");
    EXPECT_EQ(walk.items, (Items { "a", "b", "c" }));
    EXPECT_EQ(walk.positions, (std::vector<int> { 3, 5, 6 }));
}

TEST(NextDelimitedItem, AdjacentDelimitersEncloseAnEmptyItem)
{
    EXPECT_EQ(WalkItems("a;;b").items, (Items { "a", "", "b" }));
}

TEST(NextDelimitedItem, ALeadingDelimiterGivesAnEmptyFirstItem)
{
    EXPECT_EQ(WalkItems(";a").items, (Items { "", "a" }));
}

TEST(NextDelimitedItem, AFinalDelimiterGivesNoEmptyLastItem)
{
    const Walk walk = WalkItems("a;");
    EXPECT_EQ(walk.items, Items { "a" });
    EXPECT_EQ(walk.positions, std::vector<int> { 3 });
}

TEST(NextDelimitedItem, PastTheEndGivesEmptyAndLeavesThePosition)
{
    int position = 1;
    EXPECT_EQ(NextDelimitedItem("", position, Semicolon), "");
    EXPECT_EQ(position, 1);
    position = 9;
    EXPECT_EQ(NextDelimitedItem("a;b", position, Semicolon), "");
    EXPECT_EQ(position, 9);
}

TEST(NextDelimitedItem, StartsAnywhereAndTreatsAPositionBelowOneAsOne)
{
    int position = 3;
    EXPECT_EQ(NextDelimitedItem("ab;cd;e", position, Semicolon), "");
    EXPECT_EQ(position, 4);
    position = 0;
    EXPECT_EQ(NextDelimitedItem("ab;cd", position, Semicolon), "ab");
    EXPECT_EQ(position, 4);
}

TEST(NextDelimitedItem, AnyMemberOfTheSetDelimits)
{
    EXPECT_EQ(WalkItems("a,b;c", CharSetOf(",;")).items, (Items { "a", "b", "c" }));
    EXPECT_EQ(WalkItems("a;b", TCharSet {}).items, Items { "a;b" });
}

TEST(NextDelimitedItem, NeverSplitsAMultiByteCharacter)
{
    // "é" is C3 A9; a set holding A9 must not cut it, while "©" alone (broken UTF-8) still delimits.
    const TCharSet delimiters = CharSetOf("\xA9");
    EXPECT_EQ(WalkItems("\xC3\xA9\xA9x", delimiters).items, (Items { "\xC3\xA9", "x" }));
    EXPECT_EQ(WalkItems("C:\\Bilder \xC3\xA9t\xC3\xA9;D:\\").items,
        (Items { "C:\\Bilder \xC3\xA9t\xC3\xA9", "D:\\" }));
}

} // namespace
