// SPDX-License-Identifier: MIT
// Strings, exceptions and conversions of the runtime library.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Text is UTF-8 on this host; positions in the toolkit's sense are 1-based.
using AnsiString = std::string;

// Root of every failure the toolkit raises; Message() is written for the user.
class Exception : public std::runtime_error {
public:
    explicit Exception(const AnsiString& message) : std::runtime_error(message) {}
    AnsiString Message() const { return what(); }
};

class EConvertError : public Exception { using Exception::Exception; };
class EOSError : public Exception { using Exception::Exception; };
class EInOutError : public Exception { using Exception::Exception; };
class EInvalidGraphic : public Exception { using Exception::Exception; };
class EInvalidGraphicOperation : public Exception { using Exception::Exception; };
class EOutOfResources : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EComponentError : public Exception { using Exception::Exception; };
class EReadError : public Exception { using Exception::Exception; };

// Decimal with optional sign and surrounding blanks, or hexadecimal written "$1F" / "0x1F".
// Anything else, or a value outside 32 bits, raises EConvertError quoting the text.
int StrToInt(const AnsiString& text);
AnsiString IntToStr(std::int64_t value);
AnsiString Trim(const AnsiString& text);
