// SPDX-License-Identifier: MIT
// The main window: the source, mask and tile pictures, the commands that load, compose,
// save and batch them, and the settings panel with the tile size and batch directories.
#pragma once

#include "platform/vcl/dialogs/ExtDlgs.h"
#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/standardcontrols/ExtCtrls.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "widgets/ToolEdit.h"

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);
    const char* ClassName() const override { return "TMainForm"; }

    // The controls and dialogs of the stored layout, owned by the window.
    TImage* IsoImg = nullptr;
    TButton* OpenBtn = nullptr;
    TButton* GenBtn = nullptr;
    TButton* SaveBtn = nullptr;
    TOpenPictureDialog* OpenDlg = nullptr;
    TImage* MaskImg = nullptr;
    TButton* MaskBtn = nullptr;
    TImage* BMPImg = nullptr;
    TSavePictureDialog* SaveDlg = nullptr;
    TButton* BatchBtn = nullptr;
    TButton* SettBtn = nullptr;
    TGroupBox* SettGroup = nullptr;
    TLabel* InLbl = nullptr;
    TLabel* OutLbl = nullptr;
    TLabel* BatchLbl = nullptr;
    TDirectoryEdit* OutDir = nullptr;
    TDirectoryEdit* InDir = nullptr;
    TButton* ABtn = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* wEdt = nullptr;
    TEdit* hEdt = nullptr;

    void FormCreate(TObject* sender);
    void OpenBtnClick(TObject* sender);
    void GenBtnClick(TObject* sender);
    void SaveBtnClick(TObject* sender);
    void MaskBtnClick(TObject* sender);
    void SettBtnClick(TObject* sender);
    void BatchBtnClick(TObject* sender);
    void ABtnClick(TObject* sender);

    TNotifyEvent FindMethod(const AnsiString& name) override;

private:
    // Sizes the tile control and composes the tile from the source and mask pictures.
    void ComposeTile(int width, int height);
    void BindFields();

    AnsiString ProgramDir; // the program's directory, with its separator
};

// The main window, as the application created it.
extern TMainForm* MainForm;

// What the About command shows.
extern const AnsiString kAboutText;
