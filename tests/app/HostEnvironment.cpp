// SPDX-License-Identifier: MIT
// The window tests run on the real Qt host, offscreen.
#include "tests/host/QtHostEnvironment.h"

[[maybe_unused]] static ::testing::Environment* const registered
    = ::testing::AddGlobalTestEnvironment(new QtHostEnvironment);
