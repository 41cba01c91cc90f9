// SPDX-License-Identifier: MIT
// The PNG reader as it was before the fast inflaters: libspng decoding the whole file, zlib
// inside it. The differential fuzzer holds the reader against it.
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <cstdint>
#include <optional>
#include <span>

struct TSpngVerdict {
    std::optional<PixelRaster> picture; // nothing when refused
    // Refused only because zlib, reading ahead after the picture's last byte, met damage that
    // the picture does not need: inflaters that stop at the picture's last byte take the file.
    bool refusedPastThePicture = false;
};

TSpngVerdict ReadWithSpng(std::span<const std::uint8_t> file);
