// SPDX-License-Identifier: MIT
// Speed buttons and what draws them: the shared glyph lists, the glyph renderer and the border.
#pragma once

#include "widgets/ButtonBorder.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/GlyphCache.h"
#include "widgets/SpeedButton.h"
