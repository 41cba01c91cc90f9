// SPDX-License-Identifier: MIT
// Tests that need the host start the real Qt host once per run, offscreen unless the
// environment names another platform.
#pragma once

#include "platform/qt/QtHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

class QtHostEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        FSession = std::make_unique<QtHostSession>(FArgc, FArgv);
    }
    void TearDown() override { FSession.reset(); }

private:
    int FArgc = 1;
    char FProgramName[12] = "durnik-test";
    char* FArgv[2] = { FProgramName, nullptr };
    std::unique_ptr<QtHostSession> FSession;
};
