// SPDX-License-Identifier: MIT
// The published properties and events of menus and actions.
#include "platform/vcl/components/ClassRegistry.h"
#include "platform/vcl/menus/ActnList.h"
#include "platform/vcl/menus/Menus.h"

void RegisterMenuClasses()
{
    TComponentClass& item = RegisterComponentClass<TMenuItem>("TMenuItem", "TComponent");
    item.String<TMenuItem>("Caption", &TMenuItem::SetCaption);
    item.Boolean<TMenuItem>("Enabled", &TMenuItem::SetEnabled);
    item.Boolean<TMenuItem>("Checked", &TMenuItem::SetChecked);
    item.Boolean<TMenuItem>("Visible", &TMenuItem::SetVisible);
    item.AddProperty("ShortCut", [](TComponent& component, const TFormValue& value) {
        TComponentClass::Cast<TMenuItem>(component, "ShortCut").SetShortCut(TShortCut(IntegerValue(value)));
    });
    item.Event<TMenuItem>("OnClick", &TMenuItem::OnClick);

    RegisterAbstractClass<TMenu>("TMenu", "TComponent");
    TComponentClass& popup = RegisterComponentClass<TPopupMenu>("TPopupMenu", "TMenu");
    popup.Ident<TPopupMenu, TPopupAlignment>("Alignment", &TPopupMenu::SetAlignment,
        { { "paLeft", paLeft }, { "paRight", paRight }, { "paCenter", paCenter } });
    popup.Boolean<TPopupMenu>("AutoPopup", &TPopupMenu::SetAutoPopup);
    popup.Event<TPopupMenu>("OnPopup", &TPopupMenu::OnPopup);

    RegisterAbstractClass<TBasicAction>("TBasicAction", "TComponent")
        .Event<TBasicAction>("OnExecute", &TBasicAction::OnExecute);
    RegisterAbstractClass<TContainedAction>("TContainedAction", "TBasicAction");
    TComponentClass& action = RegisterAbstractClass<TCustomAction>("TCustomAction", "TContainedAction");
    action.String<TCustomAction>("Caption", &TCustomAction::SetCaption);
    action.Boolean<TCustomAction>("Checked", &TCustomAction::SetChecked);
    action.Boolean<TCustomAction>("Enabled", &TCustomAction::SetEnabled);
    action.String<TCustomAction>("Hint", &TCustomAction::SetHint);
    action.Integer<TCustomAction>("ImageIndex", &TCustomAction::SetImageIndex);
    action.Boolean<TCustomAction>("Visible", &TCustomAction::SetVisible);
    RegisterComponentClass<TAction>("TAction", "TCustomAction");
    RegisterAbstractClass<TCustomActionList>("TCustomActionList", "TComponent");
    RegisterComponentClass<TActionList>("TActionList", "TCustomActionList");
}
