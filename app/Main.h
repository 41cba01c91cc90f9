// SPDX-License-Identifier: MIT
// The main window: the source, mask and tile pictures, the commands that load, compose,
// save, batch and preview them, and the settings panel with the tile size, projection,
// batch directories and formats, remembered between runs.
#pragma once

#include "app/ButtonChoice.h"
#include "app/PreviewForm.h"
#include "app/TilesetOptionsForm.h"
#include "app/WindowSettings.h"
#include "platform/rtl/SettingsStore.h"
#include "platform/vcl/components/ComponentGuard.h"
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
    TLabel* ProjLbl = nullptr;
    TSpeedButton* StretchBtn = nullptr;
    TSpeedButton* IsoBtn = nullptr;
    TSpeedButton* BlockBtn = nullptr;
    TLabel* DepthLbl = nullptr;
    TEdit* dEdt = nullptr;
    TLabel* SourcesLbl = nullptr;
    TSpeedButton* BmpSourcesBtn = nullptr;
    TSpeedButton* PngSourcesBtn = nullptr;
    TLabel* TilesLbl = nullptr;
    TSpeedButton* BmpTilesBtn = nullptr;
    TSpeedButton* PngTilesBtn = nullptr;
    TButton* PreviewBtn = nullptr;

    void FormCreate(TObject* sender);
    void OpenBtnClick(TObject* sender);
    void GenBtnClick(TObject* sender);
    void SaveBtnClick(TObject* sender);
    void MaskBtnClick(TObject* sender);
    void SettBtnClick(TObject* sender);
    void BatchBtnClick(TObject* sender);
    void ABtnClick(TObject* sender);
    void PreviewBtnClick(TObject* sender);
    void ProjectionBtnClick(TObject* sender);

    TNotifyEvent FindMethod(const AnsiString& name) override;
    // The commands and the panel's choices from the keyboard; see MainShortCuts.cpp.
    bool IsShortCut(TShortCut shortCut) override;

    // Opens a picture file as the source, as Open does with the file chosen; for files
    // dropped on the window.
    void OpenSource(const AnsiString& fileName);
    // The settings as the window shows them now.
    TWindowSettings Settings() const;
    // The preview window once Preview made it, else nullptr.
    TForm* PreviewWindow() const { return FPreview.get(); }
    // The sheet's layout Save tileset... asks for, made when first asked for; it keeps the
    // values last accepted for the rest of the run.
    TTilesetOptionsForm* TilesetOptions();

    static const TMessageTable& Messages();
    const TMessageTable& MessageTable() const override { return Messages(); }

protected:
    void DoClose(TCloseAction& action) override;

private:
    // Sizes the tile control and composes the tile from the source and mask pictures; a
    // block's side faces are depth high (0: height).
    void ComposeTile(int width, int height, int depth);
    // The depth edit is for blocks only.
    void EnableDepth();
    // The block depth the edit names, checked; 0 for the default or another projection.
    int Depth() const;
    void BindFields();
    void ApplySettings(const TWindowSettings& settings);
    // Puts the window at its remembered place, else where it was designed to be, wholly on
    // the screen's work area.
    void PlaceOnScreen(const std::optional<TPoint>& remembered);
    void LoadMask(const AnsiString& maskFile);
    // Writes the settings when they changed; quietly unless reportFailure.
    void RememberSettings(bool reportFailure);
    void WMDropFiles(TMessage& message);
    // Converts the batch's input folder into PNG tiles with a sheet and its descriptions, as
    // durnik-batch --sheet does, into the folder of the tileset the user names.
    void SaveTileset();

    AnsiString ProgramDir; // the program's directory, with its separator
    AnsiString FMaskFile; // the mask loaded by the user; empty for the default one
    AnsiString FOpenDir; // the folders the dialogs last showed; empty before
    AnsiString FSaveDir;
    TButtonChoice<TTileProjection> FProjection;
    TButtonChoice<TSourceFormats> FSources;
    TButtonChoice<TTileFormat> FTiles;
    TPictureTile FTile;
    std::unique_ptr<TSettingsStore> FSettings;
    TWindowSettings FLastGood; // what is written in place of a value typed that does not parse
    std::optional<TWindowSettings> FWritten; // what the settings file holds since this window wrote it
    TGuardedPtr<TPreviewForm> FPreview; // owned by the window; null once the user closed it
    TSaveDialog* FTilesetDlg = nullptr; // owned by the window; made when first asked for
    TTilesetOptionsForm* FTilesetOptions = nullptr; // owned by the window; made when first asked for
};

// The main window, as the application created it.
extern TMainForm* MainForm;

// What the About command shows.
extern const AnsiString kAboutText;
