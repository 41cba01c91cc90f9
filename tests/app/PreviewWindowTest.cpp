// SPDX-License-Identifier: MIT
// The seam preview: the tile repeated as a map lays it out, following every Generate.
#include "app/PreviewForm.h"
#include "platform/vcl/forms/Screen.h"
#include "tests/app/MainWindowFixture.h"

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
    EXPECT_EQ(preview->Caption(), "Preview");
    const PixelRaster& map = Map(window);
    // 128 x 63 tiles stepping 64 across and 32 down: 6 steps and one tile each way.
    EXPECT_EQ(map.width, 6 * 64 + 128);
    EXPECT_EQ(map.height, 6 * 32 + 63);
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
    // 128 x 83 blocks on a 128 x 63 top face: steps of 64 across and 32 down.
    EXPECT_EQ(map.width, 6 * 64 + 128);
    EXPECT_EQ(map.height, 6 * 32 + 63 + 20);
    // The back block's top face at the top of the map, the front block's right side face
    // at the very bottom.
    EXPECT_EQ(map.At(3 * 64 + 64, 31), RGB(200, 30, 40));
    EXPECT_EQ(map.At(3 * 64 + 80, map.height - 12), RGB(120, 18, 24));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PreviewWindow, FollowsEveryGenerateAndOpensEmptyBeforeTheFirst)
{
    TMainForm* window = CreateWindow();
    Click(window->PreviewBtn);
    ASSERT_NE(Preview(window), nullptr);
    EXPECT_EQ(Preview(window)->MapImg->Picture()->Graphic(), nullptr);

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
