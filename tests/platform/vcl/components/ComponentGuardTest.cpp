// SPDX-License-Identifier: MIT
#include "platform/vcl/components/ComponentGuard.h"

#include "platform/vcl/components/Component.h"
#include "platform/vcl/components/DeferredRelease.h"
#include "platform/win32/windows/WinUser.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

void DispatchQueue()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Runs a step from its destructor, to look at guards while a component is being freed.
class TDyingComponent : public TComponent {
public:
    using TComponent::TComponent;
    ~TDyingComponent() override
    {
        Destroying();
        if (WhileDying)
            WhileDying();
    }
    std::function<void()> WhileDying;
};

} // namespace

TEST(ComponentGuard, IsClearedWhenItsComponentIsFreed)
{
    auto* component = new TComponent(nullptr);
    const TGuardedPtr<TComponent> first(component);
    const TGuardedPtr<TComponent> second(component);
    TGuardedPtr<TComponent> copy = first;
    EXPECT_EQ(first.get(), component);
    EXPECT_EQ(copy.get(), component);
    delete component;
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_FALSE(copy);
}

TEST(ComponentGuard, OutlivedGuardsLeaveTheComponentIntact)
{
    TComponent component(nullptr);
    TComponent other(nullptr);
    {
        const TGuardedPtr<TComponent> gone(&component);
        TGuardedPtr<TComponent> moved(&component);
        moved = &other;
        EXPECT_EQ(moved.get(), &other);
    }
    // The list of guards is empty and intact: a new guard still hears of the free.
    auto* last = new TComponent(nullptr);
    TGuardedPtr<TComponent> guard(last);
    const TGuardedPtr<TComponent> middle(last);
    guard = nullptr;
    delete last;
    EXPECT_FALSE(middle);
    EXPECT_FALSE(guard);
}

TEST(ComponentGuard, IsNullWhileTheComponentIsBeingDestroyed)
{
    bool seenWhileDying = true;
    bool newGuardWhileDying = true;
    auto* component = new TDyingComponent(nullptr);
    const TGuardedPtr<TDyingComponent> guard(component);
    component->WhileDying = [&] {
        seenWhileDying = bool(guard);
        newGuardWhileDying = bool(TGuardedPtr<TDyingComponent>(component));
    };
    delete component;
    EXPECT_FALSE(seenWhileDying);
    EXPECT_FALSE(newGuardWhileDying);
}

TEST(ComponentGuard, AnOwnedComponentIsClearedWithItsOwner)
{
    auto* owner = new TComponent(nullptr);
    auto* owned = new TComponent(owner);
    const TGuardedPtr<TComponent> guard(owned);
    delete owner;
    EXPECT_FALSE(guard);
}

TEST(DeferredRelease, FreesOnceControlIsBackInTheQueue)
{
    auto* component = new TComponent(nullptr);
    const TGuardedPtr<TComponent> guard(component);
    ReleaseComponentLater(component);
    ReleaseComponentLater(component);
    EXPECT_TRUE(guard) << "still whole until the queue runs";
    DispatchQueue();
    EXPECT_FALSE(guard);
}

TEST(DeferredRelease, SkipsWhatWasFreedMeanwhile)
{
    auto* owner = new TComponent(nullptr);
    auto* owned = new TComponent(owner);
    auto* alone = new TComponent(nullptr);
    const TGuardedPtr<TComponent> aloneGuard(alone);
    ReleaseComponentLater(owned);
    ReleaseComponentLater(owner);
    ReleaseComponentLater(alone);
    delete std::exchange(owner, nullptr);
    DispatchQueue();
    EXPECT_FALSE(aloneGuard);
    ReleaseComponentLater(nullptr);
    DispatchQueue();
}
