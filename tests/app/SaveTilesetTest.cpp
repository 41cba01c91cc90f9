// SPDX-License-Identifier: MIT
// The preview's Save tileset...: the sheet options asked for, then the batch's pictures as a
// sheet with its descriptions, the very files durnik-batch --sheet writes for the same settings.
#include "app/PreviewForm.h"
#include "tests/app/MainWindowFixture.h"
#include "tools/BatchCommand.h"

#include <algorithm>
#include <sstream>

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

    // Types these values into the options form (those given) and queues the key that ends
    // it, so the form shown by the next Save tileset... takes them without anyone at the screen.
    static void AnswerOptions(
        const std::vector<std::pair<TEdit * TTilesetOptionsForm::*, const char*>>& values,
        WPARAM key = VK_RETURN)
    {
        TTilesetOptionsForm* form = MainForm->TilesetOptions();
        for (const auto& [edit, text] : values)
            (form->*edit)->SetText(text);
        PostMessageA(form->ColumnsEdt->Handle(), WM_KEYDOWN, key, 0);
    }

    TemporaryDirectory FWork;
};

// The files of a folder, sorted.
std::vector<std::string> SortedNames(const TemporaryDirectory& directory, const AnsiString& folder)
{
    std::vector<std::string> names = directory.Names(folder);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST_F(SaveTileset, WritesTheFilesOfDurnikBatchsSheetByteForByte)
{
    struct Case {
        const char* name;
        const char* projection;
        TSpeedButton* TMainForm::*button;
        std::vector<std::pair<TEdit * TTilesetOptionsForm::*, const char*>> typed;
        std::vector<const char*> options; // the same for durnik-batch
    };
    const Case cases[] = {
        { "iso", "iso", &TMainForm::IsoBtn, {}, {} },
        { "block", "block", &TMainForm::BlockBtn, {}, {} },
        { "laid-out", "iso", &TMainForm::IsoBtn,
            { { &TTilesetOptionsForm::ColumnsEdt, "1" }, { &TTilesetOptionsForm::SpacingEdt, "3" },
                { &TTilesetOptionsForm::MarginEdt, "5" }, { &TTilesetOptionsForm::ExtrudeEdt, "2" } },
            { "--columns", "1", "--spacing", "3", "--margin", "5", "--extrude", "2" } },
    };
    std::size_t reports = 0;
    for (const Case& run : cases) {
        SCOPED_TRACE(run.name);
        const AnsiString windowOut = FWork.MakeDirectory(AnsiString("window-") + run.name);
        const AnsiString batchOut = FWork.MakeDirectory(AnsiString("batch-") + run.name);
        TPreviewForm* preview = Preview(run.button);
        ASSERT_NE(preview, nullptr);
        AnswerOptions(run.typed);
        Dialogs().PrepareFile(TDialogKind::SaveFile, true, windowOut + "/floor & walls.tsx");
        preview->SaveTilesetBtn->Click();
        EXPECT_EQ(Dialogs().PendingAnswers(), 0);
        const AnsiString input = FWork.Path() + "/in";
        std::vector<const char*> arguments = { "--from", "bmp,png", "--to", "png", "--projection",
            run.projection, "--sheet", "floor & walls" };
        arguments.insert(arguments.end(), run.options.begin(), run.options.end());
        arguments.insert(arguments.end(), { input.c_str(), batchOut.c_str() });
        ASSERT_EQ(RunDurnikBatch(arguments, ProgramDir()), 0);

        const std::vector<std::string> files = SortedNames(FWork, AnsiString("batch-") + run.name);
        // Two tiles, the sheet and its three descriptions.
        EXPECT_EQ(files.size(), 2U + 4U);
        EXPECT_EQ(SortedNames(FWork, AnsiString("window-") + run.name), files);
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

TEST_F(SaveTileset, RefusesOptionsDurnikBatchRefusesInItsWordsAndWritesNothing)
{
    const std::pair<TEdit * TTilesetOptionsForm::*, const char*> refused[] = {
        { &TTilesetOptionsForm::ColumnsEdt, "0" },
        { &TTilesetOptionsForm::SpacingEdt, "-1" },
        { &TTilesetOptionsForm::MarginEdt, "wide" },
        { &TTilesetOptionsForm::ExtrudeEdt, "65" },
    };
    const char* const batchOptions[] = { "--columns", "--spacing", "--margin", "--extrude" };
    TPreviewForm* preview = Preview(&TMainForm::IsoBtn);
    ASSERT_NE(preview, nullptr);
    for (std::size_t index = 0; index < std::size(refused); ++index) {
        const auto& [edit, text] = refused[index];
        SCOPED_TRACE(text);
        const AnsiString batchOut = FWork.MakeDirectory("batch-" + IntToStr(int(index)));
        const AnsiString input = FWork.Path() + "/in";
        std::ostringstream out;
        std::ostringstream batchError;
        const std::vector<const char*> arguments = { "--from", "bmp,png", "--to", "png", "--sheet", "tiles",
            batchOptions[index], text, input.c_str(), batchOut.c_str() };
        EXPECT_EQ(RunBatchCommand(arguments, { out, batchError, ProgramDir() }), 2);

        // Enter on the refused value, then Escape once its message is shown.
        const std::size_t shown = Messages().size();
        AnswerOptions({ { edit, text } });
        PostMessageA(MainForm->TilesetOptions()->ColumnsEdt->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        preview->SaveTilesetBtn->Click();
        ASSERT_EQ(Messages().size(), shown + 1);
        EXPECT_FALSE(Messages().back().empty());
        EXPECT_NE(batchError.str().find(Messages().back()), std::string::npos) << batchError.str();
        EXPECT_EQ(LastFileDialog(), nullptr);
        EXPECT_EQ(FWork.Names("batch-" + IntToStr(int(index))), std::vector<std::string> {});
    }
}

TEST_F(SaveTileset, CancelWritesNothingAndTheOptionsLastAcceptedComeBack)
{
    TPreviewForm* preview = Preview(&TMainForm::IsoBtn);
    ASSERT_NE(preview, nullptr);
    TTilesetOptionsForm* form = MainForm->TilesetOptions();
    // Accepted, then the file dialog cancelled.
    AnswerOptions({ { &TTilesetOptionsForm::ColumnsEdt, "2" }, { &TTilesetOptionsForm::SpacingEdt, "1" },
        { &TTilesetOptionsForm::MarginEdt, "4" }, { &TTilesetOptionsForm::ExtrudeEdt, "3" } });
    Dialogs().PrepareFile(TDialogKind::SaveFile, false, "");
    preview->SaveTilesetBtn->Click();
    ASSERT_NE(LastFileDialog(), nullptr);
    // Changed, then the options cancelled: no file dialog at all.
    const std::size_t calls = Dialogs().Calls().size();
    AnswerOptions({ { &TTilesetOptionsForm::ColumnsEdt, "" }, { &TTilesetOptionsForm::SpacingEdt, "9" },
                      { &TTilesetOptionsForm::MarginEdt, "9" }, { &TTilesetOptionsForm::ExtrudeEdt, "9" } },
        VK_ESCAPE);
    preview->SaveTilesetBtn->Click();
    EXPECT_EQ(Dialogs().Calls().size(), calls);
    // Not even the batch's complaint that no folder was chosen.
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(FWork.Names(), std::vector<std::string> { "in" });
    EXPECT_EQ(form->ColumnsEdt->Text(), "2");
    EXPECT_EQ(form->SpacingEdt->Text(), "1");
    EXPECT_EQ(form->MarginEdt->Text(), "4");
    EXPECT_EQ(form->ExtrudeEdt->Text(), "3");
}
