// SPDX-License-Identifier: MIT
// The command line of durnik-batch, parsed and checked.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "tile/BlockProjection.h"
#include "tile/Overdraw.h"
#include "tile/TileProjection.h"
#include "tileset/SheetLayout.h"

#include <optional>
#include <span>
#include <vector>

struct TBatchArguments {
    enum class Action { Convert, Help, Version } action = Action::Convert;
    int width = 128;
    int height = 63;
    std::optional<AnsiString> maskFile; // default: mask/iso.bmp beside the program
    std::vector<AnsiString> sourceExtensions { "bmp" }; // --from: "bmp", "png" or both, each once
    AnsiString tileExtension = "bmp"; // --to: "bmp" or "png"
    TTileProjection projection = TTileProjection::Stretch;
    TBlockShape block; // --depth and --shade, for the block projection
    int overdraw = kDefaultOverdraw; // --overdraw: pixels PNG tiles reach past their cell
    TSheetOptions sheet; // --sheet, --columns, --spacing, --margin and --extrude
    AnsiString inputDirectory;
    AnsiString outputDirectory;
};

// Accepts "--width W" and "--width=W" alike, and "--" before directories that start with
// "-". Raises EConvertError with a message for the user on anything it cannot take.
TBatchArguments ParseBatchArguments(std::span<const char* const> arguments);

inline constexpr const char* kBatchUsage
    = "Usage: durnik-batch [--width W] [--height H] [--mask FILE] [--from bmp,png] [--to bmp|png]\n"
      "                    [--projection stretch|iso|block] [--depth D] [--shade L,R]\n"
      "                    [--overdraw N] [--sheet NAME [--columns N] [--spacing S] [--margin M]\n"
      "                    [--extrude E]] INPUT_DIR OUTPUT_DIR\n";
