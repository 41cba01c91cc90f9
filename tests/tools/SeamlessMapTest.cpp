// SPDX-License-Identifier: MIT
// Maps made of default output have no holes wherever Tiled draws them: at fractional scales,
// smoothed and not, with odd and even cell heights, in every projection.
#include "tests/tools/TiledMap.h"

#include "resources/data/SampleTextures.h"

#include <tinyxml2.h>

namespace {

struct MapCase {
    const char* name;
    int tileHeight;
    const char* projection;
    bool oneTexture; // one seamless texture on every cell, else four different ones
};

constexpr int kTileWidth = 128;
constexpr double kScales[] = { 0.5, 0.75, 1, 1.5, 2 };

class SeamlessMapTest : public ShippedMaskTest {
protected:
    // The sheet "floor" of default output, with the options added, in a folder of its own;
    // returns the map drawn from it.
    std::string MakeMap(const MapCase& map, const std::string& folder, std::vector<const char*> options = {})
    {
        const std::string pictures = root.MakeDirectory(folder + "-in");
        const std::string tiles = root.MakeDirectory(folder);
        WriteTexture(pictures + "/grass.png", DrawGrass(64));
        if (!map.oneTexture) {
            WriteTexture(pictures + "/sand.png", DrawSand(64));
            WriteTexture(pictures + "/stone.png", DrawStone(64));
            WriteTexture(pictures + "/water.png", DrawWater(64));
        }
        const std::string height = std::to_string(map.tileHeight);
        std::vector<const char*> arguments = { "--from", "png", "--to", "png", "--projection", map.projection,
            "--height", height.c_str(), "--sheet", "floor" };
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.insert(arguments.end(), { pictures.c_str(), tiles.c_str() });
        const CommandRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string file = tiles + "/map.tmx";
        WriteMap(file, { { "floor.tsx", 1, {} } }, { map.oneTexture ? kOneTile() : kFloor }, kTileWidth,
            map.tileHeight);
        return file;
    }
};

} // namespace

TEST_F(SeamlessMapTest, NoPixelInsideTheMapShowsThroughAtAnyScaleSmoothedOrNot)
{
    const MapCase cases[] = {
        { "iso 63, one texture", 63, "iso", true },
        { "iso 63, four textures", 63, "iso", false },
        { "iso 64, one texture", 64, "iso", true },
        { "iso 64, four textures", 64, "iso", false },
        { "stretch 63", 63, "stretch", false },
        { "stretch 64", 64, "stretch", false },
        { "block 63", 63, "block", false },
    };
    for (const MapCase& map : cases) {
        const std::string file = MakeMap(map, map.name);
        for (const bool smooth : { false, true }) {
            for (const double scale : kScales) {
                SCOPED_TRACE(std::string(map.name) + (smooth ? ", smoothed" : ", nearest") + " at "
                    + std::to_string(scale));
                const Rgba rendered = Rasterize(file, root / "render.png", scale, smooth);
                ASSERT_EQ(rendered.width, int(kMapSide * kTileWidth * scale));
                EXPECT_EQ(MapHoles(rendered, scale, kTileWidth, map.tileHeight), 0);
            }
        }
    }
}

// At 64 rows cells fall on whole pixels. At an odd height Tiled rounds the half pixels one
// way or the other depending on the pictures' size, so the two maps' cells may lie a row
// apart; TiledLayoutTest checks those placements instead.
TEST_F(SeamlessMapTest, AtOneToOneASeamlessTextureShowsExactlyTheExactDiamondsInsideEveryCell)
{
    const MapCase map { "one texture", 64, "iso", true };
    const Rgba overdrawn = Rasterize(MakeMap(map, "overdrawn"), root / "overdrawn.png");
    const Rgba exact = Rasterize(MakeMap(map, "exact", { "--overdraw", "0" }), root / "exact.png");

    ASSERT_EQ(overdrawn.width, exact.width);
    ASSERT_EQ(overdrawn.height, exact.height);
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < exact.height; ++y) {
        for (int x = 0; x < exact.width; ++x) {
            if (exact.At(x, y)[3] == 0)
                continue;
            ++compared;
            if (!std::equal(exact.At(x, y), exact.At(x, y) + 4, overdrawn.At(x, y)) && ++differing <= 3)
                ADD_FAILURE() << "at " << x << ", " << y;
        }
    }
    EXPECT_EQ(differing, 0);
    // The whole inside of the map is compared: the exact diamonds meet at 64 rows.
    EXPECT_EQ(compared, kMapSide * kMapSide * kTileWidth * 64 / 2);
}
