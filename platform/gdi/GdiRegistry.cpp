// SPDX-License-Identifier: MIT
#include "platform/gdi/GdiRegistry.h"

#include <mutex>
#include <unordered_set>

namespace {

struct Registry {
    std::mutex lock;
    std::unordered_set<GdiObject*> objects;
    std::unordered_set<GdiDc*> dcs;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

bool Selects(const GdiDcState& state, const GdiObject* object)
{
    return state.bitmap == object || state.brush == object || state.pen == object || state.font == object;
}

bool Holds(const GdiDc& dc, const GdiObject* object)
{
    if (Selects(dc, object))
        return true;
    for (const auto& state : dc.savedStates) {
        if (Selects(state, object))
            return true;
    }
    return false;
}

} // namespace

void RegisterGdiObject(GdiObject* object)
{
    auto& registry = TheRegistry();
    const std::lock_guard guard(registry.lock);
    registry.objects.insert(object);
}

bool ForgetUnusedGdiObject(const GdiObject* object)
{
    auto& registry = TheRegistry();
    const std::lock_guard guard(registry.lock);
    const auto found = registry.objects.find(const_cast<GdiObject*>(object));
    if (found == registry.objects.end())
        return false;
    for (const GdiDc* dc : registry.dcs) {
        if (Holds(*dc, object))
            return false;
    }
    registry.objects.erase(found);
    return true;
}

void RegisterGdiDc(GdiDc* dc)
{
    auto& registry = TheRegistry();
    const std::lock_guard guard(registry.lock);
    registry.dcs.insert(dc);
}

bool UnregisterGdiDc(GdiDc* dc)
{
    auto& registry = TheRegistry();
    const std::lock_guard guard(registry.lock);
    return registry.dcs.erase(dc) == 1;
}
