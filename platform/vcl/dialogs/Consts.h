// SPDX-License-Identifier: MIT
// Texts of the toolkit that its components show.
#pragma once

// The caption of a button that opens help; "&" marks the access key.
inline constexpr const char* SHelpButton = "&Help";
