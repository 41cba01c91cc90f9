// SPDX-License-Identifier: MIT
#include "platform/rtl/ForceDirectories.h"

#include "platform/rtl/FileErrors.h"
#include "platform/rtl/FileNames.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

// 0 when path is a directory now, else the errno of why it is not and cannot be made.
int MakeOne(const AnsiString& path)
{
    if (::mkdir(path.c_str(), 0777) == 0)
        return 0;
    const int error = errno;
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return error;
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

} // namespace

void ForceDirectories(const AnsiString& directory)
{
    const AnsiString hostPath = HostPath(directory);
    CheckUsableFileName("create the folder", hostPath);
    // Each parent from the top down, then the directory itself.
    for (std::size_t end = 1; end <= hostPath.size(); ++end) {
        if ((end < hostPath.size() && hostPath[end] != '/') || hostPath[end - 1] == '/')
            continue;
        if (const int error = MakeOne(hostPath.substr(0, end)))
            RaiseCannot("create the folder", hostPath, ReasonOf(error));
    }
}
