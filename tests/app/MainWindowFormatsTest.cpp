// SPDX-License-Identifier: MIT
// PNG in and out, and the projection and formats of the settings panel: the window writes
// what durnik-batch writes for the same picture, mask and settings.
#include "tests/app/MainWindowFixture.h"

#include <filesystem>

namespace {

class MainWindowFormats : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        WritePngPicture(ProgramDir() + "bmp/texture.png", 50, 40);
    }

    void Open(TButton* button, const AnsiString& fileName)
    {
        Dialogs().PrepareFile(TDialogKind::OpenFile, true, fileName);
        Click(button);
    }

    void Save(const AnsiString& fileName)
    {
        Dialogs().PrepareFile(TDialogKind::SaveFile, true, fileName);
        Click(MainForm->SaveBtn);
    }

    // durnik-batch's tile of the one picture, written into a folder of its own.
    std::string BatchTile(const AnsiString& picture, const char* projection, const char* format,
        std::vector<const char*> options = {})
    {
        const AnsiString input = FWork.MakeDirectory("batch-in");
        const AnsiString output = FWork.MakeDirectory("batch-out");
        std::filesystem::copy_file(picture, input + "/" + ExtractFileName(picture),
            std::filesystem::copy_options::overwrite_existing);
        options.insert(options.begin(), { "--from", "bmp,png", "--to", format, "--projection", projection });
        options.insert(options.end(), { input.c_str(), output.c_str() });
        EXPECT_EQ(RunDurnikBatch(options, ProgramDir()), 0);
        const AnsiString name = ExtractFileName(picture);
        return FileBytes(output + "/" + name.substr(0, name.rfind('.')) + "." + format);
    }

    // The batch input folder "in" with a PNG a.png and a BMP of that name.
    AnsiString WriteSources(const char* bitmapName)
    {
        const AnsiString input = FWork.MakeDirectory("in");
        WritePngPicture(input + "/a.png", 30, 20);
        WriteSolidPicture(input + "/" + bitmapName, 40, 10, RGB(10, 200, 10));
        return input;
    }

    TemporaryDirectory FWork;
};

TEST_F(MainWindowFormats, OpenTakesAPngLaidOverWhite)
{
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/texture.png");
    EXPECT_TRUE(Messages().empty());
    const PixelRaster& source = window->BMPImg->Picture()->Bitmap()->Raster();
    ASSERT_EQ(source.width, 50);
    EXPECT_EQ(source.At(3, 2), RGB(27, 10, 1));
    // Half transparent black over white.
    EXPECT_EQ(source.At(0, 0), RGB(127, 127, 127));
}

TEST_F(MainWindowFormats, MaskTakesAPngToo)
{
    TMainForm* window = CreateWindow();
    Open(window->MaskBtn, ProgramDir() + "bmp/texture.png");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(window->MaskImg->Picture()->Width(), 50);
}

TEST_F(MainWindowFormats, AFileThatIsNoPictureGetsTheBitmapErrorAndTheSourceStays)
{
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/texture.png");
    Program().Write("bmp/notes.txt", "nothing a picture holds");
    Open(window->OpenBtn, ProgramDir() + "bmp/notes.txt");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("not a valid bitmap"), AnsiString::npos) << Messages().front();
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 50);
}

TEST_F(MainWindowFormats, SaveWritesDurnikBatchsTileForEveryProjectionAndFormat)
{
    struct Row {
        const char* projection;
        TSpeedButton* TMainForm::*button;
        const char* format;
    };
    const Row rows[] = {
        { "stretch", &TMainForm::StretchBtn, "bmp" },
        { "stretch", &TMainForm::StretchBtn, "png" },
        { "iso", &TMainForm::IsoBtn, "bmp" },
        { "iso", &TMainForm::IsoBtn, "png" },
    };
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/texture.png");
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.projection) + " to " + row.format);
        (window->*row.button)->SetDown(true);
        Click(window->GenBtn);
        const AnsiString tileFile = FWork / (AnsiString("tile.") + row.format);
        Save(tileFile);
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(
            FileBytes(tileFile), BatchTile(ProgramDir() + "bmp/texture.png", row.projection, row.format));
    }
}

TEST_F(MainWindowFormats, SaveWritesDurnikBatchsBlockTileForEveryDepthAndFormat)
{
    struct Row {
        const char* depth; // as typed in the window; empty: the tile height
        const char* format;
        int tileHeight;
    };
    const Row rows[] = {
        { "", "bmp", 63 + 63 },
        { "", "png", 63 + 63 },
        { "0", "png", 63 + 63 },
        { "20", "bmp", 63 + 20 },
        { "7", "png", 63 + 7 },
    };
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/texture.png");
    window->BlockBtn->SetDown(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.depth) + " to " + row.format);
        window->dEdt->SetText(row.depth);
        Click(window->GenBtn);
        EXPECT_EQ(window->IsoImg->Height(), row.tileHeight);
        EXPECT_EQ(window->IsoImg->Picture()->Height(), row.tileHeight);
        const AnsiString tileFile = FWork / (AnsiString("block.") + row.format);
        Save(tileFile);
        EXPECT_TRUE(Messages().empty());
        std::vector<const char*> options;
        if (*row.depth && AnsiString(row.depth) != "0")
            options = { "--depth", row.depth };
        EXPECT_EQ(
            FileBytes(tileFile), BatchTile(ProgramDir() + "bmp/texture.png", "block", row.format, options));
    }
}

TEST_F(MainWindowFormats, BlockIgnoresTheMaskAndShadesItsSides)
{
    WriteSolidPicture(ProgramDir() + "bmp/grey.bmp", 8, 8, RGB(200, 100, 50));
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/grey.bmp");
    window->BlockBtn->SetDown(true);
    window->dEdt->SetText("10");
    Click(window->GenBtn);
    const PixelRaster& tile = window->IsoImg->Picture()->Bitmap()->Raster();
    ASSERT_EQ(tile.height, 73);
    // The half mask would whiten the left half; a block shows its top face there all the same.
    EXPECT_EQ(tile.At(40, 31), RGB(200, 100, 50));
    EXPECT_EQ(tile.At(20, 46), RGB(160, 80, 40)) << "the left face, darkened to 0.8";
    EXPECT_EQ(tile.At(100, 50), RGB(120, 60, 30)) << "the right face, darkened to 0.6";
    EXPECT_EQ(tile.At(0, 72), clWhite) << "below the left face";
}

TEST_F(MainWindowFormats, IsoLaysThePictureFlatOntoTheDiamond)
{
    TMainForm* window = CreateWindow();
    Open(window->OpenBtn, ProgramDir() + "bmp/texture.png");
    window->IsoBtn->SetDown(true);
    Click(window->GenBtn);
    const PixelRaster tile = window->IsoImg->Picture()->Bitmap()->Raster();
    // The top tip takes the picture's half transparent top-left corner; the tile's upper
    // right corner lies outside the diamond and stays white, though the mask lets it show.
    EXPECT_EQ(tile.At(64, 0), RGB(127, 127, 127));
    EXPECT_EQ(tile.At(127, 0), clWhite);
    window->StretchBtn->SetDown(true);
    Click(window->GenBtn);
    EXPECT_NE(window->IsoImg->Picture()->Bitmap()->Raster(), tile);
}

TEST_F(MainWindowFormats, BatchWritesDurnikBatchsFilesForTheChosenFormats)
{
    const AnsiString input = WriteSources("b.bmp");
    const AnsiString windowOut = FWork.MakeDirectory("window-out");
    const AnsiString batchOut = FWork.MakeDirectory("batch-out");
    FWork.Write("in/c.txt", "not a picture");

    TMainForm* window = CreateWindow();
    window->InDir->SetText(input);
    window->OutDir->SetText(windowOut);
    window->IsoBtn->SetDown(true);
    window->PngSourcesBtn->SetDown(true);
    window->PngTilesBtn->SetDown(true);
    Click(window->BatchBtn);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("a.png\r\nb.bmp\r\n"), AnsiString::npos) << Messages().front();

    ASSERT_EQ(RunDurnikBatch({ "--from", "bmp,png", "--to", "png", "--projection", "iso", input.c_str(),
                                 batchOut.c_str() },
                  ProgramDir()),
        0);
    for (const char* name : { "a.png", "b.png" }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FileBytes(windowOut + "/" + name), FileBytes(batchOut + "/" + name));
        EXPECT_FALSE(FileBytes(windowOut + "/" + name).empty());
    }
    EXPECT_EQ(FWork.Names("window-out").size(), 2u);
}

TEST_F(MainWindowFormats, BatchOfBlocksWritesDurnikBatchsFilesInEitherFormat)
{
    const AnsiString input = WriteSources("b.bmp");
    TMainForm* window = CreateWindow();
    window->InDir->SetText(input);
    window->BlockBtn->SetDown(true);
    window->dEdt->SetText("24");
    window->PngSourcesBtn->SetDown(true);
    for (const char* format : { "bmp", "png" }) {
        SCOPED_TRACE(format);
        const AnsiString windowOut = FWork.MakeDirectory(AnsiString("window-") + format);
        const AnsiString batchOut = FWork.MakeDirectory(AnsiString("batch-") + format);
        window->OutDir->SetText(windowOut);
        (AnsiString(format) == "png" ? window->PngTilesBtn : window->BmpTilesBtn)->SetDown(true);
        Click(window->BatchBtn);
        ASSERT_EQ(RunDurnikBatch({ "--from", "bmp,png", "--to", format, "--projection", "block", "--depth",
                                     "24", input.c_str(), batchOut.c_str() },
                      ProgramDir()),
            0);
        for (const char* stem : { "a.", "b." }) {
            const AnsiString name = AnsiString(stem) + format;
            SCOPED_TRACE(name);
            EXPECT_FALSE(FileBytes(windowOut + "/" + name).empty());
            EXPECT_EQ(FileBytes(windowOut + "/" + name), FileBytes(batchOut + "/" + name));
        }
    }
    EXPECT_EQ(Messages().size(), 2u) << "the two closing reports";
}

TEST_F(MainWindowFormats, BatchWithTheDefaultsTakesBitmapsOnlyAndWritesDurnikBatchsBitmaps)
{
    const AnsiString input = WriteSources("B.BMP");
    const AnsiString windowOut = FWork.MakeDirectory("window-out");
    const AnsiString batchOut = FWork.MakeDirectory("batch-out");

    TMainForm* window = CreateWindow();
    window->InDir->SetText(input);
    window->OutDir->SetText(windowOut);
    Click(window->BatchBtn);
    ASSERT_EQ(RunDurnikBatch({ input.c_str(), batchOut.c_str() }, ProgramDir()), 0);
    EXPECT_EQ(FWork.Names("window-out"), std::vector<std::string> { "B.BMP" });
    EXPECT_EQ(FileBytes(windowOut + "/B.BMP"), FileBytes(batchOut + "/B.BMP"));
}

} // namespace
