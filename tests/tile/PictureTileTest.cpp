// SPDX-License-Identifier: MIT
// The window's tile of a whole picture against the tile durnik-batch samples from the file:
// the same pixels and the same file bytes under every projection and in both formats.
#include "tile/PictureTile.h"
#include "platform/png/PngCodec.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/tile/BatchTestPictures.h"
#include "tile/Overdraw.h"
#include "tile/TileComposer.h"
#include "tile/TileFormats.h"

#include <gtest/gtest.h>

namespace {

// A diamond mask of the tile size: white inside, black outside, grey on a band.
std::unique_ptr<TBitmap> DiamondMask(int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int distance = std::abs(2 * x - width) * height + std::abs(2 * y - height) * width;
            raster.pixels.push_back(distance < width * height - 40 ? clWhite
                    : distance < width * height                    ? RGB(128, 128, 128)
                                                                   : clBlack);
        }
    auto mask = std::make_unique<TBitmap>();
    mask->SetRaster(std::move(raster));
    return mask;
}

std::string Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
}

struct Case {
    const char* name;
    TTileProjection projection;
    TTileFormat format;
};

constexpr Case kCases[] = {
    { "stretch to BMP", TTileProjection::Stretch, TTileFormat::Bmp },
    { "stretch to PNG", TTileProjection::Stretch, TTileFormat::Png },
    { "iso to BMP", TTileProjection::Iso, TTileFormat::Bmp },
    { "iso to PNG", TTileProjection::Iso, TTileFormat::Png },
};

} // namespace

TEST(PictureTile, WritesTheBytesTheSampledBatchWritesForEveryProjectionAndFormat)
{
    TemporaryDirectory folder;
    WriteTestPicture(folder / "source.bmp", 97, 61, 3);
    const auto mask = DiamondMask(64, 31);
    for (const Case& row : kCases) {
        SCOPED_TRACE(row.name);
        const bool png = row.format == TTileFormat::Png;
        // durnik-batch's PNG tiles reach past their cell by default; its BMP tiles never do.
        TBitmap grownMask;
        TGraphic* batchMask = mask.get();
        TSampleRule rule = ProjectionRule(row.projection);
        const int grown = png ? 2 * kDefaultOverdraw : 0;
        if (png) {
            TOverdrawPlan plan = PlanOverdraw(mask.get(), row.projection, 64, 31, 0, kDefaultOverdraw);
            grownMask.SetRaster(std::move(plan.mask));
            batchMask = &grownMask;
            rule = std::move(plan.rule);
        }
        const TTileWriter writer
            = png ? PngTileWriter(batchMask, 64 + grown, 31 + grown) : TTileWriter(WriteBmpTile);
        TSampledTileConverter batch(
            batchMask, TSampler(64 + grown, 31 + grown, rule), ReadTileSource, writer);
        batch.Convert(folder / "source.bmp", folder / "batch.tile");

        TBitmap source;
        LoadPicture(folder / "source.bmp", source);
        TBitmap tile;
        TPictureTile window;
        window.Compose(&source, mask.get(), tile, 64, 31, row.projection);
        window.Save(tile, folder / "window.tile", row.format);
        EXPECT_EQ(Bytes(folder / "window.tile"), Bytes(folder / "batch.tile"));
    }
}

TEST(PictureTile, StretchDrawsThePictureAsTheTileComposerAlwaysDid)
{
    const auto source = TestPicture(300, 200, 1);
    const auto mask = DiamondMask(128, 63);
    TBitmap expected;
    ComposeTile(source.get(), mask.get(), expected, 128, 63);
    TBitmap tile;
    TPictureTile().Compose(source.get(), mask.get(), tile, 128, 63, TTileProjection::Stretch);
    EXPECT_EQ(tile.Raster(), expected.Raster());
}

TEST(PictureTile, PngAlphaKeepsTheMaskOfTheComposeAndIsClearOutsideTheDiamond)
{
    TemporaryDirectory folder;
    const auto source = TestPicture(40, 40, 2);
    auto mask = DiamondMask(32, 15);
    TBitmap tile;
    TPictureTile picture;
    picture.Compose(source.get(), mask.get(), tile, 32, 15, TTileProjection::Iso);
    const std::vector<std::uint8_t> alpha = picture.Alpha();
    ASSERT_EQ(alpha.size(), std::size_t(32 * 15));
    EXPECT_EQ(alpha[0], 0) << "the corner lies outside the diamond";
    EXPECT_EQ(alpha[7 * 32 + 16], 255) << "the middle is opaque";

    // A mask changed after the compose changes neither the tile nor what a save writes.
    mask->Canvas()->Brush()->SetColor(clBlack);
    mask->Canvas()->FillRect(Rect(0, 0, 32, 15));
    EXPECT_EQ(picture.Alpha(), alpha);
    picture.Save(tile, folder / "tile.png", TTileFormat::Png);
    TBitmap reread;
    LoadPicture(folder / "tile.png", reread);
    EXPECT_EQ(reread.Raster().At(16 + kDefaultOverdraw, 7 + kDefaultOverdraw), tile.Raster().At(16, 7));
}

TEST(PictureTile, SavingBeforeAnyComposeOrAfterAnEmptyOneIsRefused)
{
    TemporaryDirectory folder;
    TBitmap tile;
    TPictureTile picture;
    EXPECT_THROW(picture.Save(tile, folder / "a.png", TTileFormat::Png), EInvalidGraphicOperation);
    picture.Compose(nullptr, nullptr, tile, 0, 63, TTileProjection::Iso);
    EXPECT_THROW(picture.Save(tile, folder / "a.bmp", TTileFormat::Bmp), EInvalidGraphicOperation);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(PictureTile, WithoutASourceThePngShowsTheMaskOverWhite)
{
    const auto mask = DiamondMask(16, 8);
    TBitmap tile;
    TPictureTile picture;
    picture.Compose(nullptr, mask.get(), tile, 16, 8, TTileProjection::Iso);
    EXPECT_EQ(picture.Alpha(), MaskBrightness(mask.get(), 16, 8));
    EXPECT_EQ(tile.Raster().At(8, 4), clWhite);
}

TEST(TileFormatOf, PngOnlyForANameEndingInPngInAnyCase)
{
    EXPECT_EQ(TileFormatOf("a.png"), TTileFormat::Png);
    EXPECT_EQ(TileFormatOf("/x/A.PnG"), TTileFormat::Png);
    EXPECT_EQ(TileFormatOf("a.png.bmp"), TTileFormat::Bmp);
    EXPECT_EQ(TileFormatOf("png"), TTileFormat::Bmp);
    EXPECT_EQ(TileFormatOf("a"), TTileFormat::Bmp);
}

TEST(LoadPicture, TakesPngByItsBytesAndLaysItsTransparencyOverWhite)
{
    TemporaryDirectory folder;
    // 2 x 1: opaque red, then blue at half opacity.
    const PixelRaster colours { 2, 1, false, { RGB(255, 0, 0), RGB(0, 0, 255) } };
    const std::vector<std::uint8_t> alpha { 255, 128 };
    const std::vector<std::uint8_t> png = WritePng(colours, alpha);
    // Named .bmp: the file's own bytes say what it is.
    std::ofstream(folder / "misnamed.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    TBitmap picture;
    LoadPicture(folder / "misnamed.bmp", picture);
    ASSERT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Raster().At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(picture.Raster().At(1, 0), RGB(127, 127, 255));
}

TEST(LoadPicture, AFileThatIsNeitherGetsTheBitmapErrorAndChangesNothing)
{
    TemporaryDirectory folder;
    const auto before = TestPicture(3, 3, 4);
    TBitmap picture;
    picture.Assign(before.get());
    const std::string text = folder.Write("notes.png", "just some words");
    try {
        LoadPicture(text, picture);
        FAIL() << "a text file loaded as a picture";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find("Cannot load"), AnsiString::npos) << error.Message();
        EXPECT_NE(error.Message().find("notes.png"), AnsiString::npos) << error.Message();
    }
    EXPECT_EQ(picture.Raster(), before->Raster());
}
