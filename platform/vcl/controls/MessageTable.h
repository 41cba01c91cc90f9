// SPDX-License-Identifier: MIT
// Dispatch by message number: each control class keeps a table of its handlers and the
// table of its base class; the most derived handler wins, unhandled messages go to
// DefaultHandler.
#pragma once

#include "platform/win32/windows/WinTypes.h"

#include <initializer_list>
#include <unordered_map>
#include <utility>

class TControl;

class TMessageTable {
public:
    using Handler = void (*)(TControl& control, TMessage& message);

    TMessageTable(const TMessageTable* parent, std::initializer_list<std::pair<const UINT, Handler>> entries)
        : FParent(parent), FHandlers(entries)
    {
    }

    Handler Find(UINT message) const
    {
        for (const TMessageTable* table = this; table; table = table->FParent) {
            const auto found = table->FHandlers.find(message);
            if (found != table->FHandlers.end())
                return found->second;
        }
        return nullptr;
    }

private:
    const TMessageTable* FParent;
    std::unordered_map<UINT, Handler> FHandlers;
};

// Turns a member function into a table entry; name it inside the class's own scope.
template <class Class, void (Class::*Method)(TMessage&)>
void MessageHandler(TControl& control, TMessage& message)
{
    (static_cast<Class&>(control).*Method)(message);
}
