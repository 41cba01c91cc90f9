// SPDX-License-Identifier: MIT
// The published properties and events of the toolkit's own controls.
#include "platform/vcl/components/ClassRegistry.h"
#include "platform/vcl/standardcontrols/ExtCtrls.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"

namespace {

const TIdentTable& CursorNames()
{
    static const TIdentTable names = {
        { "crDefault", crDefault },
        { "crNone", crNone },
        { "crArrow", crArrow },
        { "crCross", crCross },
        { "crIBeam", crIBeam },
        { "crSizeNESW", crSizeNESW },
        { "crSizeNS", crSizeNS },
        { "crSizeNWSE", crSizeNWSE },
        { "crSizeWE", crSizeWE },
        { "crUpArrow", crUpArrow },
        { "crHourGlass", crHourGlass },
        { "crDrag", crDrag },
        { "crNoDrop", crNoDrop },
        { "crHSplit", crHSplit },
        { "crVSplit", crVSplit },
        { "crMultiDrag", crMultiDrag },
        { "crSQLWait", crSQLWait },
        { "crNo", crNo },
        { "crAppStart", crAppStart },
        { "crHelp", crHelp },
        { "crHandPoint", crHandPoint },
        { "crSizeAll", crSizeAll },
    };
    return names;
}

// A cursor is stored by name when it has one, else by number.
int CursorValue(const TFormValue& value)
{
    return value.Kind == TFormValueKind::Integer ? IntegerValue(value) : IdentValue(value, CursorNames());
}

int CharsetValue(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Integer)
        return IntegerValue(value);
    return IdentValue(value,
        { { "ANSI_CHARSET", 0 }, { "DEFAULT_CHARSET", 1 }, { "SYMBOL_CHARSET", 2 },
            { "EASTEUROPE_CHARSET", 238 }, { "RUSSIAN_CHARSET", 204 }, { "GREEK_CHARSET", 161 },
            { "TURKISH_CHARSET", 162 }, { "BALTIC_CHARSET", 186 }, { "OEM_CHARSET", 255 } });
}

const TIdentTable kFontStyles = { { "fsBold", fsBold }, { "fsItalic", fsItalic },
    { "fsUnderline", fsUnderline }, { "fsStrikeOut", fsStrikeOut } };

void RegisterControl()
{
    RegisterAbstractClass<TComponent>("TComponent", "").Integer<TComponent>("Tag", &TComponent::SetTag);

    TComponentClass& control = RegisterAbstractClass<TControl>("TControl", "TComponent");
    control.Integer<TControl>("Left", &TControl::SetLeft);
    control.Integer<TControl>("Top", &TControl::SetTop);
    control.Integer<TControl>("Width", &TControl::SetWidth);
    control.Integer<TControl>("Height", &TControl::SetHeight);
    control.Integer<TControl>("ClientWidth", &TControl::SetClientWidth);
    control.Integer<TControl>("ClientHeight", &TControl::SetClientHeight);
    control.Boolean<TControl>("Visible", &TControl::SetVisible);
    control.Boolean<TControl>("Enabled", &TControl::SetEnabled);
    control.Color<TControl>("Color", &TControl::SetColor);
    control.Boolean<TControl>("ParentColor", &TControl::SetParentColor);
    control.Boolean<TControl>("ParentFont", &TControl::SetParentFont);
    control.String<TControl>("Hint", &TControl::SetHint);
    control.Boolean<TControl>("ShowHint", &TControl::SetShowHint);
    control.AddProperty("Cursor", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Cursor").SetCursor(CursorValue(value));
    });
    control.AddProperty("Font.Charset", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Charset")
            .Font()
            ->SetCharset(std::uint8_t(CharsetValue(value)));
    });
    control.AddProperty("Font.Color", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Color").Font()->SetColor(ColorValue(value));
    });
    control.AddProperty("Font.Height", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Height").Font()->SetHeight(IntegerValue(value));
    });
    control.AddProperty("Font.Size", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Size").Font()->SetSize(IntegerValue(value));
    });
    control.AddProperty("Font.Name", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Name").Font()->SetName(StringValue(value));
    });
    control.AddProperty("Font.Style", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TControl>(component, "Font.Style")
            .Font()
            ->SetStyle(TFontStyles(SetValue(value, kFontStyles)));
    });
    control.Event<TControl>("OnClick", &TControl::OnClick);
    control.Event<TControl>("OnDblClick", &TControl::OnDblClick);

    TComponentClass& window = RegisterAbstractClass<TWinControl>("TWinControl", "TControl");
    window.Integer<TWinControl>("TabOrder", &TWinControl::SetTabOrder);
    window.Boolean<TWinControl>("TabStop", &TWinControl::SetTabStop);
    window.Integer<TWinControl>("HelpContext", &TWinControl::SetHelpContext);

    RegisterAbstractClass<TGraphicControl>("TGraphicControl", "TControl");
    RegisterAbstractClass<TCustomControl>("TCustomControl", "TWinControl");
}

void RegisterStdCtrls()
{
    TComponentClass& button = RegisterComponentClass<TButton>("TButton", "TWinControl");
    button.String<TControl>("Caption", &TControl::SetCaption);
    button.Boolean<TButton>("Default", &TButton::SetDefault);
    button.Boolean<TButton>("Cancel", &TButton::SetCancel);
    button.AddProperty("ModalResult", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TButton>(component, "ModalResult").SetModalResult(ModalResultValue(value));
    });

    TComponentClass& edit = RegisterAbstractClass<TCustomEdit>("TCustomEdit", "TWinControl");
    edit.String<TControl>("Text", &TControl::SetText);
    edit.Integer<TCustomEdit>("MaxLength", &TCustomEdit::SetMaxLength);
    edit.Boolean<TCustomEdit>("ReadOnly", &TCustomEdit::SetReadOnly);
    edit.Boolean<TCustomEdit>("AutoSelect", &TCustomEdit::SetAutoSelect);
    edit.Boolean<TCustomEdit>("Ctl3D", &TCustomEdit::SetCtl3D);
    edit.Boolean<TCustomEdit>("OEMConvert", &TCustomEdit::SetOEMConvert);
    edit.Ident<TCustomEdit, TBorderStyle>(
        "BorderStyle", &TCustomEdit::SetBorderStyle, { { "bsNone", bsNone }, { "bsSingle", bsSingle } });
    edit.Event<TCustomEdit>("OnChange", &TCustomEdit::OnChange);
    RegisterComponentClass<TEdit>("TEdit", "TCustomEdit");
    RegisterAbstractClass<TCustomMaskEdit>("TCustomMaskEdit", "TCustomEdit")
        .String<TCustomMaskEdit>("EditMask", &TCustomMaskEdit::SetEditMask);
    RegisterComponentClass<TMaskEdit>("TMaskEdit", "TCustomMaskEdit");

    TComponentClass& label = RegisterComponentClass<TLabel>("TLabel", "TGraphicControl");
    label.String<TControl>("Caption", &TControl::SetCaption);
    label.Boolean<TLabel>("AutoSize", &TLabel::SetAutoSize);
    label.Ident<TLabel, TAlignment>("Alignment", &TLabel::SetAlignment,
        { { "taLeftJustify", taLeftJustify }, { "taRightJustify", taRightJustify },
            { "taCenter", taCenter } });
    label.Boolean<TLabel>("WordWrap", &TLabel::SetWordWrap);
    label.Boolean<TLabel>("ShowAccelChar", &TLabel::SetShowAccelChar);
    label.Boolean<TLabel>("Transparent", &TLabel::SetTransparent);

    RegisterComponentClass<TGroupBox>("TGroupBox", "TCustomControl")
        .String<TControl>("Caption", &TControl::SetCaption);
}

void RegisterExtCtrls()
{
    TComponentClass& image = RegisterComponentClass<TImage>("TImage", "TGraphicControl");
    image.Boolean<TImage>("Stretch", &TImage::SetStretch);
    image.Boolean<TImage>("AutoSize", &TImage::SetAutoSize);
}

} // namespace

void RegisterControlClasses()
{
    RegisterControl();
    RegisterStdCtrls();
    RegisterExtCtrls();
}
