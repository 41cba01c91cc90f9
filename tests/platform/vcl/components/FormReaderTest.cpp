// SPDX-License-Identifier: MIT
#include "platform/vcl/components/FormReader.h"

#include "platform/vcl/standardcontrols/ExtCtrls.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

// Records what it saw: its state whenever Mark is set, and the order of Loaded calls.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TProbe"; }

    void SetMark(int value)
    {
        FMark = value;
        StateAtMark = ComponentState();
        OwnerStateAtMark = Owner() ? Owner()->ComponentState() : 0;
    }
    int Mark() const { return FMark; }
    void Loaded() override
    {
        LoadLog().push_back(Name() + (ComponentState() & csReading ? " reading" : ""));
        TComponent::Loaded();
    }

    static std::vector<AnsiString>& LoadLog()
    {
        static std::vector<AnsiString> log;
        return log;
    }

    TComponentState StateAtMark = 0;
    TComponentState OwnerStateAtMark = 0;

private:
    int FMark = 0;
};

class TAbstractThing : public TComponent {
public:
    using TComponent::TComponent;
};

void RegisterProbes();

class TProbeForm : public TWinControl {
public:
    TProbeForm()
        : TWinControl(nullptr)
    {
        RegisterProbes();
    }
    const char* ClassName() const override { return "TProbeForm"; }

    TNotifyEvent FindMethod(const AnsiString& name) override
    {
        static const TMethodTable<TProbeForm> methods { { "OkClick", &TProbeForm::OkClick } };
        return methods.Find(this, name);
    }
    TComponent** FieldAddress(const AnsiString& name) override
    {
        return SameText(name, "OkBtn") ? &OkBtn : nullptr;
    }
    void Loaded() override
    {
        TProbe::LoadLog().push_back(Name());
        TWinControl::Loaded();
    }

    void OkClick(TObject* sender) { Clicks.push_back(sender); }

    TComponent* OkBtn = nullptr;
    std::vector<TObject*> Clicks;
};

void RegisterProbes()
{
    RegisterComponentClass<TProbe>("TProbe", "TComponent").Integer<TProbe>("Mark", &TProbe::SetMark);
    RegisterAbstractClass<TProbeForm>("TProbeForm", "TWinControl");
    RegisterAbstractClass<TAbstractThing>("TAbstractThing", "TComponent");
}

AnsiString ReadError(TComponent* root, std::string_view text)
{
    try {
        ReadComponentText(root, text);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return "no error";
}

template <class T> T* Find(TComponent& root, const char* name)
{
    return dynamic_cast<T*>(root.FindComponent(name));
}

} // namespace

TEST(FormReader, BuildsControlsWithTheirPropertiesAndParents)
{
    TProbeForm form;
    ReadComponentText(&form,
        "object ProbeForm: TProbeForm\n"
        "  Color = clBtnFace\n"
        "  Font.Height = -11\n"
        "  Font.Name = 'MS Sans Serif'\n"
        "  Font.Style = [fsBold]\n"
        "  object Box: TGroupBox\n"
        "    Left = 0\n"
        "    Top = 160\n"
        "    Width = 385\n"
        "    Height = 97\n"
        "    Caption = 'Settings:'\n"
        "    Visible = False\n"
        "    object WidthEdit: TEdit\n"
        "      Left = 72\n"
        "      Top = 32\n"
        "      Width = 121\n"
        "      Height = 21\n"
        "      Text = '128'\n"
        "      MaxLength = 4\n"
        "    end\n"
        "  end\n"
        "  object Picture: TImage\n"
        "    Stretch = True\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(form.Name(), "ProbeForm");
    EXPECT_EQ(form.Color(), clBtnFace);
    EXPECT_EQ(form.Font()->Style(), TFontStyles(fsBold));

    auto* box = Find<TGroupBox>(form, "Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Owner(), &form);
    EXPECT_EQ(box->Parent(), &form);
    EXPECT_EQ(box->BoundsRect(), Bounds(0, 160, 385, 97));
    EXPECT_EQ(box->Caption(), "Settings:");
    EXPECT_FALSE(box->Visible());
    EXPECT_EQ(box->Color(), clBtnFace) << "the parent colour arrives once loaded";
    EXPECT_EQ(box->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(box->Font()->Style(), TFontStyles(fsBold)) << "so does the parent font";

    auto* edit = Find<TEdit>(form, "WidthEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Owner(), &form) << "the root owns every component";
    EXPECT_EQ(edit->Parent(), box);
    EXPECT_EQ(edit->Text(), "128");
    EXPECT_EQ(edit->MaxLength(), 4);
    EXPECT_EQ(edit->Color(), clWindow) << "an edit keeps its own colour";

    auto* picture = Find<TImage>(form, "Picture");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->Stretch());
}

TEST(FormReader, ColoursAreNamesOrThirtyTwoBitNumbersEitherSigned)
{
    TProbeForm form;
    ReadComponentText(&form,
        "object ProbeForm: TProbeForm\n"
        "  object A: TLabel\n    Color = $80000005\n  end\n"
        "  object B: TLabel\n    Color = -2147483643\n  end\n"
        "  object C: TLabel\n    Color = 255\n  end\n"
        "  object D: TLabel\n    Color = clbtnface\n  end\n"
        "end\n");
    EXPECT_EQ(Find<TLabel>(form, "A")->Color(), clWindow);
    EXPECT_EQ(Find<TLabel>(form, "B")->Color(), clWindow);
    EXPECT_EQ(Find<TLabel>(form, "C")->Color(), clRed);
    EXPECT_EQ(Find<TLabel>(form, "D")->Color(), clBtnFace);
}

TEST(FormReader, EventsAreBoundToTheRootsMethodsAndFieldsFilled)
{
    TProbeForm form;
    ReadComponentText(&form,
        "object ProbeForm: TProbeForm\n"
        "  object OkBtn: TButton\n"
        "    OnClick = okclick\n"
        "  end\n"
        "end\n");
    auto* button = Find<TButton>(form, "OkBtn");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(form.OkBtn, button);
    button->Click();
    EXPECT_EQ(form.Clicks, (std::vector<TObject*> { button }));
}

TEST(FormReader, TabOrderIsSettledOnceEverySiblingExists)
{
    TProbeForm form;
    ReadComponentText(&form,
        "object ProbeForm: TProbeForm\n"
        "  object InDir: TEdit\n"
        "    TabOrder = 1\n"
        "  end\n"
        "  object OutDir: TEdit\n"
        "    TabOrder = 0\n"
        "  end\n"
        "  object wEdt: TEdit\n"
        "    TabOrder = 2\n"
        "  end\n"
        "end\n");
    EXPECT_EQ(Find<TEdit>(form, "OutDir")->TabOrder(), 0);
    EXPECT_EQ(Find<TEdit>(form, "InDir")->TabOrder(), 1);
    EXPECT_EQ(Find<TEdit>(form, "wEdt")->TabOrder(), 2);
}

TEST(FormReader, ComponentsLoadWhileReadingAndLoadedRunsAfterwardsRootFirst)
{
    TProbe::LoadLog().clear();
    TProbeForm form;
    ReadComponentText(&form,
        "object ProbeForm: TProbeForm\n"
        "  object First: TProbe\n"
        "    Mark = 1\n"
        "    object Inner: TProbe\n"
        "      Mark = 2\n"
        "    end\n"
        "  end\n"
        "  object Second: TProbe\n"
        "    Mark = 3\n"
        "  end\n"
        "end\n");
    auto* first = Find<TProbe>(form, "First");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Mark(), 1);
    EXPECT_EQ(first->StateAtMark & (csLoading | csReading), csLoading | csReading);
    EXPECT_EQ(first->OwnerStateAtMark & (csLoading | csReading), csLoading | csReading);
    EXPECT_EQ(TProbe::LoadLog(), (std::vector<AnsiString> { "ProbeForm", "First", "Inner", "Second" }))
        << "nobody is still reading when Loaded runs";
    for (TComponent* component : { static_cast<TComponent*>(&form), form.FindComponent("Inner") })
        EXPECT_EQ(component->ComponentState() & (csLoading | csReading), 0);
}

TEST(FormReader, TheRootTakesTheTablesOfTheNearestRegisteredClassItDerivesFrom)
{
    TProbeForm form;
    ReadComponentText(&form, "object Designed: TUnregisteredForm\n  Width = 50\nend\n");
    EXPECT_EQ(form.Width(), 50);
}

struct ReadErrorCase {
    const char* name;
    const char* body;
    const char* message;
};

class FormReaderErrors : public testing::TestWithParam<ReadErrorCase> { };

TEST_P(FormReaderErrors, RaiseEReadErrorNamingLineAndProperty)
{
    TProbeForm form;
    const AnsiString text = AnsiString("object ProbeForm: TProbeForm\n") + GetParam().body + "end\n";
    EXPECT_EQ(ReadError(&form, text), GetParam().message);
    for (int index = 0; index < form.ComponentCount(); ++index)
        EXPECT_EQ(form.Components(index)->ComponentState() & (csLoading | csReading), 0)
            << "a failed read leaves nothing half loaded";
    EXPECT_EQ(form.ComponentState() & (csLoading | csReading), 0);
}

INSTANTIATE_TEST_SUITE_P(FormReader, FormReaderErrors,
    testing::Values(ReadErrorCase { "UnknownClass", "  object X: TNoSuchThing\n  end\n",
                        "Line 2: Class TNoSuchThing not found" },
        ReadErrorCase { "AbstractClass", "  object X: TAbstractThing\n  end\n",
            "Line 2: Class TAbstractThing cannot be created from a form description" },
        ReadErrorCase { "UnknownProperty", "  object OkBtn: TButton\n    Widht = 3\n  end\n",
            "Line 3: Error reading OkBtn.Widht: Property Widht does not exist in TButton" },
        ReadErrorCase { "PropertyOfAnotherClass", "  object L: TLabel\n    Text = 'x'\n  end\n",
            "Line 3: Error reading L.Text: Property Text does not exist in TLabel" },
        ReadErrorCase { "StringForANumber", "  object OkBtn: TButton\n    Width = '73'\n  end\n",
            "Line 3: Error reading OkBtn.Width: A number expected but the string '73' found" },
        ReadErrorCase { "NumberForABoolean", "  object OkBtn: TButton\n    Visible = 1\n  end\n",
            "Line 3: Error reading OkBtn.Visible: True or False expected but the number 1 found" },
        ReadErrorCase { "UnknownEnumeration", "  object L: TLabel\n    Alignment = taMiddle\n  end\n",
            "Line 3: Error reading L.Alignment: Unknown value taMiddle" },
        ReadErrorCase { "UnknownSetElement", "  Font.Style = [fsBold, fsBlink]\n",
            "Line 2: Error reading ProbeForm.Font.Style: Unknown set element fsBlink" },
        ReadErrorCase { "UnknownColour", "  Color = clPlaid\n",
            "Line 2: Error reading ProbeForm.Color: Unknown colour clPlaid" },
        ReadErrorCase { "NumberOutOfRange", "  Width = 3000000000\n",
            "Line 2: Error reading ProbeForm.Width: The number 3000000000 is out of range" },
        ReadErrorCase { "ColourOutOfRange", "  Color = $100000000\n",
            "Line 2: Error reading ProbeForm.Color: The colour 4294967296 is out of range" },
        ReadErrorCase { "SetterRefusesTheValue", "  object E: TEdit\n    MaxLength = -1\n  end\n",
            "Line 3: Error reading E.MaxLength: The maximum length of an edit cannot be negative" },
        ReadErrorCase { "UnknownMethod", "  object OkBtn: TButton\n    OnClick = OkClik\n  end\n",
            "Line 3: Error reading OkBtn.OnClick: Method OkClik not found" },
        ReadErrorCase { "EventWithAString", "  object OkBtn: TButton\n    OnClick = 'OkClick'\n  end\n",
            "Line 3: Error reading OkBtn.OnClick: a method name expected but the string 'OkClick' found" },
        ReadErrorCase { "DuplicateName", "  object A: TButton\n  end\n  object a: TButton\n  end\n",
            "Line 4: Error reading a: A component named a already exists" },
        ReadErrorCase { "SyntaxError", "  Width = \n", "Line 3: value expected but 'end' found" }),
    [](const testing::TestParamInfo<ReadErrorCase>& row) { return std::string(row.param.name); });
