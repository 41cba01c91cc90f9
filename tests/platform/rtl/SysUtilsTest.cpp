// SPDX-License-Identifier: MIT
#include "platform/rtl/SysUtils.h"

#include "tests/platform/rtl/TemporaryDirectory.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

struct GoodInteger {
    const char* name;
    const char* text;
    int value;
};

class StrToIntAccepts : public testing::TestWithParam<GoodInteger> { };

TEST_P(StrToIntAccepts, AndGivesTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntAccepts,
    testing::Values(GoodInteger { "Zero", "0", 0 }, GoodInteger { "Decimal", "128", 128 },
        GoodInteger { "Negative", "-63", -63 }, GoodInteger { "PlusSign", "+7", 7 },
        GoodInteger { "LeadingZeros", "007", 7 }, GoodInteger { "SurroundingBlanks", "  42 ", 42 },
        GoodInteger { "TabsAndNewline", "\t42\r\n", 42 }, GoodInteger { "Dollar", "$1F", 31 },
        GoodInteger { "ZeroXLower", "0x1f", 31 }, GoodInteger { "ZeroXUpper", "0X1F", 31 },
        GoodInteger { "NegativeHex", "-$10", -16 }, GoodInteger { "MaxInt", "2147483647", INT_MAX },
        GoodInteger { "MinInt", "-2147483648", INT_MIN },
        GoodInteger { "HexMaxInt", "$7FFFFFFF", INT_MAX },
        GoodInteger { "HexTopBitWraps", "$80000000", INT_MIN },
        GoodInteger { "HexAllOnesIsMinusOne", "0xFFFFFFFF", -1 },
        GoodInteger { "HexLeadingZeros", "$000000001", 1 }),
    [](const auto& row) { return std::string(row.param.name); });

struct BadInteger {
    const char* name;
    const char* text;
};

class StrToIntRejects : public testing::TestWithParam<BadInteger> { };

TEST_P(StrToIntRejects, WithAConversionErrorQuotingTheText)
{
    const std::string text = GetParam().text;
    try {
        StrToInt(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, StrToIntRejects,
    testing::Values(BadInteger { "Empty", "" }, BadInteger { "OnlyBlanks", "   " },
        BadInteger { "Letters", "abc" }, BadInteger { "TrailingLetter", "12a" },
        BadInteger { "InnerBlank", "1 2" }, BadInteger { "LoneSign", "-" },
        BadInteger { "DoubleSign", "--1" }, BadInteger { "Fraction", "1.5" },
        BadInteger { "LoneDollar", "$" }, BadInteger { "LoneZeroX", "0x" },
        BadInteger { "HexWithoutPrefix", "1F" }, BadInteger { "SignAfterPrefix", "$-1" },
        BadInteger { "BlankAfterPrefix", "$ 1" }, BadInteger { "AboveMaxInt", "2147483648" },
        BadInteger { "BelowMinInt", "-2147483649" }, BadInteger { "HexAbove32Bits", "$100000000" },
        BadInteger { "HugeDecimal", "99999999999999999999999" },
        BadInteger { "NonAsciiDigit", "\xD9\xA1" }),
    [](const auto& row) { return std::string(row.param.name); });

TEST(StrToInt, ErrorIsAnException)
{
    EXPECT_THROW(StrToInt("x"), Exception);
}

TEST(IntToStr, WritesSignedDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-63), "-63");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim(""), "");
    // Bytes of a UTF-8 character are above the blank and are kept.
    EXPECT_EQ(Trim(" \xC3\xA9 "), "\xC3\xA9");
}

TEST(TrimRight, KeepsTheLeadingBlanks)
{
    EXPECT_EQ(TrimRight("  a b \t\r\n"), "  a b");
    EXPECT_EQ(TrimRight("\r\n"), "");
    EXPECT_EQ(TrimRight("\xC3\xA9"), "\xC3\xA9");
}

TEST(Utf8CharLength, CountsWholeSequencesAndStepsOverBrokenOnes)
{
    EXPECT_EQ(Utf8CharLength("a", 0), 1u);
    EXPECT_EQ(Utf8CharLength("\xC3\xA9", 0), 2u);          // é
    EXPECT_EQ(Utf8CharLength("\xE2\x82\xAC", 0), 3u);      // €
    EXPECT_EQ(Utf8CharLength("\xF0\x9F\x98\x80", 0), 4u);  // emoji
    EXPECT_EQ(Utf8CharLength("\xE2\x82", 0), 1u);          // cut short
    EXPECT_EQ(Utf8CharLength("\xA9", 0), 1u);              // stray continuation byte
    EXPECT_EQ(Utf8CharLength("\xC3" "a", 0), 1u);          // lead byte without continuation
    EXPECT_EQ(Utf8CharLength("a", 1), 0u);                 // past the end
}

TEST(ExtractFilePath, KeepsTheDirectoryWithItsSeparator)
{
    EXPECT_EQ(ExtractFilePath("mask\\iso.bmp"), "mask\\");
    EXPECT_EQ(ExtractFilePath("/home/user/a.bmp"), "/home/user/");
    EXPECT_EQ(ExtractFilePath("C:\\Tiles/a.bmp"), "C:\\Tiles/");
    EXPECT_EQ(ExtractFilePath("a.bmp"), "");
    EXPECT_EQ(ExtractFilePath("\\"), "\\");
}

TEST(ExtractFileName, TakesThePartAfterTheLastSeparator)
{
    EXPECT_EQ(ExtractFileName("mask\\iso.bmp"), "iso.bmp");
    EXPECT_EQ(ExtractFileName("/home/user/a.bmp"), "a.bmp");
    EXPECT_EQ(ExtractFileName("a.bmp"), "a.bmp");
    EXPECT_EQ(ExtractFileName("dir/"), "");
}

TEST(IncludeTrailingBackslash, AddsASeparatorOnlyWhenMissing)
{
    EXPECT_EQ(IncludeTrailingBackslash("dir"), "dir\\");
    EXPECT_EQ(IncludeTrailingBackslash("dir\\"), "dir\\");
    EXPECT_EQ(IncludeTrailingBackslash("/tmp/"), "/tmp/");
}

TEST(FileExists, TellsFilesFromDirectoriesInEitherSeparatorForm)
{
    const TemporaryDirectory directory;
    directory.MakeDirectory("mask");
    const std::string file = directory.Write("mask/iso.bmp");

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(TemporaryDirectory::Backslashed(file)));
    EXPECT_FALSE(FileExists(directory / "mask"));
    EXPECT_FALSE(FileExists(directory / "mask/missing.bmp"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(file + std::string(1, '\0') + "ignored")) << "a NUL must not cut the name";

    EXPECT_TRUE(DirectoryExists(directory / "mask"));
    EXPECT_TRUE(DirectoryExists(TemporaryDirectory::Backslashed(directory / "mask\\")));
    EXPECT_TRUE(DirectoryExists("\\"));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(DirectoryExists(""));
}

} // namespace

TEST(CaseFolding, ChangesOnlyAsciiLettersSoUtf8NamesStayIntact)
{
    EXPECT_EQ(UpperCase("Mask_iso.bmp@[z]{a}"), "MASK_ISO.BMP@[Z]{A}");
    EXPECT_EQ(LowerCase("Mask_ISO.BMP@[Z]{A}"), "mask_iso.bmp@[z]{a}");
    // "Ä" and "ä" in UTF-8: no byte of either sequence may change.
    EXPECT_EQ(UpperCase("\xC3\xA4x"), "\xC3\xA4X");
    EXPECT_EQ(LowerCase("\xC3\x84X"), "\xC3\x84x");
    EXPECT_EQ(UpCase('`'), '`');
    EXPECT_EQ(LoCase('@'), '@');
}

TEST(SameText, IgnoresAsciiCaseOnly)
{
    EXPECT_TRUE(SameText("TSpeedButton", "tspeedBUTTON"));
    EXPECT_TRUE(SameText("", ""));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_FALSE(SameText("@", "`")) << "the bytes next to the letters are not letters";
    EXPECT_FALSE(SameText("\xC3\xA4", "\xC3\x84"));
}
