// SPDX-License-Identifier: MIT
#include "platform/rtl/FileNames.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

std::size_t LastSeparator(const AnsiString& fileName)
{
    const auto found = std::find_if(fileName.rbegin(), fileName.rend(), IsPathSeparator);
    if (found == fileName.rend())
        return AnsiString::npos;
    return static_cast<std::size_t>(fileName.rend() - found) - 1;
}

bool StatHostPath(const AnsiString& fileName, struct stat& status)
{
    if (!IsUsableFileName(fileName))
        return false;
    return ::stat(HostPath(fileName).c_str(), &status) == 0;
}

} // namespace

bool IsUsableFileName(const AnsiString& fileName)
{
    return !fileName.empty() && fileName.find('\0') == AnsiString::npos;
}

AnsiString HostPath(const AnsiString& fileName)
{
    AnsiString result = fileName;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

AnsiString ExtractFilePath(const AnsiString& fileName)
{
    const std::size_t separator = LastSeparator(fileName);
    if (separator == AnsiString::npos)
        return {};
    return fileName.substr(0, separator + 1);
}

AnsiString ExtractFileName(const AnsiString& fileName)
{
    const std::size_t separator = LastSeparator(fileName);
    if (separator == AnsiString::npos)
        return fileName;
    return fileName.substr(separator + 1);
}

AnsiString IncludeTrailingBackslash(const AnsiString& directory)
{
    if (!directory.empty() && IsPathSeparator(directory.back()))
        return directory;
    return directory + '\\';
}

bool FileExists(const AnsiString& fileName)
{
    struct stat status {};
    return StatHostPath(fileName, status) && !S_ISDIR(status.st_mode);
}

bool DirectoryExists(const AnsiString& directory)
{
    struct stat status {};
    return StatHostPath(directory, status) && S_ISDIR(status.st_mode);
}
