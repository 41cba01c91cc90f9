// SPDX-License-Identifier: MIT
#include "tile/TileFileConverters.h"

#include "platform/gdi/BmpSampledRead.h"
#include "tile/TileComposer.h"

#include <memory>

PixelRaster ReadBmpTileSource(const AnsiString& sourceFile, TSampler& sampler)
{
    return ReadBmpFileSampled(sourceFile, sampler);
}

void WriteBmpTile(TBitmap& tile, const TSampleMap&, const AnsiString& tileFile)
{
    tile.SaveToFile(tileFile);
}

TConvertFile SampledTileConverter(TGraphic* mask, TSampler sampler, TSampledReader read, TTileWriter write)
{
    // One sampler, source and tile bitmap serve every file, so a batch holds one of each.
    struct State {
        explicit State(TSampler withSampler)
            : sampler(std::move(withSampler))
        {
        }
        TSampler sampler;
        TBitmap source;
        TBitmap tile;
    };
    auto state = std::make_shared<State>(std::move(sampler));
    return [state, mask, read = std::move(read), write = std::move(write)](
               const AnsiString& sourceFile, const AnsiString& tileFile) {
        // Sampled to the tile size already, the picture is copied one to one by the compose.
        state->source.SetRaster(read(sourceFile, state->sampler));
        ComposeTile(&state->source, mask, state->tile, state->sampler.Width(), state->sampler.Height());
        write(state->tile, state->sampler.Map(), tileFile);
    };
}

TConvertFile SampledTileConverter(TGraphic* mask, int width, int height)
{
    return SampledTileConverter(mask, TSampler(width, height));
}
