// SPDX-License-Identifier: MIT
#include "platform/vcl/components/ComponentGuard.h"

#include "platform/vcl/components/Component.h"

TComponentGuard& TComponentGuard::operator=(const TComponentGuard& other)
{
    if (this != &other)
        Reset(other.FComponent);
    return *this;
}

void TComponentGuard::Reset(TComponent* component)
{
    if (component == FComponent)
        return;
    Detach();
    Attach(component);
}

void TComponentGuard::Attach(TComponent* component)
{
    // A component already on its way out is as good as gone.
    if (!component || (component->ComponentState() & csDestroying))
        return;
    FComponent = component;
    FNext = component->FGuards;
    if (FNext)
        FNext->FPrevious = this;
    component->FGuards = this;
}

void TComponentGuard::Detach()
{
    if (!FComponent)
        return;
    if (FPrevious)
        FPrevious->FNext = FNext;
    else
        FComponent->FGuards = FNext;
    if (FNext)
        FNext->FPrevious = FPrevious;
    Clear();
}

void TComponentGuard::Clear()
{
    FComponent = nullptr;
    FPrevious = nullptr;
    FNext = nullptr;
}
