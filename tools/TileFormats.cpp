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

TTileWriter PngTileWriter(TGraphic* mask, int width, int height)
{
    // The mask as the compose stretches it, once for the whole batch.
    TBitmap stretched;
    stretched.SetWidth(width);
    stretched.SetHeight(height);
    stretched.Canvas()->StretchDraw(Rect(0, 0, width, height), mask);
    auto brightness = std::make_shared<std::vector<std::uint8_t>>();
    for (const COLORREF pixel : stretched.Raster().pixels)
        brightness->push_back(std::uint8_t((GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3));
    return [brightness](TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile) {
        std::vector<std::uint8_t> alpha = *brightness;
        for (int y = 0; y < map.Height(); ++y) {
            for (int x = 0; x < map.Width(); ++x) {
                if (!map.Covers(x, y))
                    alpha[std::size_t(y) * std::size_t(map.Width()) + std::size_t(x)] = 0;
            }
        }
        WriteFileAtomically(tileFile, WritePng(tile.Raster(), alpha));
    };
}
