// SPDX-License-Identifier: MIT
// Builds components from a textual form description: child objects are created by class
// name, published properties set by name, events bound by name to the root's methods.
#pragma once

#include "platform/vcl/ClassRegistry.h"

#include <string_view>
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
template <class Form> class TMethodTable {
public:
    using Method = void (Form::*)(TObject* sender);

    TMethodTable(std::initializer_list<std::pair<const char*, Method>> entries)
        : FEntries(entries)
    {
    }

    TNotifyEvent Find(Form* form, const AnsiString& name) const
    {
        for (const auto& [entryName, method] : FEntries)
            if (SameText(entryName, name))
                // Copied by an init-capture: clang before 16 cannot capture a structured binding.
                return [form, method = method](TObject* sender) { (form->*method)(sender); };
        return {};
    }

private:
    std::vector<std::pair<const char*, Method>> FEntries;
};
