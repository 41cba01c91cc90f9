// SPDX-License-Identifier: MIT
// A directory edit read from a form description: its dialog events bound to the form's
// methods by name, and its help context handed to the dialog it opens.
#include "widgets/ToolEdit.h"

#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Forms.h"
#include "platform/win32/resources/ResourceTable.h"
#include "resources/FolderGlyph.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/widgets/GlyphTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A form publishing one handler of each kind; each notes that it ran and with what.
class TDialogEventsForm : public TForm {
public:
    TDialogEventsForm()
        : TForm(nullptr)
    {
        RegisterBitmapResource("FEDITBMP", FolderGlyph());
        RegisterToolEditClasses();
    }
    const char* ClassName() const override { return "TDialogEventsForm"; }

    TNotifyEvent FindMethod(const AnsiString& name) override { return Methods().Find(this, name); }
    std::any FindEventMethod(const AnsiString& name, const std::type_info& eventType) override
    {
        if (std::any method = Methods().Find(this, name, eventType); method.has_value())
            return method;
        return TForm::FindEventMethod(name, eventType);
    }

    void DirButtonClick(TObject*) { Log.push_back("click"); }
    void DirBeforeDialog(TObject* sender, AnsiString& name, bool&)
    {
        Log.push_back("before " + name);
        Senders.push_back(sender);
        name = StartDir;
    }
    void DirAfterDialog(TObject* sender, AnsiString& name, bool& action)
    {
        Log.push_back("after " + name + (action ? " confirmed" : " cancelled"));
        Senders.push_back(sender);
    }

    std::vector<AnsiString> Log;
    std::vector<TObject*> Senders;
    AnsiString StartDir;

private:
    static const TMethodTable<TDialogEventsForm>& Methods()
    {
        static const TMethodTable<TDialogEventsForm> methods {
            { "DirButtonClick", &TDialogEventsForm::DirButtonClick },
            { "DirBeforeDialog", &TDialogEventsForm::DirBeforeDialog },
            { "DirAfterDialog", &TDialogEventsForm::DirAfterDialog },
        };
        return methods;
    }
};

AnsiString Description(const AnsiString& extraLines)
{
    return "object DialogEventsForm: TDialogEventsForm\n"
           "  object DirEdit: TDirectoryEdit\n"
           "    Left = 8\n"
           "    Top = 8\n"
           "    Width = 121\n"
           "    Height = 21\n"
        + extraLines
        + "  end\n"
          "end\n";
}

AnsiString ReadError(TComponent* root, const AnsiString& text)
{
    try {
        ReadComponentText(root, text);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return "no error";
}

class StoredDirectoryEdit : public ::testing::Test {
protected:
    StoredDirectoryEdit() { TDialogService::Instance().SetScripted(true); }
    ~StoredDirectoryEdit() override { TDialogService::Instance().Reset(); }

    TemporaryDirectory FTemp;
};

} // namespace

TEST_F(StoredDirectoryEdit, DialogEventsBoundByNameRunAroundTheDialogWithTheStoredHelpContext)
{
    TDialogEventsForm form;
    ReadComponentText(&form,
        Description("    HelpContext = 42\n"
                    "    OnButtonClick = DirButtonClick\n"
                    "    OnBeforeDialog = DirBeforeDialog\n"
                    "    OnAfterDialog = DirAfterDialog\n"));
    auto* edit = dynamic_cast<TDirectoryEdit*>(form.FindComponent("DirEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->HelpContext(), 42);
    form.StartDir = FTemp.MakeDirectory("start");
    const std::string chosen = FTemp.MakeDirectory("chosen");
    edit->SetText("typed");

    TDialogService& dialogs = TDialogService::Instance();
    dialogs.PrepareDirectory(true, chosen);
    edit->Button()->Click();
    ASSERT_EQ(dialogs.Calls().size(), 1u);
    EXPECT_EQ(dialogs.Calls()[0].InitialDir, form.StartDir) << "the start the handler gave";
    EXPECT_EQ(dialogs.Calls()[0].HelpContext, 42);
    EXPECT_EQ(
        form.Log, (std::vector<AnsiString> { "click", "before typed", "after " + chosen + " confirmed" }));
    EXPECT_EQ(form.Senders, (std::vector<TObject*> { edit, edit }));
    EXPECT_EQ(edit->Text(), chosen);

    form.Log.clear();
    dialogs.PrepareDirectory(false);
    edit->Button()->Click();
    EXPECT_EQ(form.Log.back(), "after " + form.StartDir + " cancelled");
    EXPECT_EQ(edit->Text(), chosen);
}

TEST_F(StoredDirectoryEdit, WithoutAStoredHelpContextTheDialogGetsNone)
{
    TDialogEventsForm form;
    ReadComponentText(&form, Description(""));
    auto* edit = dynamic_cast<TDirectoryEdit*>(form.FindComponent("DirEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->OnBeforeDialog);
    EXPECT_FALSE(edit->OnAfterDialog);
    edit->Button()->Click();
    ASSERT_EQ(TDialogService::Instance().Calls().size(), 1u);
    EXPECT_EQ(TDialogService::Instance().Calls()[0].HelpContext, 0);
}

TEST_F(StoredDirectoryEdit, AHandlerOfTheWrongShapeIsNotFound)
{
    const struct {
        const char* line;
        const char* error;
    } rows[] = {
        { "    OnBeforeDialog = DirButtonClick\n", "Method DirButtonClick not found" },
        { "    OnButtonClick = DirAfterDialog\n", "Method DirAfterDialog not found" },
        { "    OnAfterDialog = NoSuchMethod\n", "Method NoSuchMethod not found" },
        { "    OnAfterDialog = 'DirAfterDialog'\n", "a method name expected" },
    };
    for (const auto& row : rows) {
        TDialogEventsForm form;
        const AnsiString error = ReadError(&form, Description(row.line));
        EXPECT_NE(error.find(row.error), AnsiString::npos) << row.line << error;
    }
}

TEST_F(StoredDirectoryEdit, AStoredGlyphReplacesTheFolderGlyph)
{
    TDialogEventsForm form;
    auto strip = MakeBitmap(2, 1, { R, G });
    ReadComponentText(&form,
        Description("    GlyphKind = gkCustom\n    Glyph.Data = {" + StoredBitmapData(*strip) + "}\n"));
    auto* edit = dynamic_cast<TDirectoryEdit*>(form.FindComponent("DirEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GlyphKind(), gkCustom);
    EXPECT_EQ(PixelsOf(*edit->Glyph()), (Pixels { R, G }));
    TDialogEventsForm other;
    EXPECT_NE(ReadError(&other, Description("    Glyph.Data = 'text'\n")).find("Binary data expected"),
        AnsiString::npos)
        << "only binary data is a glyph";
}
