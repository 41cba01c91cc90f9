// SPDX-License-Identifier: MIT
// Word utilities: walking a text of delimited items.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <bitset>
#include <string_view>

// A set of byte values, one membership flag each.
using TCharSet = std::bitset<256>;

TCharSet CharSetOf(std::string_view characters);

// The item that starts at the 1-based byte position, which is moved past the item and past the
// one delimiter that ended it. Two adjacent delimiters enclose an empty item; a delimiter at the
// very end yields no empty last item, so the caller repeats while position <= text length.
// When position lies past the text the result is empty and position stays. Only a one-byte
// character can be a delimiter, so a UTF-8 character is never split; a position below 1
// counts as 1.
AnsiString NextDelimitedItem(const AnsiString& text, int& position, const TCharSet& delimiters);
