// SPDX-License-Identifier: MIT
#include "platform/rtl/FileStorage.h"

#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/FileErrors.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/ReadOnlyFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One write or read call moves at most this much, well inside what every kernel accepts.
constexpr std::size_t ChunkSize = std::size_t { 1 } << 24;

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : FDescriptor(descriptor) {}
    ~FileDescriptor()
    {
        if (FDescriptor >= 0)
            ::close(FDescriptor);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return FDescriptor; }
    bool IsOpen() const { return FDescriptor >= 0; }

    // Closing can report a write the kernel could not complete, so its result counts.
    int Close()
    {
        const int result = ::close(FDescriptor);
        FDescriptor = -1;
        return result;
    }

private:
    int FDescriptor;
};

// A file created beside the target and removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const AnsiString& directoryPart)
    {
        static std::atomic<unsigned> counter { 0 };
        // The process id and a counter make the name unique among running saves; O_EXCL
        // makes a leftover of an earlier run a clash to step past instead of a file to reuse.
        // The leading dot keeps it out of ordinary searches.
        for (int attempt = 0; attempt < 16; ++attempt) {
            FName = directoryPart + ".durnik-save-" + std::to_string(::getpid()) + "-"
                + std::to_string(counter++);
            const int descriptor
                = ::open(FName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
            if (descriptor >= 0) {
                FDescriptor.emplace(descriptor);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        FCreateError = errno;
    }
    ~TemporaryFile()
    {
        FDescriptor.reset();
        if (!FRenamed && FCreateError == 0)
            ::unlink(FName.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int CreateError() const { return FCreateError; }
    FileDescriptor& Descriptor() { return *FDescriptor; }

    // Returns 0 or the errno of the failed rename.
    int RenameTo(const AnsiString& target)
    {
        if (SaveCalls().rename(FName.c_str(), target.c_str()) != 0)
            return errno;
        FRenamed = true;
        return 0;
    }

private:
    AnsiString FName;
    std::optional<FileDescriptor> FDescriptor;
    int FCreateError = 0;
    bool FRenamed = false;
};

// Returns 0 or the errno of the failed write.
int WriteAll(int descriptor, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const std::size_t chunk = std::min(bytes.size(), ChunkSize);
        const ssize_t written = ::write(descriptor, bytes.data(), chunk);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

// A link is saved through, so the file it points to gets the new content.
AnsiString ResolvedTarget(const AnsiString& hostPath)
{
    struct stat linkStatus {};
    if (::lstat(hostPath.c_str(), &linkStatus) != 0 || !S_ISLNK(linkStatus.st_mode))
        return hostPath;
    char resolved[PATH_MAX];
    if (::realpath(hostPath.c_str(), resolved) == nullptr)
        return hostPath;
    return resolved;
}

// The permission bits the saved file should get, or nothing for a new file (then the
// creation mode and the umask decide). Raises when the target must not be replaced.
std::optional<mode_t> CheckReplaceableTarget(const AnsiString& target, const AnsiString& hostPath)
{
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        RaiseCannot("save", hostPath, ReasonOf(errno));
    }
    if (S_ISDIR(status.st_mode))
        RaiseCannot("save", hostPath, ReasonOf(EISDIR));
    if (!S_ISREG(status.st_mode))
        RaiseCannot("save", hostPath, "Not a regular file");
    // A rename would replace a read-only file without asking, so it is refused here.
    const auto entry = QueryDirectoryEntry(target);
    if (entry && (entry->Attr & faReadOnly) != 0)
        RaiseCannot("save", hostPath, "The file is read-only");
    return status.st_mode & 07777;
}

} // namespace

TSaveCalls& SaveCalls()
{
    static TSaveCalls calls { ::fsync, ::rename };
    return calls;
}

void WriteFileAtomically(const AnsiString& path, std::span<const std::uint8_t> bytes)
{
    const AnsiString hostPath = HostPath(path);
    CheckUsableFileName("save", hostPath);
    if (hostPath.back() == '/')
        RaiseCannot("save", hostPath, ReasonOf(EISDIR));

    const AnsiString target = ResolvedTarget(hostPath);
    const std::optional<mode_t> keptMode = CheckReplaceableTarget(target, hostPath);
    const AnsiString directoryPart = ExtractFilePath(target);

    TemporaryFile temporary(directoryPart);
    if (temporary.CreateError() != 0)
        RaiseCannot("save", hostPath, ReasonOf(temporary.CreateError()));
    FileDescriptor& descriptor = temporary.Descriptor();
    if (keptMode && ::fchmod(descriptor.Get(), *keptMode) != 0)
        RaiseCannot("save", hostPath, ReasonOf(errno));
    if (const int error = WriteAll(descriptor.Get(), bytes))
        RaiseCannot("save", hostPath, ReasonOf(error));
    // Replacing a file, the new content must be on the disk before the rename, or a crash
    // could leave neither version. A new file risks nothing, and a batch of new tiles would
    // otherwise wait for the disk once per tile.
    if (keptMode && SaveCalls().sync(descriptor.Get()) != 0)
        RaiseCannot("save", hostPath, ReasonOf(errno));
    if (descriptor.Close() != 0)
        RaiseCannot("save", hostPath, ReasonOf(errno));
    if (const int error = temporary.RenameTo(target))
        RaiseCannot("save", hostPath, ReasonOf(error));
}

std::vector<std::uint8_t> ReadFileBytes(const AnsiString& path)
{
    const TReadOnlyFile file(path);
    if (file.Size() > std::uint64_t(MaxReadFileSize))
        RaiseCannot("open", file.HostPath(), "The file is too large");
    // The size taken at opening is what is read; a file that shrinks meanwhile ends sooner.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file.Size()));
    bytes.resize(file.ReadAt(0, bytes));
    return bytes;
}
