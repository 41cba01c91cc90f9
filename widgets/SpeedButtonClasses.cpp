// SPDX-License-Identifier: MIT
// The published properties of the speed button, for form descriptions.
#include "platform/vcl/components/ClassRegistry.h"
#include "widgets/SpeedButton.h"
#include "widgets/StoredGlyph.h"

#include <cstring>

namespace {

void Unsigned16(TComponentClass& type, const AnsiString& name, void (TSpeedButton::*setter)(unsigned))
{
    type.AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
        const int number = IntegerValue(value);
        if (number < 0 || number > 0xFFFF)
            throw EReadError(name + " must lie between 0 and 65535");
        (TComponentClass::Cast<TSpeedButton>(component, name).*setter)(unsigned(number));
    });
}

template <class Setter> void Reference(TComponentClass& type, const AnsiString& name, Setter setter)
{
    type.AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
        if (value.Kind != TFormValueKind::Identifier)
            throw EReadError("A component name expected but " + DescribeFormValue(value) + " found");
        (TComponentClass::Cast<TSpeedButton>(component, name).*setter)(value.Text);
    });
}

} // namespace

void RegisterSpeedCtrls()
{
    if (FindComponentClass("TSpeedButton"))
        return;
    TComponentClass& button = RegisterComponentClass<TSpeedButton>("TSpeedButton", "TGraphicControl");
    button.String<TControl>("Caption", &TControl::SetCaption);
    button.Ident<TSpeedButton, TAlignment>("Alignment", &TSpeedButton::SetAlignment,
        { { "taLeftJustify", taLeftJustify }, { "taRightJustify", taRightJustify },
            { "taCenter", taCenter } });
    button.Boolean<TSpeedButton>("AllowAllUp", &TSpeedButton::SetAllowAllUp);
    button.Boolean<TSpeedButton>("AllowTimer", &TSpeedButton::SetAllowTimer);
    button.Integer<TSpeedButton>("GroupIndex", &TSpeedButton::SetGroupIndex);
    button.Boolean<TSpeedButton>("Down", &TSpeedButton::SetDown);
    Reference(button, "DropDownMenu", &TSpeedButton::SetDropDownMenuName);
    Reference(button, "Action", &TSpeedButton::SetActionName);
    button.Ident<TSpeedButton, TDropDownMenuPos>("MenuPosition", &TSpeedButton::SetMenuPosition,
        { { "dmpBottom", dmpBottom }, { "dmpRight", dmpRight } });
    button.Boolean<TSpeedButton>("Flat", &TSpeedButton::SetFlat);
    button.AddProperty("Glyph.Data", [](TComponent& component, const TFormValue& value) {
        TBitmap glyph;
        ReadStoredGlyph(value, glyph);
        TComponentClass::Cast<TSpeedButton>(component, "Glyph.Data").SetGlyph(&glyph);
    });
    button.Boolean<TSpeedButton>("GrayedInactive", &TSpeedButton::SetGrayedInactive);
    Unsigned16(button, "InitPause", &TSpeedButton::SetInitPause);
    button.Ident<TSpeedButton, TButtonLayout>("Layout", &TSpeedButton::SetLayout,
        { { "blGlyphLeft", blGlyphLeft }, { "blGlyphRight", blGlyphRight }, { "blGlyphTop", blGlyphTop },
            { "blGlyphBottom", blGlyphBottom } });
    button.Integer<TSpeedButton>("Margin", &TSpeedButton::SetMargin);
    button.Boolean<TSpeedButton>("MarkDropDown", &TSpeedButton::SetMarkDropDown);
    button.AddProperty("ModalResult", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TSpeedButton>(component, "ModalResult").SetModalResult(ModalResultValue(value));
    });
    button.Integer<TSpeedButton>("NumGlyphs", &TSpeedButton::SetNumGlyphs);
    Unsigned16(button, "RepeatInterval", &TSpeedButton::SetRepeatInterval);
    button.Integer<TSpeedButton>("Spacing", &TSpeedButton::SetSpacing);
    button.Ident<TSpeedButton, TButtonStyle>("Style", &TSpeedButton::SetStyle,
        { { "bsAutoDetect", bsAutoDetect }, { "bsWin31", bsWin31 }, { "bsNew", bsNew } });
    button.Boolean<TSpeedButton>("Transparent", &TSpeedButton::SetTransparent);
    button.Boolean<TSpeedButton>("WordWrap", &TSpeedButton::SetWordWrap);
    button.Ident<TControl, TBiDiMode>("BiDiMode", &TControl::SetBiDiMode,
        { { "bdLeftToRight", bdLeftToRight }, { "bdRightToLeft", bdRightToLeft },
            { "bdRightToLeftNoAlign", bdRightToLeftNoAlign },
            { "bdRightToLeftReadOnly", bdRightToLeftReadOnly } });
    button.Boolean<TControl>("ParentBiDiMode", &TControl::SetParentBiDiMode);
    button.Boolean<TControl>("ParentShowHint", &TControl::SetParentShowHint);
    button.Event<TControl>("OnMouseDown", &TControl::OnMouseDown);
    button.Event<TControl>("OnMouseMove", &TControl::OnMouseMove);
    button.Event<TControl>("OnMouseUp", &TControl::OnMouseUp);
    button.Event<TSpeedButton>("OnMouseEnter", &TSpeedButton::OnMouseEnter);
    button.Event<TSpeedButton>("OnMouseLeave", &TSpeedButton::OnMouseLeave);
}
