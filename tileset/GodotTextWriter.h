// SPDX-License-Identifier: MIT
// A small writer of Godot's text resource format (.tres): bracketed section headings with
// attributes, "key = value" lines under them, strings quoted and escaped as Godot's parser
// reads them back.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <initializer_list>
#include <utility>

// text as a Godot string, quotes included; text IsMarkupText.
AnsiString GodotString(const AnsiString& text);
// Vector2i(x, y)
AnsiString GodotVector2i(int x, int y);

class TGodotTextWriter {
public:
    using Attributes = std::initializer_list<std::pair<const char*, AnsiString>>;

    // [heading name=value …], a blank line before every heading but the first; values are
    // written as given, already in Godot's syntax.
    void Section(const char* heading, Attributes attributes);
    // key = value, value in Godot's syntax.
    void Property(const AnsiString& key, const AnsiString& value);

    const AnsiString& Text() const { return FText; }

private:
    AnsiString FText;
};
