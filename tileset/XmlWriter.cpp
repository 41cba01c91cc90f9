// SPDX-License-Identifier: MIT
#include "tileset/XmlWriter.h"

#include "tileset/MarkupText.h"

#include <cassert>

TXmlWriter::TXmlWriter()
    : FText("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n")
{
}

void TXmlWriter::Open(const char* element)
{
    if (!FOpen.empty() && !FOpen.back().hasChildren) {
        FOpen.back().hasChildren = true;
        FText += ">\n";
    }
    FText += AnsiString(FOpen.size(), ' ') + "<" + element;
    FOpen.push_back({ element, false });
}

void TXmlWriter::Attribute(const char* name, const AnsiString& value)
{
    assert(!FOpen.empty() && !FOpen.back().hasChildren && "attributes come before children");
    FText += AnsiString(" ") + name + "=\"" + XmlAttributeText(value) + "\"";
}

void TXmlWriter::Attribute(const char* name, int value)
{
    Attribute(name, IntToStr(value));
}

void TXmlWriter::Close()
{
    assert(!FOpen.empty() && "an element is open");
    const OpenElement element = FOpen.back();
    FOpen.pop_back();
    if (element.hasChildren)
        FText += AnsiString(FOpen.size(), ' ') + "</" + element.name + ">\n";
    else
        FText += "/>\n";
}

const AnsiString& TXmlWriter::Text() const
{
    assert(FOpen.empty() && "every element is closed");
    return FText;
}
