// SPDX-License-Identifier: MIT
#include "support/FileUtil.h"

#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

struct TrimCase {
    const char* name;
    const char* text;
    const char* trimmed;
};

class TrimTrailingBackslashRow : public testing::TestWithParam<TrimCase> { };

TEST_P(TrimTrailingBackslashRow, GivesTheName)
{
    EXPECT_EQ(TrimTrailingBackslash(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Names, TrimTrailingBackslashRow,
    testing::Values(TrimCase { "Directory", "C:\\Dir\\", "C:\\Dir" },
        TrimCase { "DriveRoot", "C:\\", "C:\\" }, TrimCase { "LowerCaseDriveRoot", "c:\\", "c:\\" },
        TrimCase { "DigitIsNoDrive", "1:\\", "1:" }, TrimCase { "LoneBackslash", "\\", "\\" },
        TrimCase { "TwoBackslashes", "\\\\", "\\" },
        TrimCase { "OnlyOneRemoved", "C:\\Dir\\\\", "C:\\Dir\\" }, TrimCase { "Empty", "", "" },
        TrimCase { "NoSeparator", "Dir", "Dir" }, TrimCase { "HostDirectory", "/home/user/", "/home/user" },
        TrimCase { "HostRoot", "/", "/" },
        TrimCase { "MultiByteLastCharacter", "Bilder\xC3\xA9\\", "Bilder\xC3\xA9" }),
    [](const auto& row) { return std::string(row.param.name); });

// base/Pictures/Tiles/Grass.BMP on disk.
class PathOnDisk : public testing::Test {
protected:
    PathOnDisk()
    {
        directory.MakeDirectory("Pictures/Tiles");
        directory.Write("Pictures/Tiles/Grass.BMP");
    }

    std::string Base() const { return TemporaryDirectory::Backslashed(directory.Path()); }

    TemporaryDirectory directory;
};

TEST_F(PathOnDisk, IsExistingDirectoryOnlyForDirectories)
{
    EXPECT_TRUE(IsExistingDirectory(Base() + "\\Pictures"));
    EXPECT_TRUE(IsExistingDirectory(directory / "Pictures/Tiles/"));
    EXPECT_TRUE(IsExistingDirectory("\\"));
    EXPECT_FALSE(IsExistingDirectory(Base() + "\\Pictures\\Tiles\\Grass.BMP"));
    EXPECT_FALSE(IsExistingDirectory(Base() + "\\Missing"));
    EXPECT_FALSE(IsExistingDirectory(""));
}

TEST_F(PathOnDisk, LongFileNameOfGivesTheLastComponentAsStored)
{
    EXPECT_EQ(LongFileNameOf(Base() + "\\pictures\\TILES\\grass.bmp"), "Grass.BMP");
    EXPECT_EQ(LongFileNameOf(directory / "pictures"), "Pictures");
    EXPECT_EQ(ShortFileNameOf(Base() + "\\PICTURES"), "Pictures") << "no short names: the long one";
    EXPECT_EQ(LongFileNameOf(Base() + "\\Missing"), "");
    EXPECT_EQ(LongFileNameOf(Base() + "\\Pictures\\"), "");
    EXPECT_EQ(LongFileNameOf("\\"), "");
    EXPECT_EQ(LongFileNameOf(""), "");
}

TEST_F(PathOnDisk, LongPathOfRestoresTheLetterCaseOfEveryComponent)
{
    EXPECT_EQ(LongPathOf(Base() + "\\PICTURES\\tiles\\grass.bmp"), Base() + "\\Pictures\\Tiles\\Grass.BMP");
    EXPECT_EQ(ShortPathOf(Base() + "\\PICTURES\\tiles"), Base() + "\\Pictures\\Tiles");
}

TEST_F(PathOnDisk, LongPathOfKeepsEachSeparatorAsWritten)
{
    EXPECT_EQ(LongPathOf(directory / "pictures\\tiles"), directory / "Pictures\\Tiles");
}

TEST_F(PathOnDisk, LongPathOfLeavesMissingComponentsEmpty)
{
    EXPECT_EQ(LongPathOf(Base() + "\\Pictures\\Missing"), Base() + "\\Pictures\\");
    EXPECT_EQ(LongPathOf(Base() + "\\Nowhere\\Tiles"), Base() + "\\\\");
}

TEST_F(PathOnDisk, LongPathOfKeepsATrailingSeparator)
{
    EXPECT_EQ(LongPathOf(Base() + "\\pictures\\"), Base() + "\\Pictures\\");
}

TEST_F(PathOnDisk, ANameWithANulByteIsNeverCutShortAndLookedUp)
{
    // Cut at the NUL, each name would address an existing entry.
    const std::string withNul = Base() + std::string("\\Pictures\0\\Missing", 18);
    EXPECT_FALSE(IsExistingDirectory(withNul));
    EXPECT_EQ(LongFileNameOf(withNul), "");
    EXPECT_EQ(LongPathOf(Base() + std::string("\\pictures\0x", 11)), Base() + "\\");
}

TEST(LongPathOf, ThePartBeforeTheFirstSeparatorIsNeverLookedUp)
{
    EXPECT_EQ(LongPathOf("C:\\"), "C:\\");
    EXPECT_EQ(LongPathOf("NoSuchDirectory"), "NoSuchDirectory");
    EXPECT_EQ(LongPathOf("\\"), "\\");
    EXPECT_EQ(LongPathOf(""), "");
    EXPECT_EQ(ShortPathOf(""), "");
}

TEST(LongFileNameOf, PrefersTheExactNameWhenNamesDifferOnlyInCase)
{
    const TemporaryDirectory directory;
    directory.MakeDirectory("Dir");
    directory.MakeDirectory("dir");
    EXPECT_EQ(LongFileNameOf(directory / "dir"), "dir");
    EXPECT_EQ(LongFileNameOf(directory / "Dir"), "Dir");
}

} // namespace
