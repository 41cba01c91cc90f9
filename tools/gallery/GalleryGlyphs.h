// SPDX-License-Identifier: MIT
// The gallery's pictures, drawn pixel by pixel here: 16 x 16 images on magenta, the colour
// speed buttons take as transparent.
#pragma once

#include "platform/vcl/graphics/Graphics.h"

#include <memory>

enum class GalleryPicture : std::uint8_t {
    ArrowLeft,
    ArrowRight,
    ArrowUp,
    ArrowDown,
    Disc,
    Square,
    Plus,
    Star
};

std::unique_ptr<TBitmap> MakeGalleryGlyph(GalleryPicture picture, TColor color);
