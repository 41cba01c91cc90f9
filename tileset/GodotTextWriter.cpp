// SPDX-License-Identifier: MIT
#include "tileset/GodotTextWriter.h"

#include "tileset/MarkupText.h"

#include <cassert>

AnsiString GodotString(const AnsiString& text)
{
    assert(IsMarkupText(text) && "checked before any file is written");
    AnsiString quoted = "\"";
    for (const char character : text) {
        if (character == '"' || character == '\\')
            quoted += '\\';
        quoted += character;
    }
    return quoted + "\"";
}

AnsiString GodotVector2i(int x, int y)
{
    return "Vector2i(" + IntToStr(x) + ", " + IntToStr(y) + ")";
}

void TGodotTextWriter::Section(const char* heading, Attributes attributes)
{
    if (!FText.empty())
        FText += "\n";
    FText += AnsiString("[") + heading;
    for (const auto& [name, value] : attributes)
        FText += AnsiString(" ") + name + "=" + value;
    FText += "]\n";
}

void TGodotTextWriter::Property(const AnsiString& key, const AnsiString& value)
{
    FText += key + " = " + value + "\n";
}
