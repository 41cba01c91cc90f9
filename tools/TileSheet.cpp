// SPDX-License-Identifier: MIT
#include "tools/TileSheet.h"

#include "platform/png/PngCodec.h"
#include "platform/rtl/FileStorage.h"
#include "tools/MarkupText.h"

#include <algorithm>
#include <cassert>
#include <strings.h>

namespace {

void CheckMarkupName(const AnsiString& name)
{
    if (!IsMarkupText(name))
        throw ESheetRefused("the name \"" + name
            + "\" is not UTF-8 text without control characters, which a tileset needs; rename the picture");
}

void WriteText(const AnsiString& path, const AnsiString& text)
{
    WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace

TTileSheet::TTileSheet(TSheetOptions options, AnsiString outputDirectory, int tileWidth, int tileHeight)
    : FOptions(std::move(options))
    , FOutputDirectory(std::move(outputDirectory))
    , FTileWidth(tileWidth)
    , FTileHeight(tileHeight)
{
}

void TTileSheet::Plan(const std::vector<AnsiString>& pictureNames, const TBatchNames& names)
{
    const AnsiString imageName = SheetImageName(FOptions.name);
    CheckMarkupName(FOptions.name);
    FTiles.clear();
    for (const AnsiString& pictureName : pictureNames) {
        CheckMarkupName(pictureName);
        const AnsiString tileName = TileName(pictureName, names);
        // Letter case ignored, as the batch compares tile names.
        if (::strcasecmp(tileName.c_str(), imageName.c_str()) == 0)
            throw ESheetRefused("the sheet \"" + imageName + "\" would replace the tile of \"" + pictureName
                + "\"; choose another sheet name");
        FTiles.push_back({ pictureName, tileName });
    }
    const TSheetLayout layout = LayOutSheet(int(FTiles.size()), FTileWidth, FTileHeight, FOptions);
    const std::size_t pixels = std::size_t(layout.width) * std::size_t(layout.height);
    FColours = PixelRaster { layout.width, layout.height, false, std::vector<COLORREF>(pixels, clBlack) };
    FAlpha.assign(pixels, 0);
    FLayout = layout;
    FAdded = 0;
}

void TTileSheet::Add(const PixelRaster& colours, std::span<const std::uint8_t> alpha)
{
    assert(FLayout && FAdded < FLayout->tileCount && "a planned tile");
    assert(colours.width == FTileWidth && colours.height == FTileHeight && "a tile of the sheet's size");
    const TSheetPosition position = FLayout->Position(FAdded++);
    for (int y = 0; y < FTileHeight; ++y) {
        const std::size_t sheetRow
            = std::size_t(position.y + y) * std::size_t(FLayout->width) + std::size_t(position.x);
        const std::size_t tileRow = std::size_t(y) * std::size_t(FTileWidth);
        std::copy_n(colours.Row(y), FTileWidth, FColours.pixels.begin() + std::ptrdiff_t(sheetRow));
        std::copy_n(
            alpha.begin() + std::ptrdiff_t(tileRow), FTileWidth, FAlpha.begin() + std::ptrdiff_t(sheetRow));
    }
}

void TTileSheet::Write(const AnsiString& version) const
{
    assert(FLayout && FAdded == FLayout->tileCount && "every tile is on the sheet");
    const AnsiString base = FOutputDirectory + "\\" + FOptions.name;
    WriteFileAtomically(FOutputDirectory + "\\" + SheetImageName(FOptions.name), WritePng(FColours, FAlpha));
    WriteText(base + ".tsx", TsxDocument(FOptions.name, *FLayout, FTiles));
    WriteText(base + ".json", AtlasJsonDocument(FOptions.name, *FLayout, FTiles, "durnik-batch", version));
}
