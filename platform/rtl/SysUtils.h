// SPDX-License-Identifier: MIT
// Strings, exceptions and conversions of the runtime library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
// ASCII case folding: only A-Z and a-z change, so UTF-8 sequences pass through intact and the
// result never depends on the locale.
char UpCase(char character);
char LoCase(char character);
AnsiString UpperCase(AnsiString text);
AnsiString LowerCase(AnsiString text);
bool SameText(std::string_view a, std::string_view b); // equal but for ASCII letter case
AnsiString TrimRight(const AnsiString& text); // drops trailing blanks and control characters

// Bytes taken by the UTF-8 character that starts at offset: 1 for ASCII and for a byte that
// does not start a well-formed sequence, so a scan by characters always moves on.
std::size_t Utf8CharLength(std::string_view text, std::size_t offset);

// File names: "\" and "/" both separate components (see platform/rtl/FileNames.h).
AnsiString ExtractFilePath(const AnsiString& fileName);  // directory part with its separator, or ""
AnsiString ExtractFileName(const AnsiString& fileName);  // the part after the last separator
AnsiString IncludeTrailingBackslash(const AnsiString& directory);
bool FileExists(const AnsiString& fileName);              // false for a directory
bool DirectoryExists(const AnsiString& directory);

// Entry attributes of the directory search; the values equal the Win32 FILE_ATTRIBUTE_* bits.
inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faVolumeID = 0x08;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faAnyFile = 0x3F;

// One entry of a directory as this host sees it. Attr holds fa* bits (a name starting with "."
// is hidden; an entry the user cannot write, or that no one may write by its permission bits, is
// read-only; anything neither a file nor a directory is a system file); Time is the last
// modification in seconds since 1970 (UTC).
struct TDirectoryEntry {
    AnsiString Name;
    std::int64_t Size = 0;
    int Attr = 0;
    std::int64_t Time = 0;
};

// The state of one directory search. The listing is taken by FindFirst, so entries created
// while the search runs are not returned.
struct TSearchRec {
    AnsiString Name;
    std::int64_t Size = 0;
    int Attr = 0;
    std::int64_t Time = 0;

    std::vector<TDirectoryEntry> FindEntries; // every match, in order; FindPosition is the next
    std::size_t FindPosition = 0;
    int ExcludeAttr = 0;
};

// Searches the directory part of pattern for names matching its last component ("*" any run of
// characters, "?" one character, letter case ignored). Normal files are always returned; hidden,
// system and directory entries only when attrMask names them. Entries come sorted by name.
// Returns 0 when an entry was found, nonzero when none matches (also for a missing directory).
int FindFirst(const AnsiString& pattern, int attrMask, TSearchRec& searchRec);
int FindNext(TSearchRec& searchRec); // 0 while another entry follows
void FindClose(TSearchRec& searchRec);
