// SPDX-License-Identifier: MIT
// What the main window remembers between runs, and how it is read from and written to the
// settings store. Every value read is checked on its own: one that is missing or makes no
// sense (a size that is no positive number, a mask or folder that is gone) takes its
// default, and the defaults are the window as it always started.
#pragma once

#include "platform/gdi/Rect.h"
#include "platform/rtl/SettingsStore.h"
#include "tile/PictureTile.h"
#include "tile/TileProjection.h"

#include <optional>

enum class TSourceFormats : std::uint8_t { Bmp, BmpAndPng };

struct TWindowSettings {
    AnsiString width = "128";
    AnsiString height = "63";
    AnsiString maskFile; // empty: the mask beside the program
    TTileProjection projection = TTileProjection::Stretch;
    AnsiString depth; // a block's side faces; empty or 0: the tile height
    TSourceFormats sources = TSourceFormats::Bmp;
    TTileFormat tiles = TTileFormat::Bmp;
    AnsiString inputDirectory; // empty: not chosen
    AnsiString outputDirectory;
    AnsiString openDirectory; // empty: the dialog's own start
    AnsiString saveDirectory;
    std::optional<TPoint> position; // the window's upper-left corner; none: where designed

    friend bool operator==(const TWindowSettings&, const TWindowSettings&) = default;
};

TWindowSettings ReadWindowSettings(const TSettingsStore& store);
void WriteWindowSettings(const TWindowSettings& settings, TSettingsStore& store);

// The settings with each typed value that would not be read back (a width of " " or "abc",
// a depth out of range) replaced by the one last kept, so a slip of the keyboard never
// takes the place of a good value in the file.
TWindowSettings WithLastGoodValues(TWindowSettings settings, const TWindowSettings& lastGood);

// The block depth a text names: 0 (the tile height) for an empty text or 0. Raises
// EConvertError for a text that is no number from 0 to kMostBlockDepth.
int BlockDepthOf(const AnsiString& text);

// The extensions a batch takes for these source formats, as durnik-batch's --from names them.
std::vector<AnsiString> SourceExtensions(TSourceFormats sources);
// "bmp" or "png", as durnik-batch's --to names it.
AnsiString TileExtension(TTileFormat tiles);
