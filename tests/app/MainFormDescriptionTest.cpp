// SPDX-License-Identifier: MIT
// The main window's stored layout, read headless into a plain form: every class, property
// and handler name in it must be known to the reader. Where each control sits is the
// window tests' business; here it is what the reader binds.
#include "platform/vcl/components/FormReader.h"
#include "platform/vcl/forms/Forms.h"
#include "widgets/SpeedButton.h"
#include "widgets/ToolEdit.h"

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
        RegisterToolEditClasses();
        RegisterSpeedCtrls();
        ReadComponentText(this, StoredLayout());
    }
    const char* ClassName() const override { return "TMainForm"; }

    TNotifyEvent FindMethod(const AnsiString& name) override
    {
        static const char* const kHandlers[]
            = { "FormCreate", "OpenBtnClick", "GenBtnClick", "SaveBtnClick", "MaskBtnClick", "SettBtnClick",
                  "BatchBtnClick", "ABtnClick", "PreviewBtnClick", "ProjectionBtnClick" };
        for (const char* handler : kHandlers)
            if (name == handler)
                return [this, handler](TObject*) { Ran.push_back(handler); };
        return {};
    }

    std::vector<AnsiString> Ran;
};

} // namespace

TEST(MainFormDescription, ReadsWithEveryEventBoundToItsHandler)
{
    TStoredForm form;
    ASSERT_TRUE(form.OnCreate);
    form.OnCreate(&form);
    const std::pair<const char*, const char*> clicks[] = {
        { "OpenBtn", "OpenBtnClick" },
        { "GenBtn", "GenBtnClick" },
        { "SaveBtn", "SaveBtnClick" },
        { "MaskBtn", "MaskBtnClick" },
        { "BatchBtn", "BatchBtnClick" },
        { "SettBtn", "SettBtnClick" },
        { "ABtn", "ABtnClick" },
        { "PreviewBtn", "PreviewBtnClick" },
        { "StretchBtn", "ProjectionBtnClick" },
        { "IsoBtn", "ProjectionBtnClick" },
        { "BlockBtn", "ProjectionBtnClick" },
        { "wEdt", nullptr },
        { "SettGroup", nullptr },
        { "IsoImg", nullptr },
    };
    std::vector<AnsiString> expected { "FormCreate" };
    for (const auto& [name, handler] : clicks) {
        auto* control = dynamic_cast<TControl*>(form.FindComponent(name));
        ASSERT_NE(control, nullptr) << name;
        control->Click();
        if (handler)
            expected.push_back(handler);
    }
    EXPECT_EQ(form.Ran, expected);
    EXPECT_EQ(form.ComponentCount(), 36) << "every control and both dialogs";
}
