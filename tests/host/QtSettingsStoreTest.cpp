// SPDX-License-Identifier: MIT
// Settings files as the host reads and writes them: INI through Qt, replaced whole.
#include "platform/qt/QtSettingsStore.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

TEST(QtSettingsStore, ValuesComeBackInTheNextRunFromAFolderMadeForThem)
{
    TemporaryDirectory folder;
    const std::string file = folder / "durnik/durnik.ini";
    {
        const auto store = OpenQtSettingsStore(file);
        EXPECT_EQ(store->Value("Tile/Width"), std::nullopt);
        store->SetValue("Tile/Width", "96");
        store->SetValue("Batch/Input", "/home/someone/pictures with blanks/\xC3\xA9t\xC3\xA9");
        store->Flush();
    }
    EXPECT_EQ(folder.Names("durnik"), std::vector<std::string> { "durnik.ini" }) << "nothing left aside";
    EXPECT_NE(TemporaryDirectory::Read(file).find("[Tile]"), std::string::npos);
    const auto store = OpenQtSettingsStore(file);
    EXPECT_EQ(store->Value("Tile/Width"), "96");
    EXPECT_EQ(store->Value("Batch/Input"), "/home/someone/pictures with blanks/\xC3\xA9t\xC3\xA9");
}

TEST(QtSettingsStore, ADamagedFileReadsAsEmptyIsKeptAsideAndANewOneWritten)
{
    TemporaryDirectory folder;
    const std::string damaged = "[Tile\nWidth=\"64\n\x01\x02 binary \xFF\n";
    const std::string file = folder.Write("durnik.ini", damaged);
    const auto store = OpenQtSettingsStore(file);
    EXPECT_EQ(store->Value("Tile/Width"), std::nullopt);
    store->SetValue("Tile/Width", "80");
    store->Flush();
    EXPECT_EQ(OpenQtSettingsStore(file)->Value("Tile/Width"), "80");
    EXPECT_EQ(TemporaryDirectory::Read(file + ".damaged"), damaged);
}

TEST(QtSettingsStore, AFileThatCannotBeWrittenIsAnErrorNamingIt)
{
    TemporaryDirectory folder;
    const std::string blocker = folder.Write("not-a-folder");
    const auto store = OpenQtSettingsStore(blocker + "/durnik.ini");
    store->SetValue("Tile/Width", "80");
    try {
        store->Flush();
        FAIL() << "written below a file";
    } catch (const EInOutError& error) {
        EXPECT_NE(error.Message().find(blocker), AnsiString::npos) << error.Message();
    }
}

} // namespace
