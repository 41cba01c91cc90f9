// SPDX-License-Identifier: MIT
// Runs a step when a scope is left, however it is left: the clean-up of a handle, a state
// flag or a bracket that must not be skipped by an exception. A step that raises cannot pass
// its error on from a destructor without ending the program, so the error is reported instead.
#pragma once

#include "platform/rtl/ErrorReport.h"

#include <utility>

template <class Step> class ScopeExit {
public:
    explicit ScopeExit(Step step)
        : FStep(std::move(step))
    {
    }
    ~ScopeExit()
    {
        try {
            FStep();
        } catch (...) {
            ReportCurrentError();
        }
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Step FStep;
};
