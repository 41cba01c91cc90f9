// SPDX-License-Identifier: MIT
#include "platform/rtl/ReadOnlyFile.h"

#include "platform/rtl/FileErrors.h"
#include "platform/rtl/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One read call moves at most this much, well inside what every kernel accepts.
constexpr std::size_t kChunkSize = std::size_t { 1 } << 24;

} // namespace

TReadOnlyFile::TReadOnlyFile(const AnsiString& path) : FHostPath(::HostPath(path))
{
    CheckUsableFileName("open", FHostPath);
    // Non-blocking, so opening a pipe with no writer returns at once; it is refused below.
    FDescriptor = ::open(FHostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (FDescriptor < 0)
        RaiseCannot("open", FHostPath, ReasonOf(errno));
    struct stat status {};
    int error = 0;
    if (::fstat(FDescriptor, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    if (error != 0 || !S_ISREG(status.st_mode)) {
        ::close(FDescriptor);
        RaiseCannot("open", FHostPath, error != 0 ? ReasonOf(error) : AnsiString("Not a regular file"));
    }
    FSize = static_cast<std::uint64_t>(status.st_size);
}

TReadOnlyFile::~TReadOnlyFile() { ::close(FDescriptor); }

std::size_t TReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const std::size_t chunk = std::min(buffer.size() - filled, kChunkSize);
        const ssize_t count = ::pread(FDescriptor, buffer.data() + filled, chunk, static_cast<off_t>(offset + filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            RaiseCannot("read", FHostPath, ReasonOf(errno));
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    return filled;
}
