// SPDX-License-Identifier: MIT
// What the window shows after a run of commands is what a fresh paint of it shows.
#include "platform/win32/internal/WindowRecord.h"
#include "tests/app/MainWindowFixture.h"

namespace {

class MainWindowRepaint : public MainWindowTest {
protected:
    // The window's client area as its buffer holds it once everything pending is painted.
    static PixelRaster Painted(TMainForm* window)
    {
        Application->ProcessMessages();
        UpdateWindow(window->Handle());
        return window->Handle()->paintBuffer.raster;
    }

    static PixelRaster PaintedAfresh(TMainForm* window)
    {
        InvalidateRect(window->Handle(), nullptr, TRUE);
        return Painted(window);
    }

    // A click on a speed button as the mouse gives it, through its panel.
    static void ClickOn(TSpeedButton* button)
    {
        const LPARAM at
            = MAKELPARAM(button->Left() + button->Width() / 2, button->Top() + button->Height() / 2);
        const HWND panel = button->Parent()->Handle();
        PostMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(panel, WM_LBUTTONUP, 0, at);
        Application->ProcessMessages();
    }

    // The first pixel where two paints differ, for the failure message.
    static std::string FirstDifference(const PixelRaster& shown, const PixelRaster& fresh)
    {
        for (int y = 0; y < std::min(shown.height, fresh.height); ++y)
            for (int x = 0; x < std::min(shown.width, fresh.width); ++x)
                if (shown.At(x, y) != fresh.At(x, y))
                    return "first at " + std::to_string(x) + "," + std::to_string(y);
        return "in size";
    }

    TemporaryDirectory FWork;
};

TEST_F(MainWindowRepaint, BlockIsoBatchLeavesThePanelAsAFreshPaintShowsIt)
{
    WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
    const AnsiString input = FWork.MakeDirectory("in");
    WriteSolidPicture(input + "/a.bmp", 20, 10, RGB(10, 200, 10));
    TMainForm* window = CreateWindow();
    window->Show();
    window->InDir->SetText(input);
    window->OutDir->SetText(FWork.MakeDirectory("out"));
    Click(window->SettBtn);
    Painted(window);

    ClickOn(window->BlockBtn);
    Click(window->GenBtn);
    ClickOn(window->IsoBtn);
    Click(window->BatchBtn);
    ASSERT_TRUE(window->IsoBtn->Down());
    ASSERT_EQ(Messages().size(), 1u) << "the batch report";

    const PixelRaster shown = Painted(window);
    const PixelRaster fresh = PaintedAfresh(window);
    EXPECT_TRUE(shown == fresh) << "the window differs from a fresh paint, " << FirstDifference(shown, fresh);
}

} // namespace
