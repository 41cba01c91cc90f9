// SPDX-License-Identifier: MIT
// The main window's stored layout, read headless into a plain form: every class, property
// and handler name in it must be known to the reader.
#include "platform/vcl/ExtCtrls.h"
#include "platform/vcl/ExtDlgs.h"
#include "platform/vcl/FormReader.h"
#include "platform/vcl/Forms.h"
#include "platform/vcl/StdCtrls.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

AnsiString StoredLayout()
{
    std::ifstream file(DURNIK_SOURCE_DIR "/app/Main.dfm", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Stands in for the main window: its handlers only note that they ran.
class TStoredForm : public TForm {
public:
    TStoredForm()
        : TForm(nullptr)
    {
        ReadComponentText(this, StoredLayout());
    }
    const char* ClassName() const override { return "TMainForm"; }

    TNotifyEvent FindMethod(const AnsiString& name) override
    {
        static const char* const kHandlers[] = { "FormCreate", "OpenBtnClick", "GenBtnClick", "SaveBtnClick",
            "MaskBtnClick", "SettBtnClick", "BatchBtnClick", "ABtnClick" };
        for (const char* handler : kHandlers)
            if (name == handler)
                return [this, handler](TObject*) { Ran.push_back(handler); };
        return {};
    }

    template <class T> T* Get(const char* name)
    {
        auto* component = dynamic_cast<T*>(FindComponent(name));
        EXPECT_NE(component, nullptr) << name;
        return component;
    }

    std::vector<AnsiString> Ran;
};

struct StoredControl {
    const char* name;
    const char* parent;
    TRect bounds;
    int tabOrder; // -1: windowless
    const char* handler;
};

const StoredControl kControls[] = {
    { "IsoImg", "MainForm", Bounds(136, 80, 209, 73), -1, nullptr },
    { "MaskImg", "MainForm", Bounds(0, 80, 128, 63), -1, nullptr },
    { "BMPImg", "MainForm", Bounds(0, 7, 128, 63), -1, nullptr },
    { "OpenBtn", "MainForm", Bounds(136, 0, 73, 25), 0, "OpenBtnClick" },
    { "SaveBtn", "MainForm", Bounds(208, 0, 73, 25), 2, "SaveBtnClick" },
    { "MaskBtn", "MainForm", Bounds(136, 24, 73, 25), 3, "MaskBtnClick" },
    { "GenBtn", "MainForm", Bounds(136, 48, 73, 25), 1, "GenBtnClick" },
    { "BatchBtn", "MainForm", Bounds(208, 24, 73, 25), 4, "BatchBtnClick" },
    { "SettBtn", "MainForm", Bounds(208, 48, 73, 25), 5, "SettBtnClick" },
    { "SettGroup", "MainForm", Bounds(0, 160, 385, 97), 6, nullptr },
    { "OutDir", "SettGroup", Bounds(256, 64, 121, 21), 0, nullptr },
    { "InDir", "SettGroup", Bounds(256, 32, 121, 21), 1, nullptr },
    { "wEdt", "SettGroup", Bounds(72, 32, 121, 21), 2, nullptr },
    { "hEdt", "SettGroup", Bounds(72, 56, 121, 21), 3, nullptr },
    { "ABtn", "MainForm", Bounds(280, 0, 65, 73), 7, "ABtnClick" },
};

} // namespace

TEST(MainFormDescription, WindowPropertiesAreStored)
{
    TStoredForm form;
    EXPECT_EQ(form.Name(), "MainForm");
    EXPECT_EQ(form.Caption(), "Kalvora ");
    EXPECT_EQ(form.Left(), 309);
    EXPECT_EQ(form.Top(), 211);
    EXPECT_EQ(form.ClientWidth(), 384);
    EXPECT_EQ(form.ClientHeight(), 153);
    EXPECT_EQ(form.BorderStyle(), bsSingle);
    EXPECT_EQ(form.BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form.Font()->Height(), -11);
    EXPECT_EQ(form.Font()->Color(), clWindowText);
    EXPECT_EQ(form.Font()->Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(form.Font()->Style(), 0);
    EXPECT_EQ(form.PixelsPerInch(), 96);
    EXPECT_EQ(form.TextHeight(), 13);
    EXPECT_FALSE(form.AutoSize());
    ASSERT_TRUE(form.OnCreate);
    form.OnCreate(&form);
    EXPECT_EQ(form.Ran, (std::vector<AnsiString> { "FormCreate" }));
}

TEST(MainFormDescription, ControlsHaveTheirPlaceParentTabOrderAndHandler)
{
    TStoredForm form;
    for (const StoredControl& stored : kControls) {
        SCOPED_TRACE(stored.name);
        auto* control = form.Get<TControl>(stored.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->BoundsRect(), stored.bounds);
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(control->Parent()->Name(), stored.parent);
        if (auto* window = dynamic_cast<TWinControl*>(control)) {
            EXPECT_EQ(window->TabOrder(), stored.tabOrder);
        }
        form.Ran.clear();
        control->Click();
        EXPECT_EQ(form.Ran,
            stored.handler ? std::vector<AnsiString> { stored.handler } : std::vector<AnsiString> {});
    }
}

TEST(MainFormDescription, CaptionsTextsAndPictureModes)
{
    TStoredForm form;
    EXPECT_EQ(form.Get<TButton>("OpenBtn")->Caption(), "Open...");
    EXPECT_EQ(form.Get<TButton>("SettBtn")->Caption(), "Settings...");
    EXPECT_EQ(form.Get<TButton>("ABtn")->Caption(), "About");
    EXPECT_EQ(form.Get<TEdit>("wEdt")->Text(), "128");
    EXPECT_EQ(form.Get<TEdit>("hEdt")->Text(), "63");
    EXPECT_EQ(form.Get<TEdit>("InDir")->Text(), "");
    EXPECT_EQ(form.Get<TEdit>("OutDir")->Text(), "");
    auto* group = form.Get<TGroupBox>("SettGroup");
    EXPECT_EQ(group->Caption(), "Settings:");
    EXPECT_FALSE(group->Visible());
    for (const char* label : { "InLbl", "OutLbl", "BatchLbl", "Label1", "Label2", "Label3" })
        EXPECT_EQ(form.Get<TLabel>(label)->Parent(), group) << label;
    EXPECT_EQ(form.Get<TLabel>("OutLbl")->Caption(), "Output:");
    EXPECT_FALSE(form.Get<TImage>("IsoImg")->Stretch());
    EXPECT_TRUE(form.Get<TImage>("MaskImg")->Stretch());
    EXPECT_TRUE(form.Get<TImage>("BMPImg")->Stretch());
}

TEST(MainFormDescription, DialogsKeepTheirTitlesFiltersAndOptions)
{
    TStoredForm form;
    auto* open = form.Get<TOpenPictureDialog>("OpenDlg");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(dynamic_cast<TSavePictureDialog*>(open), nullptr);
    EXPECT_EQ(open->Title(), "Open image");
    EXPECT_EQ(open->DefaultExt(), "*.bmp");
    EXPECT_EQ(open->Filter(), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(open->Options(), TOpenDialog(nullptr).Options()) << "the class defaults";
    EXPECT_EQ(open->InitialDir(), "");
    auto* save = form.Get<TSavePictureDialog>("SaveDlg");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->Title(), "Save image");
    EXPECT_EQ(save->DefaultExt(), "*.bmp");
    EXPECT_EQ(save->Filter(), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(save->Options(), TOpenOptions(ofOverwritePrompt | ofHideReadOnly | ofEnableSizing));
    EXPECT_EQ(save->InitialDir(), "");
}
