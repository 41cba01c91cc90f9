// SPDX-License-Identifier: MIT
// A main window made as the program makes it, with its program directory in a scratch
// directory, dialogs answered by the test and clicks delivered through the message queue.
#pragma once

#include "app/Main.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Application.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dialogs().Reset();
        Dialogs().SetScripted(true);
        FProgram.MakeDirectory("mask");
        FProgram.MakeDirectory("bmp");
        Application->SetExeName(FProgram / "durnik");
        // Each window remembers its settings in a folder of its own test, never the user's.
        ::setenv("XDG_CONFIG_HOME", FConfig.Path().c_str(), 1);
    }

    void TearDown() override
    {
        delete MainForm;
        MainForm = nullptr;
        Application->ProcessMessages();
        Application->SetExeName("");
        Dialogs().Reset();
    }

    static TDialogService& Dialogs() { return TDialogService::Instance(); }

    // The program directory as FormCreate computes it, with its separator.
    AnsiString ProgramDir() const { return FProgram.Path() + "/"; }
    const TemporaryDirectory& Program() const { return FProgram; }

    TMainForm* CreateWindow()
    {
        Application->CreateForm(MainForm);
        MainForm->HandleNeeded();
        return MainForm;
    }

    // A click as the user gives it: queued for the button and dispatched by the loop, so
    // errors meet the application's default report.
    static void Click(TButton* button)
    {
        PostMessageA(button->Handle(), BM_CLICK, 0, 0);
        Application->ProcessMessages();
    }

    // The texts of the message boxes shown so far.
    static std::vector<AnsiString> Messages()
    {
        std::vector<AnsiString> texts;
        for (const TDialogCall& call : Dialogs().Calls())
            if (call.Kind == TDialogKind::Message)
                texts.push_back(call.Text);
        return texts;
    }

    static const TDialogCall* LastFileDialog()
    {
        const auto& calls = Dialogs().Calls();
        for (auto call = calls.rbegin(); call != calls.rend(); ++call)
            if (call->Kind == TDialogKind::OpenFile || call->Kind == TDialogKind::SaveFile)
                return &*call;
        return nullptr;
    }

    // Where the window keeps its settings: the user's configuration folder of this test.
    const TemporaryDirectory& Config() const { return FConfig; }
    AnsiString SettingsFile() const { return FConfig / "durnik/durnik.ini"; }

private:
    TemporaryDirectory FProgram;
    TemporaryDirectory FConfig;
};

// A width x height picture of one colour written as a BMP file.
void WriteSolidPicture(const AnsiString& fileName, int width, int height, COLORREF color);
// A mask whose left half is black and right half white.
void WriteHalfMask(const AnsiString& fileName, int width, int height);
PixelRaster ReadPicture(const AnsiString& fileName);
// A picture whose every pixel differs written as a PNG file, its left column half transparent.
void WritePngPicture(const AnsiString& fileName, int width, int height);
// The whole content of a file.
std::string FileBytes(const AnsiString& fileName);
// Runs durnik-batch with these arguments, the mask beside the program in programDir; returns
// its exit status.
int RunDurnikBatch(const std::vector<const char*>& arguments, const AnsiString& programDir);
