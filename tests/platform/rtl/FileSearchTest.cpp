// SPDX-License-Identifier: MIT
#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/SysUtils.h"
#include "platform/win32/files/FileApi.h"

#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Names = std::vector<std::string>;

struct Found {
    std::string name;
    int attr;
};

std::vector<Found> SearchAll(const std::string& pattern, int attrMask)
{
    std::vector<Found> found;
    TSearchRec searchRec;
    for (int result = FindFirst(pattern, attrMask, searchRec); result == 0; result = FindNext(searchRec))
        found.push_back({ searchRec.Name, searchRec.Attr });
    FindClose(searchRec);
    return found;
}

Names NamesOf(const std::vector<Found>& found)
{
    Names names;
    for (const Found& entry : found)
        names.push_back(entry.name);
    return names;
}

// a.bmp, B.BMP, c.Bmp, x.png, the hidden .h.bmp, the directory sub.bmp, the directory other.
class FileSearch : public testing::Test {
protected:
    FileSearch()
    {
        directory.Write("a.bmp", "12345");
        directory.Write("B.BMP");
        directory.Write("c.Bmp");
        directory.Write("x.png");
        directory.Write(".h.bmp");
        directory.MakeDirectory("sub.bmp");
        directory.MakeDirectory("other");
    }

    std::string Pattern(const std::string& mask) const { return directory.Path() + "\\" + mask; }

    TemporaryDirectory directory;
};

TEST_F(FileSearch, MatchesTheExtensionInAnyLetterCaseInNameOrder)
{
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.bmp"), 0)), (Names { "a.bmp", "B.BMP", "c.Bmp" }));
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.BMP"), 0)), (Names { "a.bmp", "B.BMP", "c.Bmp" }));
}

TEST_F(FileSearch, FindsTheDirectoryInAnyLetterCase)
{
    directory.Write("other/d.bmp");
    EXPECT_EQ(NamesOf(SearchAll(Pattern("OTHER\\*.bmp"), 0)), Names { "d.bmp" });
    EXPECT_EQ(NamesOf(SearchAll(Pattern("OTHER\\..\\OTHER\\D.BMP"), 0)), Names { "d.bmp" });
    EXPECT_EQ(NamesOf(SearchAll(Pattern("missing\\*.bmp"), 0)), Names {});
}

TEST_F(FileSearch, HiddenEntriesAndDirectoriesOnlyWhenTheMaskAsks)
{
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.bmp"), faHidden)), (Names { ".h.bmp", "a.bmp", "B.BMP", "c.Bmp" }));
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.bmp"), faDirectory)), (Names { "a.bmp", "B.BMP", "c.Bmp", "sub.bmp" }));
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.bmp"), faAnyFile)),
        (Names { ".h.bmp", "a.bmp", "B.BMP", "c.Bmp", "sub.bmp" }));
}

TEST_F(FileSearch, ReportsAttributesAndSize)
{
    TSearchRec searchRec;
    ASSERT_EQ(FindFirst(Pattern("a.bmp"), faAnyFile, searchRec), 0);
    EXPECT_EQ(searchRec.Attr, 0);
    EXPECT_EQ(searchRec.Size, 5);
    EXPECT_GT(searchRec.Time, 0);
    FindClose(searchRec);

    const auto found = SearchAll(Pattern("*.bmp"), faAnyFile);
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[0].name, ".h.bmp");
    EXPECT_EQ(found[0].attr, faHidden);
    EXPECT_EQ(found[4].name, "sub.bmp");
    EXPECT_EQ(found[4].attr, faDirectory);
}

TEST_F(FileSearch, ReadOnlyByPermissionBitsEvenForRoot)
{
    ::chmod((directory / "a.bmp").c_str(), 0444);
    const auto found = SearchAll(Pattern("a.bmp"), 0);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].attr, faReadOnly);
}

TEST_F(FileSearch, APipeIsASystemFile)
{
    ASSERT_EQ(::mkfifo((directory / "pipe.bmp").c_str(), 0600), 0);
    EXPECT_EQ(NamesOf(SearchAll(Pattern("p*"), 0)), Names {});
    const auto found = SearchAll(Pattern("p*"), faSysFile);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].attr, faSysFile);
}

TEST_F(FileSearch, TheListingIsTakenWhenTheSearchStarts)
{
    Names names;
    TSearchRec searchRec;
    for (int result = FindFirst(Pattern("*.bmp"), 0, searchRec); result == 0; result = FindNext(searchRec)) {
        names.push_back(searchRec.Name);
        // A batch writing its tiles into the directory it searches.
        directory.Write("0" + searchRec.Name);
        directory.Write("z" + searchRec.Name);
    }
    FindClose(searchRec);
    EXPECT_EQ(names, (Names { "a.bmp", "B.BMP", "c.Bmp" }));
}

TEST_F(FileSearch, DotEntriesComeWithStarAndADirectoryMask)
{
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*"), faDirectory)),
        (Names { ".", "..", "a.bmp", "B.BMP", "c.Bmp", "other", "sub.bmp", "x.png" }));
    EXPECT_EQ(NamesOf(SearchAll(Pattern("*.*"), 0)), (Names { "a.bmp", "B.BMP", "c.Bmp", "x.png" }));
}

TEST_F(FileSearch, NothingFoundIsANonzeroResult)
{
    TSearchRec searchRec;
    EXPECT_NE(FindFirst(Pattern("*.gif"), faAnyFile, searchRec), 0);
    EXPECT_NE(FindFirst(directory / "missing/*.bmp", faAnyFile, searchRec), 0);
    EXPECT_NE(FindFirst(directory.Path() + "/", faAnyFile, searchRec), 0);
    EXPECT_NE(FindFirst("", faAnyFile, searchRec), 0);
    FindClose(searchRec);
}

TEST_F(FileSearch, FindNextStaysAtTheEndAndCloseCanBeRepeated)
{
    TSearchRec searchRec;
    ASSERT_EQ(FindFirst(Pattern("a.bmp"), 0, searchRec), 0);
    EXPECT_NE(FindNext(searchRec), 0);
    EXPECT_NE(FindNext(searchRec), 0);
    FindClose(searchRec);
    FindClose(searchRec);
    EXPECT_NE(FindNext(searchRec), 0);
}

struct MaskCase {
    const char* name;
    const char* mask;
    bool matches;
};

// Names the row in test listings by its texts rather than the bytes of its pointers.
void PrintTo(const MaskCase& row, std::ostream* out) { *out << '"' << row.name << "\" against \"" << row.mask << '"'; }

class MatchesFileMaskRow : public testing::TestWithParam<MaskCase> { };

TEST_P(MatchesFileMaskRow, DecidesTheMatch)
{
    EXPECT_EQ(MatchesFileMask(GetParam().name, GetParam().mask), GetParam().matches)
        << GetParam().name << " against " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(Names, MatchesFileMaskRow,
    testing::Values(MaskCase { "a.bmp", "*.bmp", true }, MaskCase { "A.BMP", "*.bmp", true },
        MaskCase { "a.bmpx", "*.bmp", false }, MaskCase { "a.b.bmp", "*.bmp", true },
        MaskCase { "abc", "a?c", true }, MaskCase { "ac", "a?c", false }, MaskCase { "", "*", true },
        MaskCase { "noextension", "*.*", true }, MaskCase { "abcbd", "a*bd", true },
        MaskCase { "abcbe", "a*bd", false }, MaskCase { "aXbYc", "a*b*c", true },
        MaskCase { "\xC3\xA9.bmp", "?.bmp", true }, MaskCase { "\xC3\xA9.bmp", "??.bmp", false },
        MaskCase { "\xC3\xA9", "\xC3\xA9", true }, MaskCase { "x", "", false }));

TEST(FindFirstFileA, FindsOneNameInTheLetterCaseOnDisk)
{
    const TemporaryDirectory directory;
    directory.MakeDirectory("Pictures");

    WIN32_FIND_DATAA findData {};
    const HANDLE search = FindFirstFileA((directory / "PICTURES").c_str(), &findData);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(findData.cFileName, "Pictures");
    EXPECT_STREQ(findData.cAlternateFileName, "");
    EXPECT_EQ(findData.dwFileAttributes, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(FindNextFileA(search, &findData), 0);
    EXPECT_EQ(FindClose(search), 1);
}

TEST(FindFirstFileA, PrefersTheExactNameWhenNamesDifferOnlyInCase)
{
    const TemporaryDirectory directory;
    directory.Write("Tile.bmp");
    directory.Write("tile.bmp");

    WIN32_FIND_DATAA findData {};
    const HANDLE search = FindFirstFileA((directory / "tile.bmp").c_str(), &findData);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(findData.cFileName, "tile.bmp");
    EXPECT_EQ(FindNextFileA(search, &findData), 0) << "one name, one entry";
    FindClose(search);
}

TEST(FindFirstFileA, ReturnsHiddenEntriesAndDirectoriesWithTheirSizes)
{
    const TemporaryDirectory directory;
    directory.Write(".hidden", "123");
    directory.MakeDirectory("dir");

    WIN32_FIND_DATAA findData {};
    const HANDLE search = FindFirstFileA((directory / "*").c_str(), &findData);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    Names names { findData.cFileName };
    while (FindNextFileA(search, &findData) != 0) {
        names.push_back(findData.cFileName);
        if (names.back() == ".hidden") {
            EXPECT_EQ(findData.dwFileAttributes, FILE_ATTRIBUTE_HIDDEN);
            EXPECT_EQ(findData.nFileSizeLow, 3u);
        }
    }
    EXPECT_EQ(names, (Names { ".", "..", ".hidden", "dir" }));
    EXPECT_EQ(FindClose(search), 1);
}

TEST(FindFirstFileA, FailsForRootsTrailingSeparatorsAndMissingNames)
{
    const TemporaryDirectory directory;
    WIN32_FIND_DATAA findData {};
    EXPECT_EQ(FindFirstFileA("\\", &findData), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA((directory.Path() + "\\").c_str(), &findData), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA((directory / "missing").c_str(), &findData), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA(nullptr, &findData), INVALID_HANDLE_VALUE);
}

TEST(FindFirstFileA, UnknownOrClosedHandlesAreRefused)
{
    const TemporaryDirectory directory;
    directory.Write("a");
    WIN32_FIND_DATAA findData {};
    const HANDLE search = FindFirstFileA((directory / "*").c_str(), &findData);
    ASSERT_EQ(FindClose(search), 1);
    EXPECT_EQ(FindClose(search), 0);
    EXPECT_EQ(FindNextFileA(search, &findData), 0);
    EXPECT_EQ(FindClose(INVALID_HANDLE_VALUE), 0);
    EXPECT_EQ(FindNextFileA(nullptr, &findData), 0);
}

TEST(GetFileAttributesA, DescribesTheEntryOrReportsItMissing)
{
    const TemporaryDirectory directory;
    const std::string file = directory.Write("plain");
    const std::string readOnly = directory.Write("locked");
    ::chmod(readOnly.c_str(), 0444);

    EXPECT_EQ(GetFileAttributesA(file.c_str()), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileAttributesA(readOnly.c_str()), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(GetFileAttributesA(TemporaryDirectory::Backslashed(directory.Path() + "\\").c_str()),
        FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(GetFileAttributesA("\\") & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(GetFileAttributesA((directory / "missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((file + "/").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(""), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(nullptr), INVALID_FILE_ATTRIBUTES);
}

TEST(SetErrorMode, ReturnsThePreviousMode)
{
    const UINT original = SetErrorMode(SEM_FAILCRITICALERRORS);
    EXPECT_EQ(SetErrorMode(original), SEM_FAILCRITICALERRORS);
}

} // namespace
