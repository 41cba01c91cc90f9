// SPDX-License-Identifier: MIT
#include "tileset/MarkupText.h"

#include <gtest/gtest.h>

TEST(MarkupText, XmlAttributesEscapeTheFiveMarkupCharactersOnly)
{
    EXPECT_EQ(
        XmlAttributeText("a \"b\" & 'c' <d> e\\f"), "a &quot;b&quot; &amp; &apos;c&apos; &lt;d&gt; e\\f");
    EXPECT_EQ(XmlAttributeText("\xC3\xB1\x61nd\xC3\xBA \xE6\xBC\xA2 \xF0\x9F\x99\x82"),
        "\xC3\xB1\x61nd\xC3\xBA \xE6\xBC\xA2 \xF0\x9F\x99\x82");
    EXPECT_EQ(XmlAttributeText("&amp;"), "&amp;amp;");
    EXPECT_EQ(XmlAttributeText(""), "");
}

TEST(MarkupText, OnlyValidUtf8WithoutControlCharactersIsMarkupText)
{
    const std::pair<std::string, bool> cases[] = {
        { "plain name.png", true }, { "\xC3\xB1", true }, // two bytes
        { "\xE2\x82\xAC", true }, // three
        { "\xF0\x9F\x99\x82", true }, // four
        { "\x7F", true }, // DEL is allowed in XML
        { "tab\there", false }, { "line\nbreak", false }, { "\xE9t\xE9", false }, // Latin-1
        { "\xC3", false }, // cut short
        { "\xC0\xAF", false }, // overlong "/"
        { "\xE0\x80\xAF", false }, // overlong, three bytes
        { "\xED\xA0\x80", false }, // a surrogate
        { "\xF4\x90\x80\x80", false }, // past U+10FFFF
        { "\x80", false }, // a lone continuation byte
        { "\xC3\x28", false }, // a lead without its continuation
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IsMarkupText(text), expected) << text;
    EXPECT_FALSE(IsMarkupText(AnsiString("nul\0byte", 8)));
}
