// SPDX-License-Identifier: MIT
#include "platform/vcl/components/FormParser.h"

#include <gtest/gtest.h>

namespace {

AnsiString ErrorOf(std::string_view text)
{
    try {
        ParseFormText(text);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return "no error";
}

} // namespace

TEST(FormParser, ObjectsNestWithTheirPropertiesInOrder)
{
    const TFormObject root = ParseFormText("object MainForm: TMainForm\n"
                                           "  Left = 309\n"
                                           "  object SettGroup: TGroupBox\n"
                                           "    Top = 160\n"
                                           "    object InLbl: TLabel\n"
                                           "    end\n"
                                           "  end\n"
                                           "  object TTimer\n"
                                           "  end\n"
                                           "end\n");
    EXPECT_EQ(root.Name, "MainForm");
    EXPECT_EQ(root.ClassName, "TMainForm");
    ASSERT_EQ(root.Properties.size(), 1u);
    EXPECT_EQ(root.Properties[0].Name, "Left");
    EXPECT_EQ(root.Properties[0].Value.Integer, 309);
    ASSERT_EQ(root.Children.size(), 2u);
    const TFormObject& group = root.Children[0];
    EXPECT_EQ(group.Name, "SettGroup");
    EXPECT_EQ(group.Line, 3);
    EXPECT_EQ(group.Properties[0].Line, 4);
    ASSERT_EQ(group.Children.size(), 1u);
    EXPECT_EQ(group.Children[0].ClassName, "TLabel");
    EXPECT_EQ(root.Children[1].Name, "") << "an object without a name";
    EXPECT_EQ(root.Children[1].ClassName, "TTimer");
}

TEST(FormParser, StringsJoinQuotedPiecesCharacterCodesAndContinuations)
{
    const TFormObject root = ParseFormText("object A: TA\n"
                                           "  S1 = 'Kalvora '\n"
                                           "  S2 = 'It''s'#13#10'two'\n"
                                           "  S3 = #$41#66'c' +\n"
                                           "    'd'\n"
                                           "  S4 = ''\n"
                                           "  S5 = #233#8364\n"
                                           "end");
    const auto& properties = root.Properties;
    ASSERT_EQ(properties.size(), 5u);
    EXPECT_EQ(properties[0].Value.Kind, TFormValueKind::String);
    EXPECT_EQ(properties[0].Value.Text, "Kalvora ");
    EXPECT_EQ(properties[1].Value.Text, "It's\r\ntwo");
    EXPECT_EQ(properties[2].Value.Text, "ABcd");
    EXPECT_EQ(properties[3].Value.Text, "");
    EXPECT_EQ(properties[4].Value.Text, "\xC3\xA9\xE2\x82\xAC") << "codes above 127 become UTF-8";
}

TEST(FormParser, NumbersIdentifiersSetsListsAndBinaryData)
{
    const TFormObject root = ParseFormText("object A: TA\n"
                                           "  Font.Height = -11\n"
                                           "  Color = $80000005\n"
                                           "  Visible = False\n"
                                           "  BorderIcons = [biSystemMenu, biMinimize]\n"
                                           "  Font.Style = []\n"
                                           "  Items.Strings = (\n"
                                           "    'one'\n"
                                           "    'two')\n"
                                           "  Data = {0A ff\n 10}\n"
                                           "end");
    const auto& properties = root.Properties;
    ASSERT_EQ(properties.size(), 7u);
    EXPECT_EQ(properties[0].Name, "Font.Height");
    EXPECT_EQ(properties[0].Value.Integer, -11);
    EXPECT_EQ(properties[1].Value.Integer, 0x80000005);
    EXPECT_EQ(properties[2].Value.Kind, TFormValueKind::Identifier);
    EXPECT_EQ(properties[2].Value.Text, "False");
    EXPECT_EQ(properties[3].Value.Kind, TFormValueKind::Set);
    EXPECT_EQ(properties[3].Value.Elements, (std::vector<AnsiString> { "biSystemMenu", "biMinimize" }));
    EXPECT_TRUE(properties[4].Value.Elements.empty());
    ASSERT_EQ(properties[5].Value.Items.size(), 2u);
    EXPECT_EQ(properties[5].Value.Items[1].Text, "two");
    EXPECT_EQ(properties[6].Value.Bytes, (std::vector<std::uint8_t> { 0x0A, 0xFF, 0x10 }));
    EXPECT_EQ(properties[6].Line, 10);
}

TEST(FormParser, KeywordsIgnoreLetterCase)
{
    const TFormObject root = ParseFormText("OBJECT A: TA\n  object B: TB\n  END\nEnd");
    EXPECT_EQ(root.Children.size(), 1u);
}

TEST(FormParser, DeepNestingIsRefusedInsteadOfExhaustingTheStack)
{
    AnsiString objects;
    for (int level = 0; level < 100000; ++level)
        objects += "object A: TA\n";
    EXPECT_EQ(ErrorOf(objects), "Line 202: objects or lists nested too deeply");
    const AnsiString lists = "object A: TA\n  L = " + AnsiString(100000, '(') + "\nend";
    EXPECT_EQ(ErrorOf(lists), "Line 2: objects or lists nested too deeply");

    AnsiString allowed;
    for (int level = 0; level < 150; ++level)
        allowed += "object A: TA\n";
    for (int level = 0; level < 150; ++level)
        allowed += "end\n";
    EXPECT_NO_THROW(ParseFormText(allowed));
}

struct SyntaxErrorCase {
    const char* name;
    const char* text;
    const char* message;
};

class FormParserErrors : public testing::TestWithParam<SyntaxErrorCase> { };

TEST_P(FormParserErrors, NameTheLineAndWhatWasWrong)
{
    EXPECT_EQ(ErrorOf(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(FormParser, FormParserErrors,
    testing::Values(SyntaxErrorCase { "UnterminatedString", "object A: TA\n  Caption = 'open\nend",
                        "Line 2: unterminated string" },
        SyntaxErrorCase {
            "MissingEnd", "object A: TA\n  Left = 1\n", "Line 3: 'end' of A expected but end of text found" },
        SyntaxErrorCase {
            "MissingEquals", "object A: TA\n  Left 1\nend", "Line 2: '=' expected but '1' found" },
        SyntaxErrorCase {
            "NoValue", "object A: TA\n  Left =\nend", "Line 3: value expected but 'end' found" },
        SyntaxErrorCase {
            "TextAfterEnd", "object A: TA\nend\nobject", "Line 3: text after the final 'end': 'object'" },
        SyntaxErrorCase { "NotAnObject", "form A: TA\nend", "Line 1: 'object' expected but 'form' found" },
        SyntaxErrorCase {
            "FloatingPoint", "object A: TA\n  Size = 8.5\nend", "Line 2: invalid number: '.5'" },
        SyntaxErrorCase {
            "HugeNumber", "object A: TA\n  N = 99999999999999999999\nend", "Line 2: number too large" },
        SyntaxErrorCase {
            "BadCharacterCode", "object A: TA\n  S = #\nend", "Line 2: character code expected after '#'" },
        SyntaxErrorCase { "CharacterCodeTooLarge", "object A: TA\n  S = #1114112\nend",
            "Line 2: character code out of range" },
        SyntaxErrorCase { "OddBinary", "object A: TA\n  D = {ABC}\nend",
            "Line 2: binary data with an odd number of digits" },
        SyntaxErrorCase { "BadSet", "object A: TA\n  S = [a b]\nend", "Line 2: ',' expected but 'b]' found" },
        SyntaxErrorCase { "DanglingPlus", "object A: TA\n  S = 'a' +\n  T = 'b'\nend",
            "Line 3: string expected after '+' but 'T' found" },
        SyntaxErrorCase { "Empty", "", "Line 1: 'object' expected but end of text found" }),
    [](const testing::TestParamInfo<SyntaxErrorCase>& row) { return std::string(row.param.name); });
