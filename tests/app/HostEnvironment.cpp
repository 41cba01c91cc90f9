// SPDX-License-Identifier: MIT
// The window tests run on the real Qt host, offscreen, started once for the whole run.
#include "platform/qt/QtHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class HostEnvironment final : public ::testing::Environment {
public:
    void SetUp() override
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        FSession = std::make_unique<QtHostSession>(FArgc, FArgv);
    }
    void TearDown() override { FSession.reset(); }

private:
    int FArgc = 1;
    char FProgramName[10] = "app_tests";
    char* FArgv[2] = { FProgramName, nullptr };
    std::unique_ptr<QtHostSession> FSession;
};

[[maybe_unused]] ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

} // namespace
