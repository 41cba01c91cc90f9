// SPDX-License-Identifier: MIT
// A pointer to a component that becomes null when the component is freed, so code that runs
// a handler able to free its own sender can ask afterwards whether it may go on:
//
//     const TGuardedPtr<TSpeedButton> self(this);
//     Click();
//     if (!self)
//         return;
//
// The component keeps a list of the guards that point at it and clears them as it goes.
#pragma once

class TComponent;

class TComponentGuard {
public:
    TComponentGuard() = default;
    explicit TComponentGuard(TComponent* component) { Attach(component); }
    TComponentGuard(const TComponentGuard& other) { Attach(other.FComponent); }
    TComponentGuard& operator=(const TComponentGuard& other);
    ~TComponentGuard() { Detach(); }

    // The component, or null once it has been freed.
    TComponent* Component() const { return FComponent; }
    void Reset(TComponent* component = nullptr);

private:
    friend class TComponent;
    void Attach(TComponent* component);
    void Detach();
    // Called by the component's destructor.
    void Clear();

    TComponent* FComponent = nullptr;
    TComponentGuard* FPrevious = nullptr;
    TComponentGuard* FNext = nullptr;
};

// The typed face of a guard: reads like a raw pointer and is null once the component is gone.
template <class T> class TGuardedPtr {
public:
    TGuardedPtr() = default;
    explicit TGuardedPtr(T* component)
        : FGuard(component)
        , FPointer(component)
    {
    }
    TGuardedPtr& operator=(T* component)
    {
        FGuard.Reset(component);
        FPointer = component;
        return *this;
    }

    T* get() const { return FGuard.Component() ? FPointer : nullptr; }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    TComponentGuard FGuard;
    T* FPointer = nullptr;
};
