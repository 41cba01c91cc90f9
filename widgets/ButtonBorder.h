// SPDX-License-Identifier: MIT
// The 3-D border of a speed button.
#pragma once

#include "platform/vcl/graphics/Graphics.h"

// bsAutoDetect follows NewStyleControls.
enum TButtonStyle : std::uint8_t { bsAutoDetect, bsWin31, bsNew };

// Draws the border inside client and returns the area left inside it.
TRect DrawButtonBorder(TCanvas* canvas, const TRect& client, bool isDown, bool isFlat, TButtonStyle style);
