// SPDX-License-Identifier: MIT
#include "tools/TileFormats.h"

#include "platform/gdi/BmpSampledRead.h"
#include "platform/png/PngCodec.h"
#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/FileStorage.h"

#include <memory>

void LoadMask(const AnsiString& maskFile, TBitmap& mask)
{
    if (IsPngFile(maskFile))
        mask.SetRaster(ReadPngFile(maskFile));
    else
        mask.LoadFromFile(maskFile);
}

PixelRaster ReadTileSource(const AnsiString& sourceFile, TSampler& sampler)
{
    if (MatchesFileMask(sourceFile, "*.png"))
        return ReadPngFileSampled(sourceFile, sampler);
    return ReadBmpFileSampled(sourceFile, sampler);
}

namespace {

// The mask as the compose stretches it, as opacity.
std::vector<std::uint8_t> MaskBrightness(TGraphic* mask, int width, int height)
{
    if (!mask)
        return std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height), 255);
    TBitmap stretched;
    stretched.SetWidth(width);
    stretched.SetHeight(height);
    stretched.Canvas()->StretchDraw(Rect(0, 0, width, height), mask);
    std::vector<std::uint8_t> brightness;
    for (const COLORREF pixel : stretched.Raster().pixels)
        brightness.push_back(std::uint8_t((GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3));
    return brightness;
}

} // namespace

TTileWriter PngTileWriter(TGraphic* mask, int width, int height, TPngTileWritten written)
{
    // Once for the whole batch.
    auto brightness = std::make_shared<const std::vector<std::uint8_t>>(MaskBrightness(mask, width, height));
    return [brightness, written = std::move(written)](
               TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile) {
        std::vector<std::uint8_t> alpha = *brightness;
        for (int y = 0; y < map.Height(); ++y) {
            for (int x = 0; x < map.Width(); ++x) {
                if (!map.Covers(x, y))
                    alpha[std::size_t(y) * std::size_t(map.Width()) + std::size_t(x)] = 0;
            }
        }
        WriteFileAtomically(tileFile, WritePng(tile.Raster(), alpha));
        if (written)
            written(tile.Raster(), alpha);
    };
}
