// SPDX-License-Identifier: MIT
// Runs a step when a scope is left, however it is left: the clean-up of a handle, a state
// flag or a bracket that must not be skipped by an exception.
#pragma once

#include <utility>

template <class Step> class ScopeExit {
public:
    explicit ScopeExit(Step step)
        : FStep(std::move(step))
    {
    }
    ~ScopeExit() { FStep(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Step FStep;
};
