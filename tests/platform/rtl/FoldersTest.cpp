// SPDX-License-Identifier: MIT
// Checking a folder a batch reads and making the one it writes.
#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/ForceDirectories.h"

#include "tests/platform/rtl/OrdinaryUser.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string MessageOf(void (*check)(const AnsiString&), const std::string& directory)
{
    try {
        check(directory);
    } catch (const EInOutError& error) {
        return error.Message();
    }
    return "done";
}

} // namespace

TEST(CheckListableDirectory, TakesAFolderInAnyLetterCaseAndNamesWhatIsNotOne)
{
    const TemporaryDirectory root;
    root.MakeDirectory("Pictures");
    const std::string file = root.Write("file.bmp");
    EXPECT_EQ(MessageOf(CheckListableDirectory, root / "Pictures"), "done");
    EXPECT_EQ(MessageOf(CheckListableDirectory, root / "Pictures/"), "done");
    EXPECT_EQ(MessageOf(CheckListableDirectory, root / "PICTURES"), "done") << "a search finds it too";
    EXPECT_EQ(MessageOf(CheckListableDirectory, root / "missing"),
        "Cannot read the folder \"" + root / "missing" + "\": No such file or directory");
    EXPECT_EQ(
        MessageOf(CheckListableDirectory, file), "Cannot read the folder \"" + file + "\": Not a directory");
    EXPECT_EQ(MessageOf(CheckListableDirectory, ""), "Cannot read the folder \"\": No file name was given");
}

TEST(CheckListableDirectory, RefusesAFolderItMayNotRead)
{
    const TemporaryDirectory root;
    const std::string locked = root.MakeDirectory("locked");
    ::chmod(locked.c_str(), 0300);
    EXPECT_EQ(AsOrdinaryUser(root.Path(), [&] { return MessageOf(CheckListableDirectory, locked); }),
        "Cannot read the folder \"" + locked + "\": Permission denied");
}

TEST(ForceDirectories, MakesTheFolderWithItsMissingParents)
{
    const TemporaryDirectory root;
    root.MakeDirectory("a");
    ForceDirectories(root / "a/b/c");
    ForceDirectories(root / "a\\d\\");
    ForceDirectories(root / "a//e/./f");
    for (const char* made : { "a/b/c", "a/d", "a/e/f" })
        EXPECT_TRUE(DirectoryExists(root / made)) << made;
    ForceDirectories(root / "a/b"); // already there
    EXPECT_TRUE(DirectoryExists(root / "a/b/c"));

    const std::string inside = root.MakeDirectory("inside");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(inside);
    ForceDirectories("relative/path");
    std::filesystem::current_path(previous);
    EXPECT_TRUE(DirectoryExists(inside + "/relative/path"));
}

TEST(ForceDirectories, NamesTheFolderAndWhyItCannotBeMade)
{
    const TemporaryDirectory root;
    const std::string file = root.Write("file");
    EXPECT_EQ(
        MessageOf(ForceDirectories, file), "Cannot create the folder \"" + file + "\": Not a directory");
    EXPECT_EQ(MessageOf(ForceDirectories, file + "/out"),
        "Cannot create the folder \"" + file + "/out\": Not a directory");
    EXPECT_EQ(MessageOf(ForceDirectories, ""), "Cannot create the folder \"\": No file name was given");
    EXPECT_EQ(root.Names(), std::vector<std::string> { "file" });
}
