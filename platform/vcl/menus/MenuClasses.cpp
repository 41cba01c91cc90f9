// SPDX-License-Identifier: MIT
// The published properties and events of menus, timers and actions.
#include "platform/vcl/components/ClassRegistry.h"
#include "platform/vcl/forms/Timer.h"
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

    TComponentClass& timer = RegisterComponentClass<TTimer>("TTimer", "TComponent");
    timer.Boolean<TTimer>("Enabled", &TTimer::SetEnabled);
    timer.AddProperty("Interval", [](TComponent& component, const TFormValue& value) {
        const int interval = IntegerValue(value);
        if (interval < 0)
            throw EReadError("A timer interval cannot be negative");
        TComponentClass::Cast<TTimer>(component, "Interval").SetInterval(UINT(interval));
    });
    timer.Event<TTimer>("OnTimer", &TTimer::OnTimer);

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
