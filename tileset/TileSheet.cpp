// SPDX-License-Identifier: MIT
#include "tileset/TileSheet.h"

#include "platform/png/PngCodec.h"
#include "platform/rtl/FileStorage.h"
#include "tileset/ColourBleed.h"
#include "tileset/MarkupText.h"

#include <algorithm>
#include <cassert>
#include <strings.h>

namespace {

// The window and durnik-batch write the same sheet, so the atlas names the program as a whole.
constexpr const char* kSheetApp = "Durnik";

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

TTileSheet::TTileSheet(TSheetOptions options, AnsiString outputDirectory, TTileCell cell)
    : FOptions(std::move(options))
    , FOutputDirectory(std::move(outputDirectory))
    , FCell(cell)
{
}

TTileSheet::~TTileSheet()
{
    // A batch that failed leaves no encoding running on the bands it handed over.
    if (FEncoded.valid())
        FEncoded.wait();
}

void TTileSheet::Plan(
    const std::vector<AnsiString>& sourceFiles, const AnsiString& inputDirectory, const TBatchNames& names)
{
    assert(!FLayout && "one sheet a batch");
    const AnsiString imageName = SheetImageName(FOptions.name);
    CheckMarkupName(FOptions.name);
    for (const AnsiString& sourceFile : sourceFiles) {
        // The batch puts a separator between the folder and each name.
        const AnsiString pictureName = sourceFile.substr(inputDirectory.size() + 1);
        CheckMarkupName(pictureName);
        const AnsiString tileName = TileName(pictureName, names);
        // Letter case ignored, as the batch compares tile names.
        if (::strcasecmp(tileName.c_str(), imageName.c_str()) == 0)
            throw ESheetRefused("the sheet \"" + imageName + "\" would replace the tile of \"" + pictureName
                + "\"; choose another sheet name");
        FTiles.push_back({ pictureName, tileName });
    }
    FLayout = LayOutSheet(int(FTiles.size()), FCell, FOptions);
    // The sheet repeats the tiles just written, so it is compressed for speed rather than size.
    FEncoder = std::make_unique<TPngRowEncoder>(FLayout->width, FLayout->height, TPngCompression::Fastest);
    // Each row's band starts with the extrusion above its tiles.
    Encode(EmptyBand(FLayout->margin - FLayout->extrude));
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
    assert(colours.width == FLayout->tileWidth && colours.height == FLayout->tileHeight
        && "a tile of the sheet");
    const int extrude = FLayout->extrude;
    const int column = FAdded % FLayout->columns;
    const bool lastInRow = column == FLayout->columns - 1 || FAdded == FLayout->tileCount - 1;
    const bool lastRow = FAdded / FLayout->columns == FLayout->rows - 1;
    // Below a row: its extrusion, then the rest of the spacing, or of the margin after the last.
    const int gapBelow = lastRow ? FLayout->margin - extrude : FLayout->spacing - 2 * extrude;
    if (column == 0)
        FBand = EmptyBand(extrude + FLayout->tileHeight + extrude + gapBelow);
    if (extrude == 0) {
        Place(colours, alpha, FLayout->Position(FAdded).x, 0);
    } else {
        PixelRaster bled = colours;
        BleedColours(bled, alpha);
        Place(bled, alpha, FLayout->Position(FAdded).x, extrude);
    }
    ++FAdded;
    if (lastInRow)
        Encode(std::move(FBand));
}

void TTileSheet::Place(const PixelRaster& colours, std::span<const std::uint8_t> alpha, int left, int top)
{
    const int extrude = FLayout->extrude;
    const int width = colours.width;
    for (int bandY = top - extrude; bandY < top + colours.height + extrude; ++bandY) {
        const std::size_t tileRow = std::size_t(std::clamp(bandY - top, 0, colours.height - 1)) * std::size_t(width);
        const std::size_t bandRow = std::size_t(bandY) * std::size_t(FLayout->width) + std::size_t(left);
        const auto bandColours = FBand.colours.pixels.begin() + std::ptrdiff_t(bandRow);
        const auto bandAlpha = FBand.alpha.begin() + std::ptrdiff_t(bandRow);
        std::copy_n(colours.pixels.begin() + std::ptrdiff_t(tileRow), width, bandColours);
        std::copy_n(alpha.begin() + std::ptrdiff_t(tileRow), width, bandAlpha);
        // The row's first and last pixel, repeated outwards.
        std::fill_n(bandColours - extrude, extrude, colours.pixels[tileRow]);
        std::fill_n(bandAlpha - extrude, extrude, alpha[tileRow]);
        std::fill_n(bandColours + width, extrude, colours.pixels[tileRow + std::size_t(width) - 1]);
        std::fill_n(bandAlpha + width, extrude, alpha[tileRow + std::size_t(width) - 1]);
    }
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
    WriteText(base + ".json", AtlasJsonDocument(FOptions.name, *FLayout, FTiles, kSheetApp, version));
    WriteText(base + ".tres", GodotTileSetDocument(FOptions.name, *FLayout));
}
