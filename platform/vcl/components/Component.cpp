// SPDX-License-Identifier: MIT
#include "platform/vcl/components/Component.h"

#include <algorithm>
#include <cctype>

bool IsValidIdent(const AnsiString& text)
{
    if (text.empty())
        return false;
    auto isStart = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    auto isPart = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    return isStart(text.front()) && std::all_of(text.begin() + 1, text.end(), isPart);
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Nobody may tell a freed component of anything.
    for (TComponent* watched : FWatched)
        std::erase(watched->FFreeNotifies, this);
    FWatched.clear();
    // Tell whoever asked; each one may remove itself from the list while we go.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FWatched, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::Destroying()
{
    IncludeState(csDestroying);
    while (TComponentGuard* guard = FGuards) {
        FGuards = guard->FNext;
        guard->Clear();
    }
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        RemoveFrom(component);
        delete component;
    }
}

void TComponent::SetName(const AnsiString& value)
{
    if (value == FName)
        return;
    if (!value.empty() && !IsValidIdent(value))
        throw EComponentError("'" + value + "' is not a valid component name");
    if (!value.empty() && FOwner) {
        TComponent* existing = FOwner->FindComponent(value);
        if (existing && existing != this)
            throw EComponentError("A component named " + value + " already exists");
    }
    FName = value;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return FComponents[std::size_t(index)];
}

TComponent* TComponent::FindComponent(const AnsiString& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* component : FComponents)
        if (SameText(component->FName, name))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->FOwner == this)
        return;
    if (!component->FName.empty() && FindComponent(component->FName))
        throw EComponentError("A component named " + component->FName + " already exists");
    if (component->FOwner)
        component->FOwner->RemoveFrom(component);
    InsertInto(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->FOwner != this)
        return;
    Notification(component, opRemove);
    RemoveFrom(component);
}

void TComponent::InsertInto(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::RemoveFrom(TComponent* component)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(FWatched.begin(), FWatched.end(), other) == FWatched.end())
        FWatched.push_back(other);
    auto& theirs = other->FFreeNotifies;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end())
        theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    std::erase(FWatched, other);
    std::erase(other->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Every owned component hears of it too, so references between siblings are dropped.
    const std::vector<TComponent*> owned = FComponents;
    for (TComponent* child : owned)
        if (child != component)
            child->Notification(component, operation);
}

void TComponent::Loaded() { ExcludeState(csLoading); }

TNotifyEvent TComponent::FindMethod(const AnsiString&) { return {}; }
TComponent** TComponent::FieldAddress(const AnsiString&) { return nullptr; }

std::any TComponent::FindEventMethod(const AnsiString& name, const std::type_info& eventType)
{
    if (eventType != typeid(TNotifyEvent))
        return {};
    TNotifyEvent method = FindMethod(name);
    return method ? std::any(std::move(method)) : std::any();
}

void TComponent::SetParentComponent(TComponent*) {}
