// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

namespace {

class MainWindowBatch : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        FInput = FWork.MakeDirectory("in");
        FOutput = FWork.MakeDirectory("out");
        WriteSolidPicture(FInput + "/a.bmp", 20, 10, RGB(10, 200, 10));
        WriteSolidPicture(FInput + "/b.bmp", 30, 30, RGB(200, 10, 10));
        FWork.Write("in/x.png", "not a bitmap");
    }

    TemporaryDirectory FWork;
    AnsiString FInput;
    AnsiString FOutput;
};

TEST_F(MainWindowBatch, ConvertsEveryBitmapAndReportsTheList)
{
    TMainForm* window = CreateWindow();
    window->InDir->SetText(FInput);
    window->OutDir->SetText(FOutput);
    Click(window->BatchBtn);

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front(),
        "Files batched:  In: " + FInput + " Out: " + FOutput + " Files: a.bmp\r\nb.bmp\r\n");
    const PixelRaster a = ReadPicture(FOutput + "/a.bmp");
    const PixelRaster b = ReadPicture(FOutput + "/b.bmp");
    EXPECT_EQ(a.width, 128);
    EXPECT_EQ(a.height, 63);
    EXPECT_EQ(a.At(120, 30), RGB(10, 200, 10));
    EXPECT_EQ(a.At(5, 30), clWhite);
    EXPECT_EQ(b.At(120, 30), RGB(200, 10, 10));
    EXPECT_FALSE(FileExists(FOutput + "/x.png"));
    // The window is left showing the last picture and its tile.
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 30);
    EXPECT_EQ(window->IsoImg->Picture()->Bitmap()->Raster(), b);
}

TEST_F(MainWindowBatch, AFolderNamedLikeABitmapIsSkipped)
{
    FWork.MakeDirectory("in/album.bmp");
    TMainForm* window = CreateWindow();
    window->InDir->SetText(FInput);
    window->OutDir->SetText(FOutput);
    Click(window->BatchBtn);

    EXPECT_EQ(Messages(),
        std::vector<AnsiString> {
            "Files batched:  In: " + FInput + " Out: " + FOutput + " Files: a.bmp\r\nb.bmp\r\n" });
    EXPECT_EQ(FWork.Names("out").size(), 2u);
}

TEST_F(MainWindowBatch, MissingInputFolderIsTheOnlyMessage)
{
    TMainForm* window = CreateWindow();
    Click(window->BatchBtn);
    EXPECT_EQ(Messages(), std::vector<AnsiString> { "You havent selected input folder" });
    window->InDir->SetText(FInput);
    Click(window->BatchBtn);
    EXPECT_EQ(Messages().back(), "You havent selected output folder");
    EXPECT_TRUE(FWork.Names("out").empty());
}

TEST_F(MainWindowBatch, BadWidthIsReportedBeforeTheFolders)
{
    TMainForm* window = CreateWindow();
    window->wEdt->SetText("x");
    Click(window->BatchBtn);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("'x'"), AnsiString::npos) << Messages().front();
}

TEST_F(MainWindowBatch, FolderWithoutBitmapsShowsNothing)
{
    TMainForm* window = CreateWindow();
    window->InDir->SetText(FWork.MakeDirectory("empty"));
    window->OutDir->SetText(FOutput);
    Click(window->BatchBtn);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(FWork.Names("out").empty());
    EXPECT_EQ(window->BMPImg->Picture()->Graphic(), nullptr);
}

} // namespace
