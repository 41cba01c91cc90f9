// SPDX-License-Identifier: MIT
// Component classes by name for the form reader: how to create one, and its published
// properties and events as tables of setters. A class inherits the tables of its base.
#pragma once

#include "platform/gdi/Color.h"
#include "platform/vcl/components/Component.h"
#include "platform/vcl/components/FormParser.h"

#include <any>
#include <functional>
#include <map>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
using TInstanceTest = std::function<bool(const TComponent& component)>;
using TPropertySetter = std::function<void(TComponent& component, const TFormValue& value)>;
using TEventSetter = std::function<void(TComponent& component, TNotifyEvent handler)>;
// An event of another method type: the type its handler has, and how to set it from an any
// holding such a handler.
struct TMethodEventSetter {
    const std::type_info* Type = nullptr;
    std::function<void(TComponent& component, std::any handler)> Set;
};

// Conversions of stored values; a value of the wrong kind raises EReadError saying what
// was expected. Names are compared without regard to letter case.
int IntegerValue(const TFormValue& value);
AnsiString StringValue(const TFormValue& value);
bool BooleanValue(const TFormValue& value);
TColor ColorValue(const TFormValue& value); // a cl* name or a number
using TIdentTable = std::vector<std::pair<const char*, int>>;
int IdentValue(const TFormValue& value, const TIdentTable& names);
// A button's modal result: a number or an mr* name.
int ModalResultValue(const TFormValue& value);
// The union of the elements' bits.
int SetValue(const TFormValue& value, const TIdentTable& names);

class TComponentClass {
public:
    TComponentClass(
        AnsiString name, AnsiString baseName, TComponentFactory factory, TInstanceTest isInstance);

    const AnsiString& Name() const { return FName; }
    const TComponentClass* Base() const;
    int Depth() const; // 0 for a class without a base
    bool IsInstance(const TComponent& component) const { return FIsInstance && FIsInstance(component); }
    bool CanCreate() const { return bool(FFactory); }
    TComponent* Create(TComponent* owner) const;

    void AddProperty(const AnsiString& name, TPropertySetter setter);
    void AddEvent(const AnsiString& name, TEventSetter setter);
    void AddMethodEvent(const AnsiString& name, TMethodEventSetter setter);
    // Looked up here first, then in the base classes.
    const TPropertySetter* FindProperty(const AnsiString& name) const;
    const TEventSetter* FindEvent(const AnsiString& name) const;
    const TMethodEventSetter* FindMethodEvent(const AnsiString& name) const;

    // Shorthands for the usual setter shapes of class C.
    template <class C> void Integer(const AnsiString& name, void (C::*setter)(int))
    {
        AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(IntegerValue(value));
        });
    }
    template <class C> void String(const AnsiString& name, void (C::*setter)(const AnsiString&))
    {
        AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(StringValue(value));
        });
    }
    template <class C> void Boolean(const AnsiString& name, void (C::*setter)(bool))
    {
        AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(BooleanValue(value));
        });
    }
    template <class C> void Color(const AnsiString& name, void (C::*setter)(TColor))
    {
        AddProperty(name, [setter, name](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(ColorValue(value));
        });
    }
    template <class C, class E> void Ident(const AnsiString& name, void (C::*setter)(E), TIdentTable names)
    {
        AddProperty(name, [setter, name, names](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(E(IdentValue(value, names)));
        });
    }
    template <class C, class S> void Set(const AnsiString& name, void (C::*setter)(S), TIdentTable names)
    {
        AddProperty(name, [setter, name, names](TComponent& component, const TFormValue& value) {
            (Cast<C>(component, name).*setter)(S(SetValue(value, names)));
        });
    }
    template <class C, class E> void Event(const AnsiString& name, E C::*member)
    {
        if constexpr (std::is_same_v<E, TNotifyEvent>)
            AddEvent(name, [member, name](TComponent& component, TNotifyEvent handler) {
                Cast<C>(component, name).*member = std::move(handler);
            });
        else
            AddMethodEvent(name, { &typeid(E), [member, name](TComponent& component, std::any handler) {
                                      Cast<C>(component, name).*member = std::any_cast<E>(std::move(handler));
                                  } });
    }

    // The component as the class that published a property; a stranger raises EReadError.
    template <class C> static C& Cast(TComponent& component, const AnsiString& property)
    {
        auto* typed = dynamic_cast<C*>(&component);
        if (!typed)
            throw EReadError("Property " + property + " does not apply to a " + component.ClassName());
        return *typed;
    }

private:
    template <class Setter>
    const Setter* FindIn(std::map<AnsiString, Setter> TComponentClass::*table, const AnsiString& name) const;

    AnsiString FName;
    AnsiString FBaseName;
    TComponentFactory FFactory;
    TInstanceTest FIsInstance;
    std::map<AnsiString, TPropertySetter> FProperties; // by upper-case name
    std::map<AnsiString, TEventSetter> FEvents;
    std::map<AnsiString, TMethodEventSetter> FMethodEvents;
};

// Registering a name again returns the class already there, so its tables can be extended.
// Without a factory the class is a table only; without an instance test no root takes it.
TComponentClass& RegisterComponentClass(const AnsiString& name, const AnsiString& baseName,
    TComponentFactory factory = {}, TInstanceTest isInstance = {});
template <class C> TInstanceTest InstanceTestOf()
{
    return [](const TComponent& component) {
        // Every component is an instance of a base class; asking the cast would only make
        // the compiler point out that a reference is never null.
        if constexpr (std::is_base_of_v<C, TComponent>)
            return true;
        else
            return dynamic_cast<const C*>(&component) != nullptr;
    };
}
// A class descriptions can name in their objects.
template <class C> TComponentClass& RegisterComponentClass(const AnsiString& name, const AnsiString& baseName)
{
    return RegisterComponentClass(
        name, baseName, [](TComponent* owner) -> TComponent* { return new C(owner); }, InstanceTestOf<C>());
}
// A class registered for its tables only: its descendants and roots of its kind use them.
template <class C> TComponentClass& RegisterAbstractClass(const AnsiString& name, const AnsiString& baseName)
{
    return RegisterComponentClass(name, baseName, {}, InstanceTestOf<C>());
}
// nullptr when no class of that name is registered.
const TComponentClass* FindComponentClass(const AnsiString& name);
// The most derived registered class that component is an instance of, or nullptr.
const TComponentClass* NearestComponentClass(const TComponent& component);

// Every class of the toolkit's own; the registry runs it once before its first use.
void RegisterStandardClasses();
// The parts of the standard classes, one a folder of the toolkit.
void RegisterControlClasses();
void RegisterMenuClasses();
