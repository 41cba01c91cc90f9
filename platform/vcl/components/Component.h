// SPDX-License-Identifier: MIT
// Components: owned by another component that frees them, named uniquely among their
// owner's, told when a component they refer to goes away, and aware of being loaded.
#pragma once

#include "platform/rtl/Objects.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/components/ComponentGuard.h"

#include <any>
#include <cstdint>
#include <typeinfo>
#include <vector>

enum TComponentStateFlag : std::uint16_t {
    csLoading = 0x0001,
    csReading = 0x0002,
    csWriting = 0x0004,
    csDestroying = 0x0008,
    csDesigning = 0x0010,
    csAncestor = 0x0020,
    csUpdating = 0x0040,
    csFixups = 0x0080,
    csCreating = 0x0100, // between construction and the end of the owner's creation
};
using TComponentState = std::uint16_t;

enum TOperation : std::uint8_t { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual const char* ClassName() const { return "TComponent"; }

    TComponent* Owner() const { return FOwner; }
    AnsiString Name() const { return FName; } // ""
    // A name must be an identifier and unique among the owner's components.
    virtual void SetName(const AnsiString& value);
    int Tag() const { return FTag; } // 0
    void SetTag(int value) { FTag = value; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(const AnsiString& name) const; // letter case ignored
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    TComponentState ComponentState() const { return FComponentState; }
    void IncludeState(TComponentState flags) { FComponentState |= flags; }
    void ExcludeState(TComponentState flags) { FComponentState &= TComponentState(~flags); }

    // Asks for a Notification(opRemove) when other is freed, whoever owns it. Each direction
    // is a link of its own: withdrawing this request leaves other's requests about this alone,
    // so two components that watch each other stay safe in every order of freeing.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // Called on every component read from a form description once the whole description
    // has been read; clears csLoading.
    virtual void Loaded();

    // For the form reader: the published method and field of this root by name.
    virtual TNotifyEvent FindMethod(const AnsiString& name);
    virtual TComponent** FieldAddress(const AnsiString& name);
    // A published method for an event of another type: the handler, of type eventType, in
    // the any; empty when there is none of that name and type. Notify events ask FindMethod.
    virtual std::any FindEventMethod(const AnsiString& name, const std::type_info& eventType);
    // The component a child read from a description belongs to, for parenting.
    virtual void SetParentComponent(TComponent* parent);
    virtual bool HasParent() const { return false; }

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Marks the component as going and clears every guard that points at it; a destructor
    // calls it first, so no guard sees a half-destroyed component.
    void Destroying();

private:
    friend class TComponentGuard;
    void InsertInto(TComponent* component);
    void RemoveFrom(TComponent* component);

    TComponent* FOwner = nullptr;
    AnsiString FName;
    int FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies; // told when this is freed
    std::vector<TComponent*> FWatched;      // those this asked to hear of
    TComponentState FComponentState = 0;
    TComponentGuard* FGuards = nullptr; // the head of the guards pointing here
};

// True when text is a Pascal identifier: a letter or "_" followed by letters, digits, "_".
bool IsValidIdent(const AnsiString& text);
