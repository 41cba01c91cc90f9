// SPDX-License-Identifier: MIT
// The preview's map against Tiled's own renderer, pixel for pixel at 1:1: the same cells in
// the same places for even and odd sizes, with and without overdraw, floors and blocks.
#include "tests/tools/TiledMap.h"

#include "resources/data/SampleTextures.h"
#include "tile/TileMosaic.h"

namespace {

struct LayoutCase {
    int width;
    int height;
    const char* projection;
    const char* overdraw;
};

constexpr COLORREF kGround = RGB(255, 0, 255);

class TiledLayoutTest : public ShippedMaskTest {
protected:
    TiledLayoutTest() { WriteTexture(in + "/stone.png", DrawStone(64)); }
};

} // namespace

TEST_F(TiledLayoutTest, ThePreviewPlacesEveryTileWhereTiledDraws)
{
    const LayoutCase cases[] = {
        { 128, 63, "iso", "0" },
        { 128, 63, "iso", "1" },
        { 128, 63, "iso", "2" },
        { 128, 64, "iso", "1" },
        { 128, 61, "iso", "1" },
        { 126, 63, "iso", "1" },
        { 127, 64, "iso", "0" },
        { 64, 33, "block", "1" },
    };
    for (const LayoutCase& layout : cases) {
        const std::string name = std::to_string(layout.width) + "x" + std::to_string(layout.height) + " "
            + layout.projection + " overdraw " + layout.overdraw;
        SCOPED_TRACE(name);
        const std::string tiles = root.MakeDirectory(name);
        const std::string width = std::to_string(layout.width);
        const std::string height = std::to_string(layout.height);
        const CommandRun run = Run({ "--from", "png", "--to", "png", "--projection", layout.projection,
            "--width", width.c_str(), "--height", height.c_str(), "--overdraw", layout.overdraw, "--sheet",
            "t", in.c_str(), tiles.c_str() });
        ASSERT_EQ(run.status, 0) << run.err;
        WriteMap(tiles + "/map.tmx", { { "t.tsx", 1, {} } }, { kOneTile() }, layout.width, layout.height);
        const Rgba rendered = Rasterize(tiles + "/map.tmx", root / "render.png");

        const Rgba tile = DecodeRgba(tiles + "/stone.png");
        PixelRaster colours { tile.width, tile.height, false, {} };
        std::vector<std::uint8_t> alpha;
        for (int y = 0; y < tile.height; ++y)
            for (int x = 0; x < tile.width; ++x) {
                colours.pixels.push_back(RGB(tile.At(x, y)[0], tile.At(x, y)[1], tile.At(x, y)[2]));
                alpha.push_back(tile.At(x, y)[3]);
            }
        const int depth = std::string(layout.projection) == "block" ? layout.height : 0;
        const TMosaic mosaic = TileMosaic(colours, alpha, kMapSide, kMapSide, kGround,
            { layout.width, layout.height, depth, std::stoi(layout.overdraw) });

        // The map's own picture of the mosaic, the ground transparent.
        Rgba placed { mosaic.mapWidth, mosaic.mapHeight, {} };
        for (int y = 0; y < placed.height; ++y)
            for (int x = 0; x < placed.width; ++x) {
                const COLORREF pixel = mosaic.picture.At(mosaic.mapLeft + x, mosaic.mapTop + y);
                placed.bytes.insert(placed.bytes.end(),
                    { GetRValue(pixel), GetGValue(pixel), GetBValue(pixel),
                        std::uint8_t(pixel == kGround ? 0 : 255) });
            }
        ExpectSamePicture(rendered, placed);
        EXPECT_EQ(mosaic.holes, MapHoles(rendered, 1, layout.width, layout.height));
    }
}
