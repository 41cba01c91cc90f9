// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, UnreadableDefaultMaskIsReportedAndTheWindowStillOpens)
{
    Program().Write("mask/iso.bmp", "BM but nothing a bitmap needs");
    TMainForm* window = CreateWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->MaskImg->Picture()->Graphic(), nullptr);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Dialogs().Calls().front().Type & 0xF0, MB_ICONERROR);

    // The window works on regardless.
    WriteSolidPicture(ProgramDir() + "bmp/green.bmp", 16, 16, RGB(0, 160, 0));
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/green.bmp");
    Click(window->OpenBtn);
    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->Picture()->Bitmap()->Raster().At(64, 30), RGB(0, 160, 0));
}

TEST_F(MainWindowTest, BadWidthIsReportedAndChangesNothingUntilItIsMended)
{
    TMainForm* window = CreateWindow();
    WriteSolidPicture(ProgramDir() + "bmp/grey.bmp", 16, 16, RGB(90, 90, 90));
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/grey.bmp");
    Click(window->OpenBtn);

    window->wEdt->SetText("abc");
    Click(window->GenBtn);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("abc"), AnsiString::npos) << Messages().front();
    EXPECT_EQ(window->IsoImg->BoundsRect(), Bounds(136, 80, 209, 73));
    EXPECT_EQ(window->IsoImg->Picture()->Graphic(), nullptr);

    window->wEdt->SetText("100");
    Click(window->GenBtn);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(window->IsoImg->Picture()->Width(), 100);
    EXPECT_EQ(window->IsoImg->Picture()->Height(), 63);
}

TEST_F(MainWindowTest, BadHeightIsReportedBeforeAnythingIsResized)
{
    TMainForm* window = CreateWindow();
    window->hEdt->SetText("6x3");
    Click(window->GenBtn);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("6x3"), AnsiString::npos) << Messages().front();
    EXPECT_EQ(window->IsoImg->Width(), 209);
}

TEST_F(MainWindowTest, BadDepthIsReportedAndKeptUntilItIsMended)
{
    TMainForm* window = CreateWindow();
    WriteSolidPicture(ProgramDir() + "bmp/grey.bmp", 16, 16, RGB(90, 90, 90));
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/grey.bmp");
    Click(window->OpenBtn);
    window->BlockBtn->SetDown(true);
    window->BlockBtn->Click();
    EXPECT_TRUE(window->dEdt->Enabled());

    std::size_t reported = 0;
    for (const char* depth : { "abc", "16385", "-4", "2x" }) {
        SCOPED_TRACE(depth);
        window->dEdt->SetText(depth);
        Click(window->GenBtn);
        ASSERT_EQ(Messages().size(), ++reported);
        EXPECT_NE(Messages().back().find(depth), AnsiString::npos) << Messages().back();
        EXPECT_EQ(window->dEdt->Text(), depth) << "what was typed stays to be mended";
        EXPECT_EQ(window->IsoImg->Picture()->Graphic(), nullptr);
    }
    EXPECT_NE(Messages()[1].find("from 1 to 16384"), AnsiString::npos) << Messages()[1];

    window->dEdt->SetText("16384");
    Click(window->GenBtn);
    EXPECT_EQ(Messages().size(), reported);
    EXPECT_EQ(window->IsoImg->Picture()->Height(), 63 + 16384);
}

TEST_F(MainWindowTest, BadDepthStopsABatchBeforeAnythingIsWritten)
{
    TemporaryDirectory work;
    const AnsiString input = work.MakeDirectory("in");
    const AnsiString output = work.MakeDirectory("out");
    WriteSolidPicture(input + "/a.bmp", 8, 8, RGB(1, 2, 3));
    TMainForm* window = CreateWindow();
    window->InDir->SetText(input);
    window->OutDir->SetText(output);
    window->BlockBtn->SetDown(true);
    window->dEdt->SetText("deep");
    Click(window->BatchBtn);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages().front().find("deep"), AnsiString::npos) << Messages().front();
    EXPECT_TRUE(work.Names("out").empty());
}

TEST_F(MainWindowTest, TheDepthIsOnlyForBlocks)
{
    TMainForm* window = CreateWindow();
    EXPECT_FALSE(window->dEdt->Enabled());
    window->BlockBtn->SetDown(true);
    window->BlockBtn->Click();
    EXPECT_TRUE(window->dEdt->Enabled());
    window->dEdt->SetText("abc");
    window->IsoBtn->SetDown(true);
    window->IsoBtn->Click();
    EXPECT_FALSE(window->dEdt->Enabled());
    // Another projection has no depth, so one left mistyped hinders nothing.
    Click(window->GenBtn);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(window->IsoImg->Picture()->Height(), 63);
}

TEST_F(MainWindowTest, CorruptPictureIsReportedAndTheSourceStays)
{
    TMainForm* window = CreateWindow();
    WriteSolidPicture(ProgramDir() + "bmp/good.bmp", 10, 10, RGB(1, 2, 3));
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/good.bmp");
    Click(window->OpenBtn);

    // A header that promises far more pixels than the file holds.
    std::string truncated = TemporaryDirectory::Read(ProgramDir() + "bmp/good.bmp");
    truncated.resize(truncated.size() / 2);
    Program().Write("bmp/bad.bmp", truncated);
    Dialogs().PrepareFile(TDialogKind::OpenFile, true, ProgramDir() + "bmp/bad.bmp");
    Click(window->OpenBtn);

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(window->BMPImg->Picture()->Width(), 10);
    Click(window->GenBtn);
    EXPECT_EQ(window->IsoImg->Picture()->Width(), 128);
}

TEST_F(MainWindowTest, ErrorsAreReportedWithTheApplicationTitle)
{
    TMainForm* window = CreateWindow();
    window->wEdt->SetText("");
    Click(window->GenBtn);
    ASSERT_EQ(Dialogs().Calls().size(), 1u);
    EXPECT_EQ(Dialogs().Calls().front().Title, "durnik");
}

} // namespace
