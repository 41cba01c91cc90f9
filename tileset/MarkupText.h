// SPDX-License-Identifier: MIT
// Text placed into the files a sheet is described by: file names go in exactly
// as they are, escaped as each format demands, never pasted in raw.
#pragma once

#include "platform/rtl/SysUtils.h"

// Whether text can stand in an XML and a JSON file at all: valid UTF-8 without control
// characters (XML 1.0 cannot hold them, even escaped).
bool IsMarkupText(const AnsiString& text);

// text inside a double-quoted XML attribute value.
AnsiString XmlAttributeText(const AnsiString& text);
