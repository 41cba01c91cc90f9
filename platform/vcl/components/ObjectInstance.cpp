// SPDX-License-Identifier: MIT
// Each instance must be a distinct procedure address, since that is all a window keeps of it.
// Without code written at run time, the addresses come from a fixed table of procedures, each
// looking up its own slot; a slot holds the method while the instance is handed out.
#include "platform/vcl/components/ObjectInstance.h"

#include "platform/rtl/SysUtils.h"

#include <array>
#include <utility>

namespace {

constexpr std::size_t kSlotCount = 128;

std::array<TWndMethod, kSlotCount>& Slots()
{
    static std::array<TWndMethod, kSlotCount> slots;
    return slots;
}

template <std::size_t Slot> LRESULT SlotProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A copy: the method may free its own instance while it runs.
    const TWndMethod method = Slots()[Slot];
    if (!method)
        return 0;
    TMessage packed { message, wParam, lParam, 0 };
    method(packed);
    return packed.Result;
}

template <std::size_t... Slot>
constexpr std::array<WNDPROC, kSlotCount> MakeProcedures(std::index_sequence<Slot...>)
{
    return { &SlotProcedure<Slot>... };
}

constexpr std::array<WNDPROC, kSlotCount> kProcedures
    = MakeProcedures(std::make_index_sequence<kSlotCount>());

} // namespace

WNDPROC MakeObjectInstance(TWndMethod method)
{
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (Slots()[slot])
            continue;
        Slots()[slot] = method ? std::move(method) : TWndMethod([](TMessage&) {});
        return kProcedures[slot];
    }
    throw EOutOfResources("Too many window procedures of objects are in use");
}

void FreeObjectInstance(WNDPROC instance)
{
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        if (kProcedures[slot] == instance)
            Slots()[slot] = nullptr;
}

int ObjectInstancesInUse()
{
    int count = 0;
    for (const TWndMethod& method : Slots())
        count += method ? 1 : 0;
    return count;
}
