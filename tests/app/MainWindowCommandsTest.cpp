// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

namespace {

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kBlue = RGB(10, 20, 230);

class MainWindowCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        WriteSolidPicture(ProgramDir() + "bmp/red.bmp", 40, 20, kRed);
        WriteSolidPicture(ProgramDir() + "bmp/blue.bmp", 300, 200, kBlue);
    }

    void OpenSource(TMainForm* window, const AnsiString& fileName)
    {
        Dialogs().PrepareFile(TDialogKind::OpenFile, true, fileName);
        Click(window->OpenBtn);
    }
};

TEST_F(MainWindowCommands, DefaultMaskIsLoadedFromBesideTheProgram)
{
    TMainForm* window = CreateWindow();
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 64);
    EXPECT_EQ(window->MaskImg->Picture()->Height(), 32);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowCommands, OpenStartsInTheSampleFolderAndLoadsTheSource)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    const TDialogCall* call = LastFileDialog();
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Kind, TDialogKind::OpenFile);
    EXPECT_EQ(call->File.title, "Open image");
    EXPECT_EQ(call->File.initialDir, ProgramDir() + "bmp");
    EXPECT_EQ(call->File.filter,
        "Pictures (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png|All files "
        "(*)|*");
    EXPECT_EQ(call->File.defaultExt, "bmp");
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 40);
    EXPECT_EQ(window->BMPImg->Picture()->Bitmap()->Raster().At(5, 5), kRed);
}

TEST_F(MainWindowCommands, CancelledOpenChangesNothing)
{
    TMainForm* window = CreateWindow();
    Dialogs().PrepareFile(TDialogKind::OpenFile, false);
    Click(window->OpenBtn);
    EXPECT_EQ(window->BMPImg->Picture()->Graphic(), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowCommands, GenerateComposesTheDefaultTileAndSizesTheImage)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->Width(), 128);
    EXPECT_EQ(window->IsoImg->Height(), 63);
    const PixelRaster& tile = window->IsoImg->Picture()->Bitmap()->Raster();
    ASSERT_EQ(tile.width, 128);
    ASSERT_EQ(tile.height, 63);
    // Black mask on the left turns the tile white; white mask on the right lets the source show.
    EXPECT_EQ(tile.At(10, 30), clWhite);
    EXPECT_EQ(tile.At(120, 30), kRed);
    EXPECT_EQ(window->IsoImg->Canvas()->CopyMode(), SRCCOPY);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowCommands, GenerateTakesTheSizeTypedInTheSettings)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    Click(window->GenBtn);
    window->wEdt->SetText("64");
    window->hEdt->SetText("32");
    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->BoundsRect(), Bounds(136, 80, 64, 32));
    EXPECT_EQ(window->IsoImg->Picture()->Width(), 64);
    EXPECT_EQ(window->IsoImg->Picture()->Height(), 32);
}

TEST_F(MainWindowCommands, SaveWritesTheTileThatReadsBackTheSame)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    Click(window->GenBtn);
    const AnsiString tileFile = ProgramDir() + "tile.bmp";
    Dialogs().PrepareFile(TDialogKind::SaveFile, true, tileFile);
    Click(window->SaveBtn);

    const TDialogCall* call = LastFileDialog();
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->Kind, TDialogKind::SaveFile);
    EXPECT_EQ(call->File.title, "Save image");
    EXPECT_EQ(call->File.initialDir, ProgramDir());
    EXPECT_TRUE(call->File.overwritePrompt);
    EXPECT_EQ(ReadPicture(tileFile), window->IsoImg->Picture()->Bitmap()->Raster());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MainWindowCommands, CancelledSaveWritesNothing)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    Click(window->GenBtn);
    Dialogs().PrepareFile(TDialogKind::SaveFile, false);
    Click(window->SaveBtn);
    EXPECT_FALSE(FileExists(ProgramDir() + "tile.bmp"));
}

TEST_F(MainWindowCommands, SaveBeforeGenerateReportsThatThereIsNoTile)
{
    TMainForm* window = CreateWindow();
    Dialogs().PrepareFile(TDialogKind::SaveFile, true, ProgramDir() + "tile.bmp");
    Click(window->SaveBtn);
    EXPECT_FALSE(FileExists(ProgramDir() + "tile.bmp"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("no picture"), AnsiString::npos) << Messages().front();
}

TEST_F(MainWindowCommands, NewMaskWaitsForTheNextGenerate)
{
    TMainForm* window = CreateWindow();
    OpenSource(window, ProgramDir() + "bmp/red.bmp");
    Click(window->GenBtn);
    const PixelRaster before = window->IsoImg->Picture()->Bitmap()->Raster();

    WriteSolidPicture(ProgramDir() + "white.bmp", 8, 8, clWhite);
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "white.bmp");
    Click(window->MaskBtn);
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 8);
    EXPECT_EQ(window->IsoImg->Picture()->Bitmap()->Raster(), before);

    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->Picture()->Bitmap()->Raster().At(10, 30), kRed);
}

TEST_F(MainWindowCommands, MaskUsesTheOpenDialogWithTheDirectoryOpenLastSet)
{
    TMainForm* window = CreateWindow();
    Dialogs().PrepareFile(TDialogKind::OpenFile, false);
    Click(window->MaskBtn);
    EXPECT_EQ(LastFileDialog()->File.initialDir, "");
    EXPECT_EQ(LastFileDialog()->File.title, "Open image");

    OpenSource(window, ProgramDir() + "bmp/blue.bmp");
    Dialogs().PrepareFile(TDialogKind::OpenFile, false);
    Click(window->MaskBtn);
    EXPECT_EQ(LastFileDialog()->File.initialDir, ProgramDir() + "bmp");
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 64);
}

} // namespace
