// SPDX-License-Identifier: MIT
// A small XML writer for the tileset: elements nested as opened, attribute values escaped,
// one space of indent a level, empty elements closed with "/>".
#pragma once

#include "platform/rtl/SysUtils.h"

#include <vector>

class TXmlWriter {
public:
    TXmlWriter(); // starts with the UTF-8 declaration

    void Open(const char* element);
    // Of the element opened last, before any child; value IsMarkupText.
    void Attribute(const char* name, const AnsiString& value);
    void Attribute(const char* name, int value);
    void Close();

    // Every element closed.
    const AnsiString& Text() const;

private:
    struct OpenElement {
        const char* name;
        bool hasChildren;
    };

    AnsiString FText;
    std::vector<OpenElement> FOpen;
};
