// SPDX-License-Identifier: MIT
// Builds components from a textual form description: child objects are created by class
// name, published properties set by name, events bound by name to the root's methods.
#pragma once

#include "platform/vcl/components/ClassRegistry.h"

#include <any>
#include <functional>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

// Reads the description into root, whose own properties are the outer object's. Every
// component read carries csLoading and csReading while the description is read (csReading
// ends with its own object); afterwards Loaded runs on each, root first, then in the order
// they were read. A component named like a field of root (FieldAddress) is stored there.
// Any error raises EReadError naming the line and the property.
void ReadComponentText(TComponent* root, std::string_view text);

// The published methods of a form by name, for its FindMethod override:
//   static const TMethodTable<TMainForm> methods { { "OpenBtnClick", &TMainForm::OpenBtnClick } };
//   return methods.Find(this, name);
// Methods with other parameters handle events of other types; a FindEventMethod override
// finds them with Find(this, name, eventType).
template <class Form> class TMethodTable {
public:
    class Entry {
    public:
        template <class... Args>
        Entry(const char* name, void (Form::*method)(Args...))
            : FName(name)
            , FType(&typeid(std::function<void(Args...)>))
            , FBind([method](Form* form) -> std::any {
                return std::function<void(Args...)>(
                    [form, method](Args... args) { (form->*method)(std::forward<Args>(args)...); });
            })
        {
        }

        const char* Name() const { return FName; }
        const std::type_info& Type() const { return *FType; }
        std::any Bind(Form* form) const { return FBind(form); }

    private:
        const char* FName;
        const std::type_info* FType;
        std::function<std::any(Form*)> FBind;
    };

    TMethodTable(std::initializer_list<Entry> entries)
        : FEntries(entries)
    {
    }

    TNotifyEvent Find(Form* form, const AnsiString& name) const
    {
        std::any handler = Find(form, name, typeid(TNotifyEvent));
        return handler.has_value() ? std::any_cast<TNotifyEvent>(std::move(handler)) : TNotifyEvent();
    }

    // The method of that name whose parameters make it an event of eventType, bound to form.
    std::any Find(Form* form, const AnsiString& name, const std::type_info& eventType) const
    {
        for (const Entry& entry : FEntries)
            if (SameText(entry.Name(), name) && entry.Type() == eventType)
                return entry.Bind(form);
        return {};
    }

private:
    std::vector<Entry> FEntries;
};
