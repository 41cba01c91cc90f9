// SPDX-License-Identifier: MIT
// The two ways a batch turns one picture file into one tile file. Both compose with
// ComposeTile, so they write the same tile for the same picture.
#pragma once

#include "platform/vcl/Graphics.h"
#include "tile/BatchConverter.h"

// As the window does it: the whole picture is loaded into source, so it can be shown, the
// tile is composed into tile's bitmap and saved from there. The pictures are referenced, not
// copied, and must outlive the converter.
TConvertFile PictureTileConverter(TPicture& source, TPicture& mask, TPicture& tile, int width, int height);

// For batches without a window: only the part of each picture the stretch samples is read,
// so the cost does not grow with the size of the pictures. mask must outlive the converter.
TConvertFile SampledTileConverter(TGraphic* mask, int width, int height);
