// SPDX-License-Identifier: MIT
// The version record of the program.
#pragma once

inline constexpr const char* kFileVersion = "0.9.1.73";
inline constexpr const char* kProductVersion = "1.0.0.0";
