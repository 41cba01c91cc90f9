// SPDX-License-Identifier: MIT
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/dialogs/ExtDlgs.h"
#include "platform/vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

class DialogServiceTest : public ::testing::Test {
protected:
    void SetUp() override { Service().Reset(); }
    void TearDown() override { Service().Reset(); }
    static TDialogService& Service() { return TDialogService::Instance(); }
};

TEST_F(DialogServiceTest, PreparedAnswersAreTakenInOrder)
{
    Service().PrepareMessage(IDNO);
    Service().PrepareFile(TDialogKind::OpenFile, true, "/tmp/a.bmp");
    EXPECT_EQ(Service().MessageBox("Go on?", "durnik", MB_YESNO), IDNO);
    FileDialogRequest request;
    AnsiString chosen;
    EXPECT_TRUE(Service().FileDialog(request, chosen));
    EXPECT_EQ(chosen, "/tmp/a.bmp");
    EXPECT_EQ(Service().PendingAnswers(), 0);
    ASSERT_EQ(Service().Calls().size(), 2u);
    EXPECT_EQ(Service().Calls()[0].Text, "Go on?");
    EXPECT_EQ(Service().Calls()[0].Title, "durnik");
}

TEST_F(DialogServiceTest, AnAnswerForAnotherKindOfDialogIsAnError)
{
    Service().PrepareFile(TDialogKind::SaveFile, true, "/tmp/tile.bmp");
    FileDialogRequest openRequest;
    AnsiString chosen;
    EXPECT_THROW(Service().FileDialog(openRequest, chosen), EInvalidOperation);
    EXPECT_THROW(Service().MessageBox("x", "y", MB_OK), EInvalidOperation);
}

TEST_F(DialogServiceTest, ScriptedDialogsWithoutAnswersAreCancelled)
{
    Service().SetScripted(true);
    FileDialogRequest request;
    AnsiString chosen = "kept";
    EXPECT_FALSE(Service().FileDialog(request, chosen));
    EXPECT_EQ(chosen, "kept");
    EXPECT_FALSE(Service().DirectoryDialog("Pick", "/tmp", chosen));
    EXPECT_EQ(Service().MessageBox("Hello", "durnik", MB_OK), IDOK);
    EXPECT_EQ(Service().Calls().size(), 3u);
    EXPECT_EQ(Service().Calls()[1].InitialDir, "/tmp");
}

TEST_F(DialogServiceTest, PictureDialogsHandTheirSettingsToTheService)
{
    Service().SetScripted(true);
    TSavePictureDialog dialog(nullptr);
    dialog.SetTitle("Save image");
    dialog.SetDefaultExt("*.bmp");
    dialog.SetInitialDir("\\tmp\\tiles");
    dialog.SetOptions(ofOverwritePrompt | ofHideReadOnly);
    Service().PrepareFile(TDialogKind::SaveFile, true, "/tmp/tiles/t.bmp");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/tiles/t.bmp");
    const FileDialogRequest& request = Service().Calls().back().File;
    EXPECT_TRUE(request.save);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(request.title, "Save image");
    EXPECT_EQ(request.defaultExt, "bmp");
    EXPECT_EQ(request.initialDir, "/tmp/tiles") << "shown to the host in its own form";
    EXPECT_EQ(request.filter, "Bitmaps (*.bmp)|*.bmp") << "the picture formats by default";
}

TEST_F(DialogServiceTest, CancelledDialogKeepsTheFileName)
{
    Service().SetScripted(true);
    TOpenPictureDialog dialog(nullptr);
    dialog.SetFileName("before.bmp");
    Service().PrepareFile(TDialogKind::OpenFile, false);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "before.bmp");
}

TEST_F(DialogServiceTest, ShowMessageUsesTheApplicationTitle)
{
    Service().SetScripted(true);
    Application->SetTitle("Durnik test");
    ShowMessage("Saved.");
    Application->SetTitle("");
    ASSERT_EQ(Service().Calls().size(), 1u);
    EXPECT_EQ(Service().Calls()[0].Title, "Durnik test");
    EXPECT_EQ(Service().Calls()[0].Type, MB_OK);
}

TEST_F(DialogServiceTest, DefaultErrorReportShowsTheMessageAsAnError)
{
    Service().SetScripted(true);
    Application->HandleException(EConvertError("'abc' is not a valid integer value"));
    ASSERT_EQ(Service().Calls().size(), 1u);
    EXPECT_EQ(Service().Calls()[0].Text, "'abc' is not a valid integer value.");
    EXPECT_EQ(Service().Calls()[0].Type, MB_OK | MB_ICONERROR);

    std::string seen;
    Application->OnException = [&](TObject*, const std::exception& error) { seen = error.what(); };
    Application->HandleException(EInOutError("disk full"));
    Application->OnException = nullptr;
    EXPECT_EQ(seen, "disk full");
    EXPECT_EQ(Service().Calls().size(), 1u) << "OnException replaces the message box";
}

} // namespace
