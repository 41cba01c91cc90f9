// SPDX-License-Identifier: MIT
#include "tileset/GodotTextWriter.h"
#include "tileset/XmlWriter.h"

#include <gtest/gtest.h>

TEST(XmlWriter, NestsElementsAndClosesEmptyOnesInPlace)
{
    TXmlWriter xml;
    xml.Open("a");
    xml.Attribute("name", "x & \"y\"");
    xml.Open("b");
    xml.Attribute("n", -3);
    xml.Close();
    xml.Open("c");
    xml.Open("d");
    xml.Close();
    xml.Close();
    xml.Close();

    EXPECT_EQ(xml.Text(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<a name=\"x &amp; &quot;y&quot;\">\n"
        " <b n=\"-3\"/>\n"
        " <c>\n"
        "  <d/>\n"
        " </c>\n"
        "</a>\n");
}

TEST(GodotText, StringsEscapeQuotesAndBackslashesOnly)
{
    EXPECT_EQ(GodotString("a \"b\" \\c\\ <&> '"), "\"a \\\"b\\\" \\\\c\\\\ <&> '\"");
    EXPECT_EQ(GodotString("\xC3\xB1\x61nd\xC3\xBA"), "\"\xC3\xB1\x61nd\xC3\xBA\"");
    EXPECT_EQ(GodotString(""), "\"\"");
    EXPECT_EQ(GodotVector2i(-1, 20), "Vector2i(-1, 20)");
}

TEST(GodotText, SectionsAreSeparatedByABlankLineAndHoldTheirProperties)
{
    TGodotTextWriter godot;
    godot.Section("gd_resource", { { "type", GodotString("TileSet") }, { "format", "3" } });
    godot.Section("resource", {});
    godot.Property("tile_shape", "1");

    EXPECT_EQ(godot.Text(), "[gd_resource type=\"TileSet\" format=3]\n\n[resource]\ntile_shape = 1\n");
}
