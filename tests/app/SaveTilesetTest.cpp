// SPDX-License-Identifier: MIT
// The preview's Save tileset...: the batch's pictures as a sheet with its descriptions, the
// very files durnik-batch --sheet writes for the same settings.
#include "app/PreviewForm.h"
#include "tests/app/MainWindowFixture.h"

#include <algorithm>

namespace {

class SaveTileset : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteHalfMask(ProgramDir() + "mask/iso.bmp", 64, 32);
        WritePngPicture(FWork.MakeDirectory("in") + "/a.png", 30, 20);
        WriteSolidPicture(FWork.Path() + "/in/b.bmp", 40, 10, RGB(10, 200, 10));
    }

    // The window with the batch's input folder, its sources and projection chosen, and the
    // preview open.
    TPreviewForm* Preview(TSpeedButton* TMainForm::*projection)
    {
        TMainForm* window = CreateWindow();
        window->InDir->SetText(FWork.Path() + "/in");
        window->PngSourcesBtn->SetDown(true);
        (window->*projection)->SetDown(true);
        Click(window->PreviewBtn);
        return dynamic_cast<TPreviewForm*>(window->PreviewWindow());
    }

    TemporaryDirectory FWork;
};

} // namespace

TEST_F(SaveTileset, WritesTheFilesOfDurnikBatchsSheetByteForByte)
{
    const std::pair<const char*, TSpeedButton * TMainForm::*> projections[]
        = { { "iso", &TMainForm::IsoBtn }, { "block", &TMainForm::BlockBtn } };
    std::size_t reports = 0;
    for (const auto& [projection, button] : projections) {
        SCOPED_TRACE(projection);
        const AnsiString windowOut = FWork.MakeDirectory(AnsiString("window-") + projection);
        const AnsiString batchOut = FWork.MakeDirectory(AnsiString("batch-") + projection);
        TPreviewForm* preview = Preview(button);
        ASSERT_NE(preview, nullptr);
        Dialogs().PrepareFile(TDialogKind::SaveFile, true, windowOut + "/floor & walls.tsx");
        preview->SaveTilesetBtn->Click();
        const AnsiString input = FWork.Path() + "/in";
        ASSERT_EQ(RunDurnikBatch({ "--from", "bmp,png", "--to", "png", "--projection", projection, "--sheet",
                                     "floor & walls", input.c_str(), batchOut.c_str() },
                      ProgramDir()),
            0);

        std::vector<std::string> files = FWork.Names(AnsiString("batch-") + projection);
        std::vector<std::string> windowFiles = FWork.Names(AnsiString("window-") + projection);
        std::sort(files.begin(), files.end());
        std::sort(windowFiles.begin(), windowFiles.end());
        // Two tiles, the sheet and its three descriptions.
        EXPECT_EQ(files.size(), 2U + 4U);
        EXPECT_EQ(windowFiles, files);
        for (const std::string& name : files) {
            SCOPED_TRACE(name);
            EXPECT_EQ(FileBytes(windowOut + "/" + name), FileBytes(batchOut + "/" + name));
        }
        // The batch's report, once a run.
        ASSERT_EQ(Messages().size(), ++reports);
        EXPECT_NE(Messages().back().find("a.png\r\nb.bmp\r\n"), AnsiString::npos) << Messages().back();
        delete MainForm;
        MainForm = nullptr;
    }
}

TEST_F(SaveTileset, CancellingTheDialogWritesNothing)
{
    TPreviewForm* preview = Preview(&TMainForm::IsoBtn);
    ASSERT_NE(preview, nullptr);
    Dialogs().PrepareFile(TDialogKind::SaveFile, false, "");
    preview->SaveTilesetBtn->Click();
    // Not even the batch's complaint that no folder was chosen.
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(FWork.Names(), std::vector<std::string> { "in" });
}
