// SPDX-License-Identifier: MIT
#include "platform/vcl/components/Component.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Keeps a pointer to one other component and forgets it when told of its going.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    void Watch(TComponent* other)
    {
        if (Watched)
            RemoveFreeNotification(Watched);
        Watched = other;
        if (other)
            FreeNotification(other);
    }
    TComponent* Watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == Watched)
            Watched = nullptr;
    }
};

} // namespace

TEST(FreeNotification, TwoComponentsWatchingEachOtherKeepEachRequestApart)
{
    auto* first = new TWatcher(nullptr);
    auto* second = new TWatcher(nullptr);
    first->Watch(second);
    second->Watch(first);
    first->Watch(nullptr); // withdraws its own request only
    delete first;
    EXPECT_EQ(second->Watched, nullptr) << "second still hears of first going";
    delete second;
}

TEST(FreeNotification, AFreedWatcherIsNeverTold)
{
    auto* watched = new TComponent(nullptr);
    auto* watcher = new TWatcher(nullptr);
    auto* stays = new TWatcher(nullptr);
    watcher->Watch(watched);
    stays->Watch(watched);
    delete watcher;
    delete watched; // would reach the freed watcher if it were still listed
    EXPECT_EQ(stays->Watched, nullptr);
    delete stays;
}
