// SPDX-License-Identifier: MIT
#include "platform/rtl/FileStorage.h"

#include "tests/platform/rtl/OrdinaryUser.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Names = std::vector<std::string>;

std::vector<std::uint8_t> BytesOf(const std::string& text)
{
    return { text.begin(), text.end() };
}

std::string MessageOfSave(const std::string& path, const std::string& content)
{
    try {
        WriteFileAtomically(path, BytesOf(content));
    } catch (const EInOutError& error) {
        return error.Message();
    }
    return "saved";
}

std::string MessageOfRead(const std::string& path)
{
    try {
        ReadFileBytes(path);
    } catch (const EInOutError& error) {
        return error.Message();
    }
    return "read";
}

mode_t PermissionsOf(const std::string& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(WriteFileAtomically, CreatesTheFileAndLeavesNoTemporary)
{
    const TemporaryDirectory directory;
    WriteFileAtomically(directory / "tile.bmp", BytesOf("BM tile"));
    EXPECT_EQ(TemporaryDirectory::Read(directory / "tile.bmp"), "BM tile");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(WriteFileAtomically, ReplacesAnOldFileKeepingItsPermissions)
{
    const TemporaryDirectory directory;
    const std::string path = directory.Write("tile.bmp", "old content that is longer");
    ::chmod(path.c_str(), 0640);
    WriteFileAtomically(path, BytesOf("new"));
    EXPECT_EQ(TemporaryDirectory::Read(path), "new");
    EXPECT_EQ(PermissionsOf(path), 0640u);
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(WriteFileAtomically, AcceptsBackslashesAndEmptyContent)
{
    const TemporaryDirectory directory;
    directory.MakeDirectory("out");
    WriteFileAtomically(TemporaryDirectory::Backslashed(directory / "out/a.bmp"), {});
    EXPECT_TRUE(FileExists(directory / "out/a.bmp"));
    EXPECT_EQ(TemporaryDirectory::Read(directory / "out/a.bmp"), "");
}

TEST(WriteFileAtomically, RefusesAReadOnlyTargetAndKeepsIt)
{
    const TemporaryDirectory directory;
    const std::string path = directory.Write("tile.bmp", "old");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(MessageOfSave(path, "new"), "Cannot save \"" + path + "\": The file is read-only");
    EXPECT_EQ(TemporaryDirectory::Read(path), "old");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheDirectoryIsReadOnly)
{
    const TemporaryDirectory directory;
    const std::string path = directory.Write("tile.bmp", "old");
    ::chmod(directory.Path().c_str(), 0555);
    EXPECT_EQ(AsOrdinaryUser(directory.Path(), [&] { return MessageOfSave(path, "new"); }),
        "Cannot save \"" + path + "\": Permission denied");
    ::chmod(directory.Path().c_str(), 0700);
    EXPECT_EQ(TemporaryDirectory::Read(path), "old");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(WriteFileAtomically, NamesTheFileAndTheReasonWhenItCannotSave)
{
    const TemporaryDirectory directory;
    directory.MakeDirectory("tile.bmp");
    EXPECT_EQ(MessageOfSave(directory / "tile.bmp", "x"), "Cannot save \"" + (directory / "tile.bmp") + "\": Is a directory");
    EXPECT_EQ(MessageOfSave(directory / "missing/a.bmp", "x"),
        "Cannot save \"" + (directory / "missing/a.bmp") + "\": No such file or directory");
    EXPECT_EQ(MessageOfSave(directory / "dir\\", "x"), "Cannot save \"" + (directory / "dir/") + "\": Is a directory");
    EXPECT_EQ(MessageOfSave("", "x"), "Cannot save \"\": No file name was given");
    // The part after the NUL must not reach the system call as another file's name.
    const std::string cutShort = directory / std::string("a.bmp\0", 6) + "b.bmp";
    EXPECT_EQ(MessageOfSave(cutShort, "x"),
        "Cannot save \"" + (directory / "a.bmp") + "\": The file name contains a NUL character");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(WriteFileAtomically, RefusesToReplaceAPipe)
{
    const TemporaryDirectory directory;
    ASSERT_EQ(::mkfifo((directory / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(MessageOfSave(directory / "pipe", "x"), "Cannot save \"" + (directory / "pipe") + "\": Not a regular file");
}

TEST(WriteFileAtomically, SavesThroughASymbolicLink)
{
    const TemporaryDirectory directory;
    const std::string target = directory.Write("real.bmp", "old");
    ASSERT_EQ(::symlink(target.c_str(), (directory / "link.bmp").c_str()), 0);
    WriteFileAtomically(directory / "link.bmp", BytesOf("new"));
    EXPECT_EQ(TemporaryDirectory::Read(target), "new");
    struct stat status {};
    ASSERT_EQ(::lstat((directory / "link.bmp").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
}

// The child may write at most 1000 bytes; the kernel then refuses further writes (SIGXFSZ is
// ignored so the write reports EFBIG instead of killing the child).
TEST(WriteFileAtomically, AWriteFailingHalfWayLeavesTheOldFile)
{
    const TemporaryDirectory directory;
    const std::string path = directory.Write("tile.bmp", "old");

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 1000, 1000 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string message = MessageOfSave(path, std::string(100000, 'n'));
        _exit(message == "Cannot save \"" + path + "\": File too large" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with the expected message";
    EXPECT_EQ(TemporaryDirectory::Read(path), "old");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

// Records the calls that put a saved file in place, in order, and passes them on unless told
// to fail a sync; the host's calls are back when it goes.
class RecordedSaveCalls {
public:
    std::vector<std::string> calls;
    std::string syncedContent; // what the file held when it was synced
    int syncError = 0;

    RecordedSaveCalls()
        : FHost(SaveCalls())
    {
        SaveCalls().sync = [this](int descriptor) {
            calls.push_back("sync");
            syncedContent = TemporaryDirectory::Read("/proc/self/fd/" + std::to_string(descriptor));
            if (syncError != 0) {
                errno = syncError;
                return -1;
            }
            return FHost.sync(descriptor);
        };
        SaveCalls().rename = [this](const char* from, const char* to) {
            calls.push_back(std::string("rename to ") + to);
            return FHost.rename(from, to);
        };
    }
    ~RecordedSaveCalls() { SaveCalls() = FHost; }
    RecordedSaveCalls(const RecordedSaveCalls&) = delete;
    RecordedSaveCalls& operator=(const RecordedSaveCalls&) = delete;

private:
    TSaveCalls FHost;
};

TEST(WriteFileAtomically, AReplacedFileIsSyncedBeforeTheRenameAndANewOneIsNot)
{
    const TemporaryDirectory directory;
    const std::string replaced = directory.Write("old.bmp", "old");
    const std::string created = directory / "new.bmp";
    RecordedSaveCalls recorded;

    WriteFileAtomically(replaced, BytesOf("replacing"));
    EXPECT_EQ(recorded.calls, (Names { "sync", "rename to " + replaced }));
    EXPECT_EQ(recorded.syncedContent, "replacing");

    recorded.calls.clear();
    WriteFileAtomically(created, BytesOf("created"));
    EXPECT_EQ(recorded.calls, (Names { "rename to " + created }));
    EXPECT_EQ(TemporaryDirectory::Read(replaced), "replacing");
    EXPECT_EQ(TemporaryDirectory::Read(created), "created");
}

TEST(WriteFileAtomically, AFailedSyncKeepsTheOldFile)
{
    const TemporaryDirectory directory;
    const std::string path = directory.Write("tile.bmp", "old");
    RecordedSaveCalls recorded;
    recorded.syncError = EIO;

    EXPECT_EQ(MessageOfSave(path, "new"), "Cannot save \"" + path + "\": Input/output error");
    EXPECT_EQ(recorded.calls, Names { "sync" });
    EXPECT_EQ(TemporaryDirectory::Read(path), "old");
    EXPECT_EQ(directory.Names(), Names { "tile.bmp" });
}

TEST(ReadFileBytes, ReadsWhatWasSaved)
{
    const TemporaryDirectory directory;
    const std::vector<std::uint8_t> bytes { 'B', 'M', 0, 255, 10, 13 };
    WriteFileAtomically(directory / "a.bmp", bytes);
    EXPECT_EQ(ReadFileBytes(TemporaryDirectory::Backslashed(directory / "a.bmp")), bytes);
    EXPECT_TRUE(ReadFileBytes(directory.Write("empty", "")).empty());
}

TEST(ReadFileBytes, NamesTheFileAndTheReason)
{
    const TemporaryDirectory directory;
    EXPECT_EQ(MessageOfRead(directory / "missing.bmp"),
        "Cannot open \"" + (directory / "missing.bmp") + "\": No such file or directory");
    EXPECT_EQ(MessageOfRead(directory.Path()), "Cannot open \"" + directory.Path() + "\": Is a directory");
    EXPECT_EQ(MessageOfRead(""), "Cannot open \"\": No file name was given");
}

TEST(ReadFileBytes, RefusesAPipeWithoutWaitingForAWriter)
{
    const TemporaryDirectory directory;
    ASSERT_EQ(::mkfifo((directory / "pipe.bmp").c_str(), 0600), 0);
    EXPECT_EQ(MessageOfRead(directory / "pipe.bmp"), "Cannot open \"" + (directory / "pipe.bmp") + "\": Not a regular file");
}

TEST(ReadFileBytes, RefusesADevice)
{
    EXPECT_EQ(MessageOfRead("/dev/zero"), "Cannot open \"/dev/zero\": Not a regular file");
}

} // namespace
