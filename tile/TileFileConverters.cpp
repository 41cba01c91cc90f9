// SPDX-License-Identifier: MIT
#include "tile/TileFileConverters.h"

#include "platform/gdi/BmpSampledRead.h"
#include "tile/TileComposer.h"

#include <memory>

TConvertFile SampledTileConverter(TGraphic* mask, int width, int height)
{
    // One source and one tile bitmap serve every file, so a batch holds one of each.
    auto source = std::make_shared<TBitmap>();
    auto tile = std::make_shared<TBitmap>();
    return [source, tile, mask, width, height](const AnsiString& sourceFile, const AnsiString& tileFile) {
        // Sampled to the tile size already, the picture is copied one to one by the compose.
        source->SetRaster(ReadBmpFileSampled(sourceFile, width, height));
        ComposeTile(source.get(), mask, *tile, width, height);
        tile->SaveToFile(tileFile);
    };
}
