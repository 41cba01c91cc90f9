// SPDX-License-Identifier: MIT
#include "app/Main.h"

#include "app/MainDescription.h"
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/forms/Application.h"
#include "resources/Version.h"
#include "tile/BatchConverter.h"
#include "tile/TileComposer.h"

TMainForm* MainForm = nullptr;

// The release named by its first two numbers, as the About box has always shown it.
const AnsiString kAboutText = AnsiString("Durnik ") + kShortVersion + ", isometric tiles by the Durnik developers";

namespace {

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
    };
    if (TNotifyEvent method = methods.Find(this, name))
        return method;
    return TForm::FindMethod(name);
}

void TMainForm::FormCreate(TObject*)
{
    ProgramDir = ExtractFilePath(Application->ExeName());
    const AnsiString maskFile = ProgramDir + "mask\\iso.bmp";
    if (FileExists(maskFile))
        MaskImg->Picture()->LoadFromFile(maskFile);
}

void TMainForm::OpenBtnClick(TObject*)
{
    OpenDlg->SetInitialDir(ProgramDir + "bmp");
    if (OpenDlg->Execute())
        BMPImg->Picture()->LoadFromFile(OpenDlg->FileName());
}

void TMainForm::ComposeTile(int width, int height)
{
    IsoImg->SetWidth(width);
    IsoImg->SetHeight(height);
    ::ComposeTile(*BMPImg->Picture(), *MaskImg->Picture(), *IsoImg->Picture(), width, height);
}

void TMainForm::GenBtnClick(TObject*)
{
    const int width = StrToInt(wEdt->Text());
    const int height = StrToInt(hEdt->Text());
    ComposeTile(width, height);
}

void TMainForm::SaveBtnClick(TObject*)
{
    SaveDlg->SetInitialDir(ProgramDir);
    if (SaveDlg->Execute())
        IsoImg->Picture()->SaveToFile(SaveDlg->FileName());
}

void TMainForm::MaskBtnClick(TObject*)
{
    if (OpenDlg->Execute())
        MaskImg->Picture()->LoadFromFile(OpenDlg->FileName());
}

void TMainForm::SettBtnClick(TObject*)
{
    SettGroup->SetVisible(!SettGroup->Visible());
    // The panel is shown exactly while the window sizes itself to its controls.
    TForm* window = MainForm ? static_cast<TForm*>(MainForm) : this;
    window->SetAutoSize(!window->AutoSize());
}

void TMainForm::BatchBtnClick(TObject*)
{
    const int width = StrToInt(wEdt->Text());
    const int height = StrToInt(hEdt->Text());
    const TBatchResult result = RunBatch(InDir->Text(), OutDir->Text(),
        [this, width, height](const AnsiString& sourceFile, const AnsiString& tileFile) {
            BMPImg->Picture()->LoadFromFile(sourceFile);
            ComposeTile(width, height);
            IsoImg->Picture()->SaveToFile(tileFile);
        });
    if (!result.message.empty())
        ShowMessage(result.message);
}

void TMainForm::ABtnClick(TObject*)
{
    ShowMessage(kAboutText);
}
