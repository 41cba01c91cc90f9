// SPDX-License-Identifier: MIT
#include "resources/FolderGlyph.h"

#include "resources/AsciiArt.h"

#include <string_view>

namespace {

// '.' transparent magenta (also the lower-left pixel, which the glyph renderer reads as
// the transparent colour), '#' black, 'o' white, '+' dark grey.
constexpr std::string_view kFolderArt[] = {
    "......####....",
    ".....#....#...",
    "....#...#####.",
    ".........###..",
    ".###......#...",
    "#ooo####......",
    "#oooooo#......",
    "#oo##########.",
    "#o#+++++++++#.",
    "#o#++++++++#..",
    "##++++++++#...",
    ".#########....",
};

constexpr ArtColor kFolderPalette[] = {
    { '.', kGlyphTransparentColor },
    { '#', clBlack },
    { 'o', clWhite },
    { '+', clGray },
};

} // namespace

PixelRaster FolderGlyph() { return RasterFromArt(kFolderArt, kFolderPalette); }
