// SPDX-License-Identifier: MIT
// How a batch without a window turns one picture file into one tile file. It composes with
// ComposeTile, as the window does, so both write the same tile for the same picture.
#pragma once

#include "platform/vcl/Graphics.h"
#include "tile/BatchConverter.h"

// For batches without a window: only the part of each picture the stretch samples is read,
// so the cost does not grow with the size of the pictures. mask must outlive the converter.
TConvertFile SampledTileConverter(TGraphic* mask, int width, int height);
