// SPDX-License-Identifier: MIT
// The look controls draw in when they are not told otherwise.
#pragma once

// True: the flat, two-tone look of newer systems; false: the heavy black outlines of the old
// one. Our host always offers the newer look.
inline bool NewStyleControls = true;
