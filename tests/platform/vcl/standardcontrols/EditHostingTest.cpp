// SPDX-License-Identifier: MIT
// What an edit needs to host a window of ours: its frame off the client area, painting that
// reaches inside it, its colours, drops, system bitmaps, recreation and the directory dialog.
#include "platform/gdi/Text.h"
#include "platform/rtl/FileNames.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/dialogs/FileCtrl.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "platform/win32/files/FileApi.h"
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/resources/SystemBitmaps.h"
#include "platform/win32/shell/ShellApi.h"

#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A container with a solid colour, to be placed inside an edit.
class TColorBox : public TCustomControl {
public:
    TColorBox(TComponent* owner, TColor color)
        : TCustomControl(owner)
    {
        SetColor(color);
        SetParentColor(false);
    }
    int Sizes = 0;
    TSize LastSize;
    static const TMessageTable& Messages()
    {
        static const TMessageTable table(
            &TCustomControl::Messages(), { { WM_SIZE, &MessageHandler<TColorBox, &TColorBox::WMSize> } });
        return table;
    }
    const TMessageTable& MessageTable() const override { return Messages(); }

private:
    void WMSize(TMessage& message)
    {
        ++Sizes;
        LastSize = { LOWORD(message.LParam), HIWORD(message.LParam) };
        TCustomControl::WMSize(message);
    }
};

TEST(EditFrame, ClientAreaLiesInsideTheFrameAndChildrenSitInIt)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetBounds(10, 20, 121, 21);
    edit->SetParent(&window);
    TRect client;
    GetClientRect(edit->Handle(), &client);
    EXPECT_EQ(client, Rect(0, 0, 117, 17)) << "2-pixel client edge";
    edit->SetCtl3D(false);
    GetClientRect(edit->Handle(), &client);
    EXPECT_EQ(client, Rect(0, 0, 119, 19)) << "1-pixel border";
    edit->SetCtl3D(true);

    auto* box = new TColorBox(&window, clRed);
    box->SetBounds(96, 0, 21, 17);
    box->SetParent(edit);
    EXPECT_EQ(box->Sizes, 1) << "the first size arrives with the window";
    EXPECT_EQ(box->LastSize.cx, 21);
    TPoint origin;
    ClientToScreen(box->Handle(), &origin);
    TPoint editOrigin;
    ClientToScreen(edit->Handle(), &editOrigin);
    EXPECT_EQ(origin.x - editOrigin.x, 96);
    // The box is painted at its place inside the client edge, and the window's repaint reaches it.
    EXPECT_EQ(window.PixelAt(10 + 2 + 96, 20 + 2), ColorToRGB(clRed));
    EXPECT_EQ(window.PixelAt(10 + 2 + 95, 20 + 2), ColorToRGB(clBtnFace));
    box->SetColor(clBlue);
    window.Invalidate();
    EXPECT_EQ(window.PixelAt(10 + 2 + 116, 20 + 2 + 16), ColorToRGB(clBlue));
    // Clipped to the edit's client area.
    box->SetBounds(100, 0, 40, 17);
    EXPECT_EQ(window.PixelAt(10 + 2 + 117, 20 + 2), ColorToRGB(clBtnFace));
    // Mouse input finds the box in its own coordinates.
    EXPECT_EQ(ChildWindowFromPointDeep(window.Handle(), Point(10 + 2 + 101, 20 + 2 + 3)), box->Handle());
}

TEST(EditColors, TheParentIsAskedAndADisabledEditShowsGreyText)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->HandleNeeded();
    ASSERT_TRUE(edit->Handle()->textColor.has_value());
    EXPECT_EQ(*edit->Handle()->textColor, ColorToRGB(clWindowText));
    EXPECT_EQ(*edit->Handle()->backColor, ColorToRGB(clWindow));
    edit->SetEnabled(false);
    EXPECT_EQ(*edit->Handle()->textColor, ColorToRGB(clGrayText));
    edit->SetEnabled(true);
    edit->SetColor(clYellow);
    EXPECT_EQ(*edit->Handle()->backColor, ColorToRGB(clYellow));
}

TEST(EditRecreation, TextAndFocusSurviveANewWindow)
{
    TTestWindow window(200, 100);
    auto* edit = new TEdit(&window);
    edit->SetParent(&window);
    edit->SetText("C:\\Work");
    edit->SetFocus();
    edit->RecreateWnd();
    EXPECT_NE(edit->Handle(), nullptr);
    EXPECT_EQ(GetWindowTextString(edit->Handle()), "C:\\Work");
    EXPECT_TRUE(edit->Focused());
}

TEST(DroppedFiles, NamesAreReadWholeOrCutBetweenCharacters)
{
    TTestWindow window(200, 100);
    const HWND target = window.Handle();
    EXPECT_FALSE(PostHostDroppedFiles(target, { "/a" })) << "not registered";
    DragAcceptFiles(target, TRUE);
    const std::string longName = "/" + std::string(300, 'x') + "\xC3\xA9";
    ASSERT_TRUE(PostHostDroppedFiles(target, { longName, "/b" }));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, target, WM_DROPFILES, WM_DROPFILES, PM_REMOVE));
    const auto drop = reinterpret_cast<HDROP>(message.wParam);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(DragQueryFileA(drop, 0, nullptr, 0), UINT(longName.size()));
    char small[303] = {};
    // 302 bytes fit: the name's first 301 bytes, not the first half of the last character.
    EXPECT_EQ(DragQueryFileA(drop, 0, small, sizeof small), 301u);
    EXPECT_EQ(std::string(small), longName.substr(0, 301));
    std::string whole(longName.size() + 1, '\0');
    EXPECT_EQ(DragQueryFileA(drop, 0, whole.data(), UINT(whole.size())), UINT(longName.size()));
    EXPECT_EQ(DragQueryFileA(drop, 5, whole.data(), UINT(whole.size())), 0u);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 0u) << "released";
    DragFinish(drop);

    // A window that does not take the names still releases the drop.
    ASSERT_TRUE(PostHostDroppedFiles(target, { "/c" }));
    TTestWindow::PumpMessages();
    EXPECT_EQ(PendingDropCount(), 0);
}

TEST(SystemBitmaps, ComboArrowAndNamedResourcesLoadIntoABitmap)
{
    HBITMAP arrow = LoadBitmapA(nullptr, OBM_COMBO);
    ASSERT_NE(arrow, nullptr);
    TBitmap bitmap;
    bitmap.SetHandle(arrow);
    ASSERT_EQ(bitmap.Width(), 7);
    ASSERT_EQ(bitmap.Height(), 4);
    EXPECT_EQ(bitmap.Raster().At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Raster().At(3, 3), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Raster().At(0, 3), ColorToRGB(clBtnFace)) << "the transparent corner";
    EXPECT_EQ(LoadBitmapA(nullptr, 1), nullptr);
    EXPECT_EQ(LoadBitmapA(HInstance, "NO SUCH BITMAP"), nullptr);
}

TEST(ScreenDc, MeasuresTextInTheDefaultFont)
{
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    TEXTMETRIC metrics;
    EXPECT_TRUE(GetTextMetricsA(screen, &metrics));
    EXPECT_GT(metrics.tmHeight, 0);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

class SelectDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { TDialogService::Instance().SetScripted(true); }
    void TearDown() override { TDialogService::Instance().Reset(); }
    TemporaryDirectory FTemp;
};

TEST_F(SelectDirectoryTest, StartsAtAnExistingDirectoryAndReturnsTheChosenOne)
{
    AnsiString directory = FTemp.Path();
    TDialogService::Instance().PrepareDirectory(true, FTemp.Path() + "/sub");
    std::filesystem::create_directory(FTemp.Path() + "/sub");
    EXPECT_TRUE(SelectDirectory(directory, 0, 0));
    EXPECT_EQ(directory, FTemp.Path() + "/sub");
    ASSERT_EQ(TDialogService::Instance().Calls().size(), 1u);
    EXPECT_EQ(TDialogService::Instance().Calls()[0].InitialDir, FTemp.Path());

    AnsiString missing = "\\no\\such\\dir";
    EXPECT_FALSE(SelectDirectory(missing, 0, 0)) << "unanswered: cancelled";
    EXPECT_EQ(missing, "\\no\\such\\dir");
    EXPECT_EQ(TDialogService::Instance().Calls()[1].InitialDir, "") << "the host's choice";
}

TEST_F(SelectDirectoryTest, AMissingChoiceIsMadeOnlyWhenAskedToAndConfirmed)
{
    const AnsiString wanted = FTemp.Path() + "/new";
    AnsiString directory;
    TDialogService::Instance().PrepareDirectory(true, wanted);
    EXPECT_FALSE(SelectDirectory(directory, 0, 0));
    TDialogService::Instance().PrepareDirectory(true, wanted);
    TDialogService::Instance().PrepareMessage(IDNO);
    EXPECT_FALSE(SelectDirectory(directory, sdAllowCreate | sdPerformCreate | sdPrompt, 0));
    EXPECT_FALSE(DirectoryExists(wanted));
    TDialogService::Instance().PrepareDirectory(true, wanted);
    TDialogService::Instance().PrepareMessage(IDYES);
    EXPECT_TRUE(SelectDirectory(directory, sdAllowCreate | sdPerformCreate | sdPrompt, 0));
    EXPECT_TRUE(DirectoryExists(wanted));
    EXPECT_EQ(directory, wanted);
}

TEST(ErrorMode, TheBracketRestoresThePreviousMode)
{
    const UINT original = SetErrorMode(0x0004);
    const UINT saved = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    EXPECT_EQ(saved, 0x0004u);
    EXPECT_EQ(SetErrorMode(saved), SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    EXPECT_EQ(SetErrorMode(original), 0x0004u);
}

} // namespace
