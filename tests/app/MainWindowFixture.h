// SPDX-License-Identifier: MIT
// A main window made as the program makes it, with its program directory in a scratch
// directory, dialogs answered by the test and clicks delivered through the message queue.
#pragma once

#include "app/Main.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Application.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dialogs().Reset();
        Dialogs().SetScripted(true);
        FProgram.MakeDirectory("mask");
        FProgram.MakeDirectory("bmp");
        Application->SetExeName(FProgram / "durnik");
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

private:
    TemporaryDirectory FProgram;
};

// A width x height picture of one colour written as a BMP file.
void WriteSolidPicture(const AnsiString& fileName, int width, int height, COLORREF color);
// A mask whose left half is black and right half white.
void WriteHalfMask(const AnsiString& fileName, int width, int height);
PixelRaster ReadPicture(const AnsiString& fileName);
