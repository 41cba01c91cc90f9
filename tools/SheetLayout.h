// SPDX-License-Identifier: MIT
// Where each tile of a batch goes on its sheet: row by row in the batch's order, with
// spacing between tiles and a margin around them, as Tiled and sprite-atlas loaders count.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <optional>

// The widest and tallest sheet written, a size every engine's texture loader takes.
inline constexpr int kMostSheetSide = 16384;

// A sheet the batch cannot write as asked; refused before anything is written.
class ESheetRefused : public Exception {
    using Exception::Exception;
};

struct TSheetOptions {
    AnsiString name; // the sheet's files are name.png, name.tsx and name.json; empty: no sheet
    std::optional<int> columns; // default: the smallest n with n * n >= the number of tiles
    int spacing = 0; // pixels between neighbouring tiles
    int margin = 0; // pixels around all tiles
};

struct TSheetPosition {
    int x = 0;
    int y = 0;
};

struct TSheetLayout {
    int tileWidth = 0;
    int tileHeight = 0;
    int tileCount = 0;
    int columns = 0;
    int rows = 0;
    int spacing = 0;
    int margin = 0;
    int width = 0;
    int height = 0;

    // The top-left pixel of tile index, from 0.
    TSheetPosition Position(int index) const;
};

// Raises ESheetRefused when the sheet would be wider or taller than kMostSheetSide.
TSheetLayout LayOutSheet(int tileCount, int tileWidth, int tileHeight, const TSheetOptions& options);
