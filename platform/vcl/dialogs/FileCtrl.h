// SPDX-License-Identifier: MIT
// The toolkit's own directory dialog, through the dialog service.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstdint>

enum TSelectDirOpt : std::uint8_t {
    sdAllowCreate = 1, // the user may name a directory that does not exist yet
    sdPerformCreate = 2, // such a directory is made once the user confirms
    sdPrompt = 4, // and the user is asked first
};
using TSelectDirOpts = std::uint8_t; // a set of TSelectDirOpt, empty by default

// Runs the modal directory dialog starting at directory (its host form, or the host's choice
// when it does not exist). True when the user confirmed: directory then holds the chosen one
// in the host's form. There is no help system here, so helpContext only travels along to the
// dialog service.
bool SelectDirectory(AnsiString& directory, TSelectDirOpts options, int helpContext);
