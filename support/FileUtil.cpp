// SPDX-License-Identifier: MIT
#include "support/FileUtil.h"

#include "platform/rtl/FileNames.h"
#include "platform/win32/files/FileApi.h"

namespace {

bool IsDriveRoot(const AnsiString& name)
{
    if (name.size() != 3 || name[1] != ':' || !IsPathSeparator(name[2]))
        return false;
    const char letter = name[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

enum class NameForm { Long, Short };

AnsiString FileNameOf(const AnsiString& path, NameForm form)
{
    // The system call sees the name only up to a NUL byte, which would look up another entry.
    if (!IsUsableFileName(path))
        return {};
    WIN32_FIND_DATAA findData {};
    const HANDLE search = FindFirstFileA(path.c_str(), &findData);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    FindClose(search);
    const AnsiString longName = findData.cFileName;
    const AnsiString shortName = findData.cAlternateFileName;
    switch (form) {
    case NameForm::Long:
        return longName.empty() ? shortName : longName;
    case NameForm::Short:
        return shortName.empty() ? longName : shortName;
    }
    return longName;
}

AnsiString PathOf(const AnsiString& path, NameForm form)
{
    AnsiString remaining = path;
    AnsiString result;
    for (std::size_t separator = remaining.find_last_of("\\/"); separator != AnsiString::npos;
         separator = remaining.find_last_of("\\/")) {
        result = remaining[separator] + FileNameOf(remaining, form) + result;
        remaining.resize(separator);
    }
    return remaining + result;
}

} // namespace

AnsiString TrimTrailingBackslash(const AnsiString& directoryName)
{
    // In UTF-8 a separator byte is always a character of its own, never part of another.
    if (directoryName.size() < 2 || !IsPathSeparator(directoryName.back()) || IsDriveRoot(directoryName))
        return directoryName;
    return directoryName.substr(0, directoryName.size() - 1);
}

bool IsExistingDirectory(const AnsiString& name)
{
    if (!IsUsableFileName(name))
        return false;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

AnsiString LongFileNameOf(const AnsiString& path)
{
    return FileNameOf(path, NameForm::Long);
}

AnsiString ShortFileNameOf(const AnsiString& path)
{
    return FileNameOf(path, NameForm::Short);
}

AnsiString LongPathOf(const AnsiString& path)
{
    return PathOf(path, NameForm::Long);
}

AnsiString ShortPathOf(const AnsiString& path)
{
    return PathOf(path, NameForm::Short);
}
