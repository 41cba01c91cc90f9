// SPDX-License-Identifier: MIT
#include "tile/PictureTile.h"

#include "platform/rtl/DirectoryListing.h"
#include "tile/BlockProjection.h"
#include "tile/Overdraw.h"
#include "tile/TileComposer.h"
#include "tile/TileFormats.h"

TTileFormat TileFormatOf(const AnsiString& fileName)
{
    return MatchesFileMask(fileName, "*.png") ? TTileFormat::Png : TTileFormat::Bmp;
}

int ProjectedTileHeight(TTileProjection projection, int height, int blockDepth)
{
    if (projection != TTileProjection::Block)
        return height;
    return height + BlockDepth(TBlockShape { blockDepth }, height);
}

void TPictureTile::Compose(TGraphic* source, TGraphic* mask, TBitmap& tile, int width, int height,
    TTileProjection projection, int blockDepth)
{
    const TBlockShape block { BlockDepth(TBlockShape { blockDepth }, height) };
    FFaceHeight = height;
    FDepth = projection == TTileProjection::Block ? block.depth : 0;
    FOverdrawn.reset();
    if (projection == TTileProjection::Block) {
        // The mask plays no part in a block, which is opaque inside its outline.
        mask = nullptr;
        height += block.depth;
    }
    FMap.reset();
    FMaskBrightness.clear();
    auto* picture = dynamic_cast<TBitmap*>(source);
    const bool hasPicture = picture && !picture->Empty();
    if (!hasPicture || width <= 0 || height <= 0 || projection == TTileProjection::Stretch) {
        // A stretch samples as StretchBlt does, so the picture is drawn as it always was.
        ComposeTile(source, mask, tile, width, height);
        if (tile.Empty())
            return;
        // Without a source the tile is the mask over white, all of it the mask's to show.
        FMap = hasPicture
            ? std::make_shared<TSampleMap>(picture->Width(), picture->Height(), width, height, StretchSample)
            : std::make_shared<TSampleMap>(1, 1, width, height, StretchSample);
    } else {
        const PixelRaster& whole = picture->Raster();
        FMap = std::make_shared<TSampleMap>(
            whole.width, whole.height, width, height, ProjectionRule(projection, block.depth));
        PixelRaster raster
            = SampleRows(*FMap, whole.monochrome, [&whole](int row) { return whole.Row(row); });
        if (projection == TTileProjection::Block)
            ShadeBlockFaces(raster, height - block.depth, block);
        TBitmap sampled;
        sampled.SetRaster(std::move(raster));
        ComposeTile(&sampled, mask, tile, width, height);
    }
    FMaskBrightness = MaskBrightness(mask, width, height);
    if (hasPicture && width > 0 && height > 0)
        ComposeOverdrawn(picture->Raster(), mask, width, projection, block);
}

void TPictureTile::ComposeOverdrawn(const PixelRaster& picture, TGraphic* mask, int width,
    TTileProjection projection, const TBlockShape& block)
{
    const TTileCell cell { width, FFaceHeight, FDepth, kDefaultOverdraw };
    TOverdrawPlan plan
        = PlanOverdraw(mask, projection, width, FFaceHeight + FDepth, block.depth, cell.overdraw);
    const TSampleMap map(picture.width, picture.height, cell.PictureWidth(), cell.PictureHeight(), plan.rule);
    PixelRaster raster
        = SampleRows(map, picture.monochrome, [&picture](int row) { return picture.Row(row); });
    if (projection == TTileProjection::Block)
        ShadeBlockFaces(raster, FFaceHeight, block, cell.overdraw);
    TBitmap sampled;
    sampled.SetRaster(std::move(raster));
    TBitmap grownMask;
    grownMask.SetRaster(std::move(plan.mask));
    TBitmap grown;
    ComposeTile(&sampled, &grownMask, grown, cell.PictureWidth(), cell.PictureHeight());
    // The grown tile's rule covers every pixel, so its opacity is its mask's brightness alone.
    FOverdrawn = TWrittenTile { grown.Raster(),
        MaskBrightness(&grownMask, cell.PictureWidth(), cell.PictureHeight()), cell };
}

void TPictureTile::Save(TBitmap& tile, const AnsiString& fileName, TTileFormat format) const
{
    if (!FMap || tile.Empty())
        throw EInvalidGraphicOperation("There is no picture to save");
    switch (format) {
    case TTileFormat::Bmp:
        tile.SaveToFile(fileName);
        return;
    case TTileFormat::Png: {
        const TWrittenTile written = Written(tile, format);
        WritePngTile(written.colours, written.alpha, fileName);
        return;
    }
    }
}

TWrittenTile TPictureTile::Written(const TBitmap& tile, TTileFormat format) const
{
    if (format == TTileFormat::Png && FOverdrawn)
        return *FOverdrawn;
    return { tile.Raster(), Alpha(), { tile.Width(), FFaceHeight, FDepth, 0 } };
}

std::vector<std::uint8_t> TPictureTile::Alpha() const
{
    return FMap ? TileAlpha(FMaskBrightness, *FMap) : std::vector<std::uint8_t> {};
}
