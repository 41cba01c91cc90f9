// SPDX-License-Identifier: MIT
// Settings files as INI files read and written by Qt's settings class.
#pragma once

#include "platform/rtl/SettingsStore.h"

#include <memory>

std::unique_ptr<TSettingsStore> OpenQtSettingsStore(const AnsiString& fileName);
