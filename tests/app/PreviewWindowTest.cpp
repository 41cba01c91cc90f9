// SPDX-License-Identifier: MIT
// The seam preview: the tile repeated as a map lays it out, following every Generate.
#include "app/PreviewForm.h"
#include "platform/vcl/forms/Screen.h"
#include "tests/app/MainWindowFixture.h"
#include "tile/TileProjection.h"

namespace {

class PreviewWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        WriteSolidPicture(ProgramDir() + "bmp/red.bmp", 40, 20, RGB(200, 30, 40));
        WriteSolidPicture(ProgramDir() + "bmp/blue.bmp", 40, 20, RGB(10, 20, 230));
    }

    void Open(TMainForm* window, const char* name)
    {
        Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/" + name);
        Click(window->OpenBtn);
    }

    static TPreviewForm* Preview(TMainForm* window)
    {
        return dynamic_cast<TPreviewForm*>(window->PreviewWindow());
    }
    static const PixelRaster& Map(TMainForm* window)
    {
        return Preview(window)->MapImg->Picture()->Bitmap()->Raster();
    }
};

TEST_F(PreviewWindow, ShowsFourByFourTilesHalfATileApartInAWindowOfItsOwn)
{
    TMainForm* window = CreateWindow();
    Open(window, "red.bmp");
    Click(window->GenBtn);
    Click(window->PreviewBtn);
    TPreviewForm* preview = Preview(window);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->Visible());
    EXPECT_NE(static_cast<TForm*>(preview), static_cast<TForm*>(window));
    // The half mask leaves half of every tile clear.
    EXPECT_NE(preview->Caption().find("pixels show through"), AnsiString::npos) << preview->Caption();
    const PixelRaster& map = Map(window);
    // 128 x 63 tiles stepping 64 across and 31.5 down, as a map editor lays them: the map is
    // 8 half cells across and down, and the front row, rounded down half a pixel, reaches a
    // row past it.
    EXPECT_EQ(map.width, 8 * 64);
    EXPECT_EQ(map.height, 4 * 63 + 1);
    // The mask's right half shows the picture: the first tile's, at the top of the map.
    EXPECT_EQ(map.At(3 * 64 + 100, 30), RGB(200, 30, 40));
    EXPECT_EQ(preview->ClientWidth(), map.width);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PreviewWindow, BlocksStepByTheirTopFaceSoTheyStandOnTheirCells)
{
    TMainForm* window = CreateWindow();
    Open(window, "red.bmp");
    window->BlockBtn->SetDown(true);
    window->dEdt->SetText("20");
    Click(window->GenBtn);
    Click(window->PreviewBtn);
    const PixelRaster& map = Map(window);
    // 128 x 83 blocks on 128 x 63 cells: the back ones rise 20 rows above the map.
    EXPECT_EQ(map.width, 8 * 64);
    EXPECT_EQ(map.height, 20 + 4 * 63);
    // The back block's top face at the top of the map, the front block's right side face
    // at the very bottom.
    EXPECT_EQ(map.At(3 * 64 + 64, 31), RGB(200, 30, 40));
    EXPECT_EQ(map.At(3 * 64 + 80, map.height - 12), RGB(120, 18, 24));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PreviewWindow, SaysWhetherTheMapHasHolesForTheTileFormatChosen)
{
    // A mask exactly the diamond: BMP tiles meet without overlapping, so at an odd height
    // the editor's rounding opens seams; PNG tiles reach past their cells and close them.
    PixelRaster diamond { 128, 63, false, {} };
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 128; ++x)
            diamond.pixels.push_back(IsoSample(x, y, 128, 63, 1, 1) ? clWhite : clBlack);
    TBitmap mask;
    mask.SetRaster(diamond);
    mask.SaveToFile(ProgramDir() + "mask/iso.bmp");
    TMainForm* window = CreateWindow();
    Open(window, "red.bmp");
    window->IsoBtn->SetDown(true);
    Click(window->PreviewBtn);

    window->BmpTilesBtn->SetDown(true);
    Click(window->GenBtn);
    EXPECT_NE(Preview(window)->Caption().find("pixels show through"), AnsiString::npos)
        << Preview(window)->Caption();
    window->PngTilesBtn->SetDown(true);
    Click(window->GenBtn);
    EXPECT_EQ(Preview(window)->Caption(), "Preview: no holes");
}

TEST_F(PreviewWindow, FollowsEveryGenerateAndOpensEmptyBeforeTheFirst)
{
    TMainForm* window = CreateWindow();
    Click(window->PreviewBtn);
    ASSERT_NE(Preview(window), nullptr);
    EXPECT_EQ(Preview(window)->MapImg->Picture()->Graphic(), nullptr);
    EXPECT_EQ(Preview(window)->Caption(), "Preview");

    Open(window, "red.bmp");
    Click(window->GenBtn);
    EXPECT_EQ(Map(window).At(3 * 64 + 100, 30), RGB(200, 30, 40));
    Open(window, "blue.bmp");
    Click(window->GenBtn);
    EXPECT_EQ(Map(window).At(3 * 64 + 100, 30), RGB(10, 20, 230));

    // A second Preview shows the one window again rather than another.
    TPreviewForm* first = Preview(window);
    first->Hide();
    Click(window->PreviewBtn);
    EXPECT_EQ(Preview(window), first);
    EXPECT_TRUE(first->Visible());
}

TEST_F(PreviewWindow, TheToolbarDoublesTheMapWithinTheScreen)
{
    TMainForm* window = CreateWindow();
    Open(window, "red.bmp");
    Click(window->GenBtn);
    Click(window->PreviewBtn);
    TPreviewForm* preview = Preview(window);
    const int width = preview->MapImg->Width();
    preview->DoubleSizeBtn->SetDown(true);
    preview->DoubleSizeBtn->Click();
    EXPECT_EQ(preview->MapImg->Width(), 2 * width);
    // The doubled map of a 128-pixel tile is wider than the test's screen, and is cut there.
    const TRect area = Screen->WorkAreaRect();
    ASSERT_GT(2 * width, area.Width());
    EXPECT_EQ(preview->ClientWidth(), area.Width());
    const TRect bounds = preview->BoundsRect();
    EXPECT_EQ(IntersectRects(bounds, area), bounds) << "the preview lies on the screen";
    preview->ActualSizeBtn->SetDown(true);
    preview->ActualSizeBtn->Click();
    EXPECT_EQ(preview->MapImg->Width(), width);
}

} // namespace
