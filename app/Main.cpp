// SPDX-License-Identifier: MIT
#include "app/Main.h"

#include "app/MainDescription.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/controls/MessageTable.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Screen.h"
#include "platform/win32/shell/ShellApi.h"
#include "resources/Version.h"
#include "support/FileUtil.h"
#include "tile/BatchConverter.h"
#include "tile/TileFormats.h"

TMainForm* MainForm = nullptr;

// The release named by its first two numbers, as the About box has always shown it.
const AnsiString kAboutText
    = AnsiString("Durnik ") + kShortVersion + ", isometric tiles by the Durnik developers";

namespace {

// The folder of a file name, without its separator.
AnsiString FolderOf(const AnsiString& fileName)
{
    return TrimTrailingBackslash(ExtractFilePath(fileName));
}

// The control of that name read from the layout, of the class the window expects.
template <class Component> Component* Find(TComponent* root, const char* name)
{
    auto* component = dynamic_cast<Component*>(root->FindComponent(name));
    if (!component)
        throw EReadError(AnsiString("The main window's layout has no suitable component ") + name);
    return component;
}

} // namespace

TMainForm::TMainForm(TComponent* owner)
    : TForm(owner)
{
    RegisterToolEditClasses();
    RegisterSpeedCtrls();
    ReadComponentText(this, kMainFormDescription);
    BindFields();
}

void TMainForm::BindFields()
{
    IsoImg = Find<TImage>(this, "IsoImg");
    OpenBtn = Find<TButton>(this, "OpenBtn");
    GenBtn = Find<TButton>(this, "GenBtn");
    SaveBtn = Find<TButton>(this, "SaveBtn");
    OpenDlg = Find<TOpenPictureDialog>(this, "OpenDlg");
    MaskImg = Find<TImage>(this, "MaskImg");
    MaskBtn = Find<TButton>(this, "MaskBtn");
    BMPImg = Find<TImage>(this, "BMPImg");
    SaveDlg = Find<TSavePictureDialog>(this, "SaveDlg");
    BatchBtn = Find<TButton>(this, "BatchBtn");
    SettBtn = Find<TButton>(this, "SettBtn");
    SettGroup = Find<TGroupBox>(this, "SettGroup");
    InLbl = Find<TLabel>(this, "InLbl");
    OutLbl = Find<TLabel>(this, "OutLbl");
    BatchLbl = Find<TLabel>(this, "BatchLbl");
    OutDir = Find<TDirectoryEdit>(this, "OutDir");
    InDir = Find<TDirectoryEdit>(this, "InDir");
    ABtn = Find<TButton>(this, "ABtn");
    Label1 = Find<TLabel>(this, "Label1");
    Label2 = Find<TLabel>(this, "Label2");
    Label3 = Find<TLabel>(this, "Label3");
    wEdt = Find<TEdit>(this, "wEdt");
    hEdt = Find<TEdit>(this, "hEdt");
    ProjLbl = Find<TLabel>(this, "ProjLbl");
    StretchBtn = Find<TSpeedButton>(this, "StretchBtn");
    IsoBtn = Find<TSpeedButton>(this, "IsoBtn");
    BlockBtn = Find<TSpeedButton>(this, "BlockBtn");
    DepthLbl = Find<TLabel>(this, "DepthLbl");
    dEdt = Find<TEdit>(this, "dEdt");
    SourcesLbl = Find<TLabel>(this, "SourcesLbl");
    BmpSourcesBtn = Find<TSpeedButton>(this, "BmpSourcesBtn");
    PngSourcesBtn = Find<TSpeedButton>(this, "PngSourcesBtn");
    TilesLbl = Find<TLabel>(this, "TilesLbl");
    BmpTilesBtn = Find<TSpeedButton>(this, "BmpTilesBtn");
    PngTilesBtn = Find<TSpeedButton>(this, "PngTilesBtn");
    PreviewBtn = Find<TButton>(this, "PreviewBtn");
    FProjection.Add(StretchBtn, TTileProjection::Stretch);
    FProjection.Add(IsoBtn, TTileProjection::Iso);
    FProjection.Add(BlockBtn, TTileProjection::Block);
    FSources.Add(BmpSourcesBtn, TSourceFormats::Bmp);
    FSources.Add(PngSourcesBtn, TSourceFormats::BmpAndPng);
    FTiles.Add(BmpTilesBtn, TTileFormat::Bmp);
    FTiles.Add(PngTilesBtn, TTileFormat::Png);
}

const TMessageTable& TMainForm::Messages()
{
    static const TMessageTable table(&TForm::Messages(),
        {
            { WM_DROPFILES, &MessageHandler<TMainForm, &TMainForm::WMDropFiles> },
        });
    return table;
}

TNotifyEvent TMainForm::FindMethod(const AnsiString& name)
{
    static const TMethodTable<TMainForm> methods {
        { "FormCreate", &TMainForm::FormCreate },
        { "OpenBtnClick", &TMainForm::OpenBtnClick },
        { "GenBtnClick", &TMainForm::GenBtnClick },
        { "SaveBtnClick", &TMainForm::SaveBtnClick },
        { "MaskBtnClick", &TMainForm::MaskBtnClick },
        { "SettBtnClick", &TMainForm::SettBtnClick },
        { "BatchBtnClick", &TMainForm::BatchBtnClick },
        { "ABtnClick", &TMainForm::ABtnClick },
        { "PreviewBtnClick", &TMainForm::PreviewBtnClick },
        { "ProjectionBtnClick", &TMainForm::ProjectionBtnClick },
    };
    if (TNotifyEvent method = methods.Find(this, name))
        return method;
    return TForm::FindMethod(name);
}

void TMainForm::FormCreate(TObject*)
{
    ProgramDir = ExtractFilePath(Application->ExeName());
    FSettings = OpenSettingsStore(UserSettingsFile("durnik"));
    const TWindowSettings settings = ReadWindowSettings(*FSettings);
    FLastGood = settings;
    ApplySettings(settings);
    DragAcceptFiles(Handle(), TRUE);
    if (!settings.maskFile.empty()) {
        try {
            LoadMask(settings.maskFile);
            return;
        } catch (const Exception&) {
            // A remembered mask that no longer loads gives way to the default one.
        }
    }
    const AnsiString maskFile = ProgramDir + "mask\\iso.bmp";
    if (FileExists(maskFile))
        MaskImg->Picture()->LoadFromFile(maskFile);
}

void TMainForm::ApplySettings(const TWindowSettings& settings)
{
    wEdt->SetText(settings.width);
    hEdt->SetText(settings.height);
    // A speed button releases the others of its group only once their panel has a window.
    SettGroup->HandleNeeded();
    FProjection.Choose(settings.projection);
    dEdt->SetText(settings.depth);
    EnableDepth();
    FSources.Choose(settings.sources);
    FTiles.Choose(settings.tiles);
    InDir->SetText(settings.inputDirectory);
    OutDir->SetText(settings.outputDirectory);
    FOpenDir = settings.openDirectory;
    FSaveDir = settings.saveDirectory;
    // Mask starts where Open last was, as it shares Open's dialog.
    if (!FOpenDir.empty())
        OpenDlg->SetInitialDir(FOpenDir);
    PlaceOnScreen(settings.position);
}

void TMainForm::PlaceOnScreen(const std::optional<TPoint>& remembered)
{
    const TRect area = Screen->WorkAreaRect();
    if (remembered)
        SetBounds(remembered->x, remembered->y, Width(), Height());
    else if (FittedOrigin(BoundsRect(), area) != Point(Left(), Top()))
        // The designed place suits a screen of its day; on a smaller one, or one whose
        // pixels are larger, the window starts in the middle.
        SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
            Width(), Height());
    // A remembered place may be on a screen that has gone or shrunk since.
    KeepOnScreen();
}

TWindowSettings TMainForm::Settings() const
{
    TWindowSettings settings;
    settings.width = wEdt->Text();
    settings.height = hEdt->Text();
    settings.maskFile = FMaskFile;
    settings.projection = FProjection.Chosen();
    settings.depth = dEdt->Text();
    settings.sources = FSources.Chosen();
    settings.tiles = FTiles.Chosen();
    settings.inputDirectory = InDir->Text();
    settings.outputDirectory = OutDir->Text();
    settings.openDirectory = FOpenDir;
    settings.saveDirectory = FSaveDir;
    settings.position = TPoint { Left(), Top() };
    return settings;
}

void TMainForm::RememberSettings(bool reportFailure)
{
    if (!FSettings)
        return;
    // Generate and the dialogs come often; the file is written only when something changed.
    const TWindowSettings settings = WithLastGoodValues(Settings(), FLastGood);
    FLastGood = settings;
    if (FWritten == settings)
        return;
    WriteWindowSettings(settings, *FSettings);
    try {
        FSettings->Flush();
        FWritten = settings;
    } catch (const Exception& error) {
        // Kept in memory and written with the next change; the user hears of it once, as the
        // window closes, and the window closes all the same.
        if (reportFailure)
            Application->HandleException(error);
    }
}

void TMainForm::DoClose(TCloseAction& action)
{
    TForm::DoClose(action);
    if (action != caNone)
        RememberSettings(true);
}

void TMainForm::LoadMask(const AnsiString& maskFile)
{
    LoadPicture(maskFile, *MaskImg->Picture()->Bitmap());
    FMaskFile = maskFile;
}

void TMainForm::OpenSource(const AnsiString& fileName)
{
    LoadPicture(fileName, *BMPImg->Picture()->Bitmap());
}

void TMainForm::OpenBtnClick(TObject*)
{
    OpenDlg->SetInitialDir(FOpenDir.empty() ? ProgramDir + "bmp" : FOpenDir);
    if (!OpenDlg->Execute())
        return;
    OpenSource(OpenDlg->FileName());
    FOpenDir = FolderOf(OpenDlg->FileName());
    RememberSettings(false);
}

void TMainForm::ComposeTile(int width, int height, int depth)
{
    const TTileProjection projection = FProjection.Chosen();
    IsoImg->SetWidth(width);
    IsoImg->SetHeight(ProjectedTileHeight(projection, height, depth));
    FTile.Compose(BMPImg->Picture()->Graphic(), MaskImg->Picture()->Graphic(), *IsoImg->Picture()->Bitmap(),
        width, height, projection, depth);
    if (FPreview)
        FPreview->ShowTile(FTile.Written(*IsoImg->Picture()->Bitmap(), FTiles.Chosen()));
}

int TMainForm::Depth() const
{
    // Only a block has a depth, so a mistyped one left in the edit hinders no other tile.
    return FProjection.Chosen() == TTileProjection::Block ? BlockDepthOf(dEdt->Text()) : 0;
}

void TMainForm::EnableDepth()
{
    const bool block = FProjection.Chosen() == TTileProjection::Block;
    dEdt->SetEnabled(block);
    DepthLbl->SetEnabled(block);
}

void TMainForm::ProjectionBtnClick(TObject*)
{
    EnableDepth();
}

void TMainForm::GenBtnClick(TObject*)
{
    const int width = StrToInt(wEdt->Text());
    const int height = StrToInt(hEdt->Text());
    ComposeTile(width, height, Depth());
    RememberSettings(false);
}

void TMainForm::SaveBtnClick(TObject*)
{
    SaveDlg->SetInitialDir(FSaveDir.empty() ? ProgramDir : FSaveDir);
    if (!SaveDlg->Execute())
        return;
    const AnsiString fileName = SaveDlg->FileName();
    FTile.Save(*IsoImg->Picture()->Bitmap(), fileName, TileFormatOf(fileName));
    FSaveDir = FolderOf(fileName);
    RememberSettings(false);
}

void TMainForm::MaskBtnClick(TObject*)
{
    if (!OpenDlg->Execute())
        return;
    LoadMask(OpenDlg->FileName());
    FOpenDir = FolderOf(OpenDlg->FileName());
    RememberSettings(false);
}

void TMainForm::SettBtnClick(TObject*)
{
    SettGroup->SetVisible(!SettGroup->Visible());
    // The panel is shown exactly while the window sizes itself to its controls.
    TForm* window = MainForm ? static_cast<TForm*>(MainForm) : this;
    window->SetAutoSize(!window->AutoSize());
    // The panel makes the window taller; all of it stays on the screen.
    window->KeepOnScreen();
}

void TMainForm::BatchBtnClick(TObject*)
{
    const int width = StrToInt(wEdt->Text());
    const int height = StrToInt(hEdt->Text());
    const int depth = Depth();
    const TTileFormat format = FTiles.Chosen();
    const TBatchNames names { SourceExtensions(FSources.Chosen()), TileExtension(format) };
    RememberSettings(false);
    const TBatchResult result = RunBatch(
        InDir->Text(), OutDir->Text(),
        [this, width, height, depth, format](const AnsiString& sourceFile, const AnsiString& tileFile) {
            OpenSource(sourceFile);
            ComposeTile(width, height, depth);
            FTile.Save(*IsoImg->Picture()->Bitmap(), tileFile, format);
        },
        {}, names);
    if (!result.message.empty())
        ShowMessage(result.message);
}

void TMainForm::ABtnClick(TObject*)
{
    ShowMessage(kAboutText);
}

void TMainForm::PreviewBtnClick(TObject*)
{
    if (!FPreview) {
        FPreview = new TPreviewForm(this);
        FPreview->OnSaveTileset = [this](TObject*) { SaveTileset(); };
        // Beside the window, so both are seen at once where the screen has room.
        FPreview->SetBounds(Left() + Width() + 8, Top(), FPreview->Width(), FPreview->Height());
    }
    FPreview->ShowTile(FTile.Written(*IsoImg->Picture()->Bitmap(), FTiles.Chosen()));
    FPreview->Show();
}

void TMainForm::WMDropFiles(TMessage& message)
{
    message.Result = 0;
    const auto drop = reinterpret_cast<HDROP>(message.WParam);
    const ScopeExit finish([drop] { DragFinish(drop); });
    if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 0)
        return;
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    AnsiString fileName(length, '\0');
    DragQueryFileA(drop, 0, fileName.data(), length + 1);
    // The first picture of several is opened, as Open takes one.
    OpenSource(fileName);
    FOpenDir = FolderOf(fileName);
    RememberSettings(false);
}
