// SPDX-License-Identifier: MIT
#include "tests/host/QtHostEnvironment.h"

[[maybe_unused]] static ::testing::Environment* const registered
    = ::testing::AddGlobalTestEnvironment(new QtHostEnvironment);
