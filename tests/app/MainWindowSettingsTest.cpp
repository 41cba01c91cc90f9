// SPDX-License-Identifier: MIT
// What the window remembers between runs, in the user's configuration folder of the test.
#include "app/WindowSettings.h"
#include "platform/vcl/forms/Screen.h"
#include "tests/app/MainWindowFixture.h"

#include <filesystem>
#include <fstream>

namespace {

class MainWindowSettings : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
    }

    // Closes the window as the user does, which ends the run, and starts the next one.
    TMainForm* Restart()
    {
        MainForm->Close();
        Application->ProcessMessages();
        delete MainForm;
        MainForm = nullptr;
        Application->Initialize();
        return CreateWindow();
    }

    void WriteSettingsFile(const std::string& text) const
    {
        std::filesystem::create_directories(std::filesystem::path(SettingsFile()).parent_path());
        std::ofstream(SettingsFile(), std::ios::binary) << text;
    }

    TemporaryDirectory FWork;
};

TEST_F(MainWindowSettings, WithoutASettingsFileTheWindowStartsAsItAlwaysDid)
{
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->Settings().width, "128");
    EXPECT_EQ(window->Settings().height, "63");
    EXPECT_TRUE(window->StretchBtn->Down());
    EXPECT_TRUE(window->BmpSourcesBtn->Down());
    EXPECT_TRUE(window->BmpTilesBtn->Down());
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 64);
    EXPECT_EQ(window->Left(), 309);
    EXPECT_EQ(window->Top(), 211);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, EverythingSetIsFoundAsItWasLeftAfterARestart)
{
    const AnsiString input = FWork.MakeDirectory("in");
    const AnsiString output = FWork.MakeDirectory("out");
    const AnsiString pictures = FWork.MakeDirectory("pictures");
    WriteSolidPicture(pictures + "/red.bmp", 8, 8, RGB(200, 0, 0));
    WriteSolidPicture(pictures + "/mask.bmp", 16, 16, clWhite);

    TMainForm* window = CreateWindow();
    window->wEdt->SetText("64");
    window->hEdt->SetText("31");
    window->IsoBtn->SetDown(true);
    window->PngSourcesBtn->SetDown(true);
    window->PngTilesBtn->SetDown(true);
    window->InDir->SetText(input);
    window->OutDir->SetText(output);
    window->SetBounds(120, 90, window->Width(), window->Height());
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, pictures + "/mask.bmp");
    Click(window->MaskBtn);
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, pictures + "/red.bmp");
    Click(window->OpenBtn);
    Click(window->GenBtn);
    Dialogs().PrepareFile(TDialogKind::SaveFile, true, output + "/tile.png");
    Click(window->SaveBtn);
    ASSERT_TRUE(Messages().empty()) << Messages().front();
    const TWindowSettings left = window->Settings();

    window = Restart();
    EXPECT_EQ(window->Settings(), left);
    EXPECT_EQ(window->wEdt->Text(), "64");
    EXPECT_TRUE(window->IsoBtn->Down());
    EXPECT_FALSE(window->StretchBtn->Down());
    EXPECT_TRUE(window->PngSourcesBtn->Down());
    EXPECT_TRUE(window->PngTilesBtn->Down());
    EXPECT_EQ(window->InDir->Text(), input);
    EXPECT_EQ(window->Left(), 120);
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 16) << "the mask chosen, not the default";

    Dialogs().PrepareFile(TDialogKind::OpenFile, false);
    Click(window->OpenBtn);
    EXPECT_EQ(LastFileDialog()->File.initialDir, pictures);
    Dialogs().PrepareFile(TDialogKind::SaveFile, false);
    Click(window->SaveBtn);
    EXPECT_EQ(LastFileDialog()->File.initialDir, output);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, ABlockAndItsDepthAreFoundAgainAfterARestart)
{
    TMainForm* window = CreateWindow();
    window->BlockBtn->SetDown(true);
    window->BlockBtn->Click();
    window->dEdt->SetText("24");
    Click(window->GenBtn);
    ASSERT_TRUE(Messages().empty()) << Messages().front();

    window = Restart();
    EXPECT_TRUE(window->BlockBtn->Down());
    EXPECT_FALSE(window->StretchBtn->Down());
    EXPECT_EQ(window->dEdt->Text(), "24");
    EXPECT_TRUE(window->dEdt->Enabled());
    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->Picture()->Height(), 63 + 24);
}

TEST_F(MainWindowSettings, ANonsenseDepthFallsBackToTheTileHeight)
{
    for (const char* depth : { "abc", "-3", "0", "16385", "" }) {
        SCOPED_TRACE(depth);
        WriteSettingsFile(std::string("[Tile]\nProjection=block\nDepth=") + depth + "\n");
        TMainForm* window = CreateWindow();
        EXPECT_TRUE(window->BlockBtn->Down());
        EXPECT_EQ(window->dEdt->Text(), "");
        Click(window->GenBtn);
        EXPECT_EQ(window->IsoImg->Picture()->Height(), 63 + 63);
        delete MainForm;
        MainForm = nullptr;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, TheyAreWrittenWhenTheyChangeNotOnlyAtTheEnd)
{
    TMainForm* window = CreateWindow();
    window->wEdt->SetText("96");
    Click(window->GenBtn);
    const std::string written = FileBytes(SettingsFile());
    EXPECT_NE(written.find("96"), std::string::npos) << written;
    EXPECT_EQ(FWork.Names().size(), 0u);
    // Nothing but the settings file is left in its folder: it was written aside and renamed.
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(std::filesystem::path(SettingsFile()).parent_path()),
                  std::filesystem::directory_iterator()),
        1);
}

TEST_F(MainWindowSettings, ATypedValueThatDoesNotParseLeavesTheLastGoodOneInTheFile)
{
    for (const char* typed : { " ", "abc", "0", "-4", "99999" }) {
        SCOPED_TRACE(AnsiString("typed \"") + typed + "\"");
        TMainForm* window = CreateWindow();
        window->wEdt->SetText("96");
        window->hEdt->SetText("48");
        window->BlockBtn->SetDown(true);
        window->dEdt->SetText("20");
        Click(window->GenBtn);
        window->wEdt->SetText(typed);
        window->hEdt->SetText(typed);
        window->dEdt->SetText(std::string(typed) == "0" ? "-1" : typed);

        window = Restart();
        EXPECT_EQ(window->wEdt->Text(), "96");
        EXPECT_EQ(window->hEdt->Text(), "48");
        EXPECT_EQ(window->dEdt->Text(), "20");
        const std::string written = FileBytes(SettingsFile());
        EXPECT_EQ(written.find(std::string("=") + typed + "\n"), std::string::npos) << written;
        delete MainForm;
        MainForm = nullptr;
        Application->Initialize();
    }
    // Generate with a bad size says so, as before; that is all the user hears.
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, NonsenseFallsBackToTheDefaultValueByValue)
{
    WriteSettingsFile("[Tile]\nWidth=-5\nHeight=40\nMask=/no/such/mask.bmp\nProjection=sideways\n"
                      "[Batch]\nSources=gif\nTiles=png\nInput=/no/such/folder\n"
                      "[Dialogs]\nOpen=\nSave=17\n[Window]\nLeft=abc\nTop=12\n");
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->wEdt->Text(), "128");
    EXPECT_EQ(window->hEdt->Text(), "40");
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 64) << "the default mask";
    EXPECT_TRUE(window->StretchBtn->Down());
    EXPECT_TRUE(window->BmpSourcesBtn->Down());
    EXPECT_TRUE(window->PngTilesBtn->Down());
    EXPECT_EQ(window->InDir->Text(), "");
    EXPECT_EQ(window->Left(), 309);
    EXPECT_EQ(window->Top(), 211);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, ARememberedPlaceOffTheScreenComesBackWhollyOnIt)
{
    const TRect area = Screen->WorkAreaRect();
    WriteSettingsFile("[Window]\nLeft=" + std::to_string(area.Right - 40) + "\nTop=-300\n");
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->Left(), area.Right - window->Width());
    EXPECT_EQ(window->Top(), area.Top);

    // The panel makes the window taller than the room below it; it moves up.
    window->SetBounds(window->Left(), area.Bottom - window->Height(), window->Width(), window->Height());
    Click(window->SettBtn);
    EXPECT_EQ(window->Top() + window->Height(), area.Bottom);
}

TEST_F(MainWindowSettings, AFileThatCannotBeReadNeverKeepsTheWindowFromStarting)
{
    const char* const damaged[] = {
        "\x89PNG\r\n\x1A\n\0\0\0 binary rubbish \xFF\xFE",
        "[Tile\nWidth=\"64\n=\n[[[]]]\n",
    };
    for (const char* content : damaged) {
        WriteSettingsFile(content);
        TMainForm* window = CreateWindow();
        EXPECT_EQ(window->wEdt->Text(), "128");
        EXPECT_EQ(window->MaskImg->Picture()->Width(), 64);
        // The damaged file gives way to a sound one as the window closes.
        window->Close();
        Application->ProcessMessages();
        Application->Initialize();
        EXPECT_TRUE(Messages().empty()) << Messages().front();
        EXPECT_EQ(FileBytes(SettingsFile() + ".damaged"), content);
        delete MainForm;
        MainForm = nullptr;
    }
    // A folder where the file should be.
    std::filesystem::remove(SettingsFile());
    std::filesystem::create_directories(SettingsFile());
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->hEdt->Text(), "63");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, AMaskThatNoLongerLoadsGivesWayToTheDefault)
{
    const std::string mask = FWork.Write("mask.bmp", "BM and no more");
    WriteSettingsFile("[Tile]\nMask=" + mask + "\n");
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 64);
    EXPECT_EQ(window->Settings().maskFile, "");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowSettings, AFolderThatCannotBeWrittenIsReportedOnceAndTheWindowStillCloses)
{
    // The configuration folder's place holds a file.
    const std::string blocker = FWork.Write("config-file", "not a folder");
    ::setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    TMainForm* window = CreateWindow();
    Click(window->GenBtn);
    EXPECT_TRUE(Messages().empty()) << "commands go on quietly";
    window->Close();
    Application->ProcessMessages();
    EXPECT_TRUE(Application->Terminated());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("settings"), AnsiString::npos) << Messages().front();
    Application->Initialize();
}

TEST(WindowSettings, ReadBackAsWrittenAndDefaultWhenMissing)
{
    TemporaryDirectory folder;
    TMemorySettingsStore store;
    EXPECT_EQ(ReadWindowSettings(store), TWindowSettings {});

    TWindowSettings settings;
    settings.width = "200";
    settings.height = "99";
    settings.maskFile = folder.Write("mask.png");
    settings.projection = TTileProjection::Iso;
    settings.depth = "32";
    settings.sources = TSourceFormats::BmpAndPng;
    settings.tiles = TTileFormat::Png;
    settings.inputDirectory = folder.MakeDirectory("in");
    settings.outputDirectory = folder.MakeDirectory("out");
    settings.openDirectory = folder.Path();
    settings.saveDirectory = folder.MakeDirectory("save");
    settings.position = TPoint { -20, 30 };
    WriteWindowSettings(settings, store);
    EXPECT_EQ(ReadWindowSettings(store), settings);
    EXPECT_EQ(store.Value("Tile/Projection"), "iso");
    EXPECT_EQ(store.Value("Batch/Sources"), "bmp,png");
}

// The bounds themselves are taken: a check that refused its own largest value would
// silently turn a 16384-pixel tile back into the default after a restart.
TEST(WindowSettings, TheLargestValuesAndFarPlacesComeBackExactly)
{
    TMemorySettingsStore store;
    TWindowSettings settings;
    settings.width = "16384";
    settings.height = "16384";
    settings.projection = TTileProjection::Block;
    settings.depth = "16384";
    for (const TPoint place : { TPoint { -100000, -100000 }, TPoint { 100000, 100000 }, TPoint { -100000, 99999 } }) {
        SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
        settings.position = place;
        WriteWindowSettings(settings, store);
        EXPECT_EQ(ReadWindowSettings(store), settings);
    }

    store.SetValue("Tile/Width", "16385");
    store.SetValue("Tile/Height", "0");
    store.SetValue("Tile/Depth", "16385");
    store.SetValue("Window/Left", "100001");
    const TWindowSettings beyond = ReadWindowSettings(store);
    EXPECT_EQ(beyond.width, "128");
    EXPECT_EQ(beyond.height, "63");
    EXPECT_EQ(beyond.depth, "");
    EXPECT_EQ(beyond.position, std::nullopt);
}

TEST_F(MainWindowSettings, TheLargestTileAndDepthAreFoundAgainAfterARestart)
{
    TMainForm* window = CreateWindow();
    window->wEdt->SetText("16384");
    window->hEdt->SetText("16384");
    window->BlockBtn->SetDown(true);
    window->BlockBtn->Click();
    window->dEdt->SetText("16384");

    window = Restart();
    EXPECT_EQ(window->wEdt->Text(), "16384");
    EXPECT_EQ(window->hEdt->Text(), "16384");
    EXPECT_EQ(window->dEdt->Text(), "16384");
    EXPECT_TRUE(Messages().empty());
}

TEST(UserSettingsFile, LivesInTheXdgConfigFolderElseUnderHome)
{
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = savedConfig ? savedConfig : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/config-here", 1);
    EXPECT_EQ(UserSettingsFile("durnik"), "/tmp/config-here/durnik/durnik.ini");
    // A relative value would move with the working folder; the home folder's .config is used.
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(UserSettingsFile("durnik"), AnsiString(std::getenv("HOME")) + "/.config/durnik/durnik.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserSettingsFile("durnik"), AnsiString(std::getenv("HOME")) + "/.config/durnik/durnik.ini");
    ::setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
}

} // namespace
