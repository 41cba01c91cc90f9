// SPDX-License-Identifier: MIT
#include "platform/vcl/menus/ActnList.h"

#include "platform/vcl/controls/Control.h"

#include <algorithm>

TBasicAction::TBasicAction(TComponent* owner)
    : TComponent(owner)
{
}

TBasicAction::~TBasicAction()
{
    Destroying();
    // Each client drops its reference; SetAction(nullptr) takes it off the list.
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TBasicAction::RegisterChanges(TControl* client)
{
    if (client && std::find(FClients.begin(), FClients.end(), client) == FClients.end())
        FClients.push_back(client);
}

void TBasicAction::UnRegisterChanges(TControl* client)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), client), FClients.end());
}

void TBasicAction::Change()
{
    // A copy: a client may let go of the action while it follows the change.
    for (TControl* client : std::vector<TControl*>(FClients))
        if (std::find(FClients.begin(), FClients.end(), client) != FClients.end())
            client->ActionChange(this, false);
}

TContainedAction::TContainedAction(TComponent* owner)
    : TBasicAction(owner)
{
}

TContainedAction::~TContainedAction()
{
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* value)
{
    if (value == FActionList)
        return;
    if (FActionList) {
        auto& actions = FActionList->FActions;
        actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
    }
    FActionList = value;
    if (value)
        value->FActions.push_back(this);
}

int TContainedAction::Index() const
{
    if (!FActionList)
        return -1;
    const auto& actions = FActionList->FActions;
    return int(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

void TContainedAction::SetParentComponent(TComponent* parent)
{
    SetActionList(dynamic_cast<TCustomActionList*>(parent));
}

TCustomAction::TCustomAction(TComponent* owner)
    : TContainedAction(owner)
{
}

namespace {
template <class T> bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TCustomAction::SetCaption(const AnsiString& value)
{
    if (Store(FCaption, value))
        Change();
}
void TCustomAction::SetChecked(bool value)
{
    if (Store(FChecked, value))
        Change();
}
void TCustomAction::SetEnabled(bool value)
{
    if (Store(FEnabled, value))
        Change();
}
void TCustomAction::SetHint(const AnsiString& value)
{
    if (Store(FHint, value))
        Change();
}
void TCustomAction::SetImageIndex(int value)
{
    if (Store(FImageIndex, value))
        Change();
}
void TCustomAction::SetVisible(bool value)
{
    if (Store(FVisible, value))
        Change();
}
void TCustomAction::SetShortCut(TShortCut value)
{
    if (Store(FShortCut, value))
        Change();
}

bool TCustomAction::Execute()
{
    return FEnabled && TContainedAction::Execute();
}

TCustomActionList::TCustomActionList(TComponent* owner)
    : TComponent(owner)
{
}

TCustomActionList::~TCustomActionList()
{
    Destroying();
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

void TCustomActionList::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = value;
    if (value)
        FreeNotification(value);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

// The control's side of the link.

void TControl::SetAction(TBasicAction* value)
{
    if (value == FAction)
        return;
    if (FAction) {
        FAction->UnRegisterChanges(this);
        RemoveFreeNotification(FAction);
    }
    FAction = value;
    if (!value)
        return;
    value->RegisterChanges(this);
    FreeNotification(value);
    ActionChange(value, (value->ComponentState() & csLoading) != 0);
}

void TControl::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || Caption().empty())
        SetCaption(action->Caption());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || FHint.empty())
        SetHint(action->Hint());
    if (!checkDefaults || FVisible)
        SetVisible(action->Visible());
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FAction)
        FAction = nullptr;
}
