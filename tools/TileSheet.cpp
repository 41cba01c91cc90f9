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

TTileSheet::~TTileSheet()
{
    // A batch that failed leaves no encoding running on the bands it handed over.
    if (FEncoded.valid())
        FEncoded.wait();
}

void TTileSheet::Plan(const std::vector<AnsiString>& pictureNames, const TBatchNames& names)
{
    assert(!FLayout && "one sheet a batch");
    const AnsiString imageName = SheetImageName(FOptions.name);
    CheckMarkupName(FOptions.name);
    for (const AnsiString& pictureName : pictureNames) {
        CheckMarkupName(pictureName);
        const AnsiString tileName = TileName(pictureName, names);
        // Letter case ignored, as the batch compares tile names.
        if (::strcasecmp(tileName.c_str(), imageName.c_str()) == 0)
            throw ESheetRefused("the sheet \"" + imageName + "\" would replace the tile of \"" + pictureName
                + "\"; choose another sheet name");
        FTiles.push_back({ pictureName, tileName });
    }
    FLayout = LayOutSheet(int(FTiles.size()), FTileWidth, FTileHeight, FOptions);
    // The sheet repeats the tiles just written, so it is compressed for speed rather than size.
    FEncoder = std::make_unique<TPngRowEncoder>(FLayout->width, FLayout->height, TPngCompression::Fastest);
    Encode(EmptyBand(FLayout->margin));
}

TTileSheet::Band TTileSheet::EmptyBand(int rows) const
{
    const std::size_t pixels = std::size_t(FLayout->width) * std::size_t(rows);
    return { PixelRaster { FLayout->width, rows, false, std::vector<COLORREF>(pixels, clBlack) },
        std::vector<std::uint8_t>(pixels, 0) };
}

void TTileSheet::Add(const PixelRaster& colours, std::span<const std::uint8_t> alpha)
{
    assert(FLayout && FAdded < FLayout->tileCount && "a planned tile");
    assert(colours.width == FTileWidth && colours.height == FTileHeight && "a tile of the sheet's size");
    const int column = FAdded % FLayout->columns;
    const bool lastInRow = column == FLayout->columns - 1 || FAdded == FLayout->tileCount - 1;
    const bool lastRow = FAdded / FLayout->columns == FLayout->rows - 1;
    if (column == 0)
        FBand = EmptyBand(FTileHeight + (lastRow ? FLayout->margin : FLayout->spacing));
    const int left = FLayout->Position(FAdded).x;
    for (int y = 0; y < FTileHeight; ++y) {
        const std::size_t bandRow = std::size_t(y) * std::size_t(FLayout->width) + std::size_t(left);
        std::copy_n(colours.Row(y), FTileWidth, FBand.colours.pixels.begin() + std::ptrdiff_t(bandRow));
        std::copy_n(alpha.begin() + std::ptrdiff_t(std::size_t(y) * std::size_t(FTileWidth)), FTileWidth,
            FBand.alpha.begin() + std::ptrdiff_t(bandRow));
    }
    ++FAdded;
    if (lastInRow)
        Encode(std::move(FBand));
}

void TTileSheet::Encode(Band band)
{
    // Each band waits for the one before, so rows reach the encoder in order; an error in one
    // is passed on down the chain to Write.
    FEncoded = std::async(std::launch::async,
        [encoder = FEncoder.get(), before = std::move(FEncoded), band = std::move(band)]() mutable {
            if (before.valid())
                before.get();
            for (int y = 0; y < band.colours.height; ++y)
                encoder->AddRow(band.colours.Row(y),
                    band.alpha.data() + std::size_t(y) * std::size_t(band.colours.width));
        });
}

void TTileSheet::Write(const AnsiString& version)
{
    assert(FLayout && FAdded == FLayout->tileCount && "every tile is on the sheet");
    FEncoded.get();
    const AnsiString base = FOutputDirectory + "\\" + FOptions.name;
    WriteFileAtomically(FOutputDirectory + "\\" + SheetImageName(FOptions.name), FEncoder->Finish());
    WriteText(base + ".tsx", TsxDocument(FOptions.name, *FLayout, FTiles));
    WriteText(base + ".json", AtlasJsonDocument(FOptions.name, *FLayout, FTiles, "durnik-batch", version));
}
