// SPDX-License-Identifier: MIT
#include "tile/TileFormats.h"

#include "platform/gdi/BmpSampledRead.h"
#include "platform/png/PngCodec.h"
#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/FileStorage.h"

#include <memory>
#include <utility>

void LoadPicture(const AnsiString& fileName, TBitmap& picture)
{
    if (IsPngFile(fileName))
        picture.SetRaster(ReadPngFile(fileName));
    else
        picture.LoadFromFile(fileName);
}

PixelRaster ReadTileSource(const AnsiString& sourceFile, TSampler& sampler)
{
    if (MatchesFileMask(sourceFile, "*.png"))
        return ReadPngFileSampled(sourceFile, sampler);
    return ReadBmpFileSampled(sourceFile, sampler);
}

std::vector<std::uint8_t> MaskBrightness(TGraphic* mask, int width, int height)
{
    if (!mask)
        return std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height), 255);
    TBitmap stretched;
    stretched.SetWidth(width);
    stretched.SetHeight(height);
    stretched.Canvas()->StretchDraw(Rect(0, 0, width, height), mask);
    std::vector<std::uint8_t> brightness;
    brightness.reserve(stretched.Raster().pixels.size());
    for (const COLORREF pixel : stretched.Raster().pixels)
        brightness.push_back(std::uint8_t((GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3));
    return brightness;
}

std::vector<std::uint8_t> TileAlpha(std::vector<std::uint8_t> brightness, const TSampleMap& map)
{
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (!map.Covers(x, y))
                brightness[std::size_t(y) * std::size_t(map.Width()) + std::size_t(x)] = 0;
        }
    }
    return brightness;
}

void WritePngTile(const PixelRaster& colours, std::span<const std::uint8_t> alpha, const AnsiString& tileFile)
{
    WriteFileAtomically(tileFile, WritePng(colours, alpha));
}

TTileWriter PngTileWriter(TGraphic* mask, int width, int height, TPngTileWritten written)
{
    // The mask as the compose stretches it, once for the whole batch.
    auto brightness = std::make_shared<const std::vector<std::uint8_t>>(MaskBrightness(mask, width, height));
    return [brightness, written = std::move(written)](
               TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile) {
        const std::vector<std::uint8_t> alpha = TileAlpha(*brightness, map);
        WritePngTile(tile.Raster(), alpha, tileFile);
        if (written)
            written(tile.Raster(), alpha);
    };
}
