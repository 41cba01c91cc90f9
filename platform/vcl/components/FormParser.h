// SPDX-License-Identifier: MIT
// The textual form description: "object Name: TClass", "Property = value" lines, nested
// objects and "end". Parsing yields a tree; giving it life is the form reader's job.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <string_view>
#include <vector>

enum class TFormValueKind : std::uint8_t {
    Integer, // 12, -11, $FF
    String, // 'It''s'#13#10'two lines', pieces joined by "+" across lines
    Identifier, // True, clBtnFace, OpenBtnClick
    Set, // [biSystemMenu, biMinimize]
    List, // ( 'one' 'two' )
    Binary, // { 0A1B }
};

struct TFormValue {
    TFormValueKind Kind = TFormValueKind::Integer;
    std::int64_t Integer = 0;
    AnsiString Text; // a string's UTF-8 text, or an identifier
    std::vector<AnsiString> Elements; // a set's identifiers
    std::vector<TFormValue> Items; // a list's values
    std::vector<std::uint8_t> Bytes; // binary data
};

struct TFormProperty {
    AnsiString Name; // dotted for a sub-object: "Font.Height"
    TFormValue Value;
    int Line = 0;
};

struct TFormObject {
    AnsiString Name; // empty for an unnamed object
    AnsiString ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties; // in the order written
    std::vector<TFormObject> Children;
};

// Raises EReadError naming the line for any syntax error. A character code #nn stands
// for the character of that number, stored as UTF-8.
TFormObject ParseFormText(std::string_view text);

// "an integer", "the string 'abc'", "the identifier Foo", ... for error messages.
AnsiString DescribeFormValue(const TFormValue& value);
