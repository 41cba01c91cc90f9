// SPDX-License-Identifier: MIT
// Sheets as a real client loads them: maps that use our tilesets are rendered by Tiled's own
// command-line renderer and compared with the tiles placed by the test itself.
#include "tests/tools/TiledMap.h"

#include "resources/data/SampleTextures.h"
#include "tile/BlockProjection.h"
#include "tileset/TilesetDescriptions.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <tinyxml2.h>

namespace {

constexpr int kTileWidth = 128;
constexpr int kTileHeight = 64;

// How Tiled moves each picture of a tileset from its cell's lower left corner.
std::pair<int, int> TileOffset(const std::string& tsxFile)
{
    tinyxml2::XMLDocument tsx;
    EXPECT_EQ(tsx.LoadFile(tsxFile.c_str()), tinyxml2::XML_SUCCESS) << tsxFile;
    const tinyxml2::XMLElement* offset = tsx.FirstChildElement("tileset")->FirstChildElement("tileoffset");
    return offset ? std::pair { offset->IntAttribute("x"), offset->IntAttribute("y") } : std::pair { 0, 0 };
}

// The map drawn by hand: each tile's picture stands on its cell with its lower corners on
// the cell's, moved by the tileset's offset, so a taller tile rises above it; cells are drawn
// from the back to the front, and left to right across the map.
Rgba PlaceTiles(const std::vector<MapTileset>& tilesets, const std::vector<Layer>& layers)
{
    Rgba map { kMapSide * kTileWidth, kMapSide * kTileHeight, {} };
    map.bytes.assign(std::size_t(map.width) * std::size_t(map.height) * 4, 0);
    for (const Layer& layer : layers) {
        for (int diagonal = 0; diagonal < 2 * kMapSide - 1; ++diagonal) {
            for (int column = std::max(0, diagonal - kMapSide + 1);
                 column <= std::min(diagonal, kMapSide - 1); ++column) {
                const int row = diagonal - column;
                const int id = layer[std::size_t(row * kMapSide + column)];
                if (id == 0)
                    continue;
                const MapTileset* tileset = nullptr;
                for (const MapTileset& candidate : tilesets)
                    if (id >= candidate.firstId)
                        tileset = &candidate;
                const Rgba tile = DecodeRgba(tileset->tileFiles[std::size_t(id - tileset->firstId)]);
                const auto [offsetX, offsetY] = tileset->offset;
                const int left = (kMapSide + column - row - 1) * kTileWidth / 2 + offsetX;
                const int bottom = (column + row + 2) * kTileHeight / 2 + offsetY;
                for (int y = 0; y < tile.height; ++y) {
                    for (int x = 0; x < tile.width; ++x) {
                        const std::uint8_t* pixel = tile.At(x, y);
                        const int mapX = left + x;
                        const int mapY = bottom - tile.height + y;
                        if (pixel[3] == 0 || mapY < 0 || mapX < 0 || mapX >= map.width || mapY >= map.height)
                            continue;
                        EXPECT_EQ(pixel[3], 255) << "only opaque and transparent pixels compose exactly";
                        std::copy_n(pixel, 4, const_cast<std::uint8_t*>(map.At(mapX, mapY)));
                    }
                }
            }
        }
    }
    return map;
}

class TiledRenderTest : public ShippedMaskTest {
protected:
    // The sample textures as PNG tiles on the sheet "floor"; returns the tiles in sheet order.
    MapTileset MakeFloor(std::vector<const char*> sheetOptions = {})
    {
        WriteTexture(in + "/grass.png", DrawGrass(64));
        WriteTexture(in + "/sand.png", DrawSand(64));
        WriteTexture(in + "/stone.png", DrawStone(64));
        WriteTexture(in + "/water.png", DrawWater(64));
        std::vector<const char*> arguments = { "--from", "png", "--to", "png", "--projection", "iso",
            "--width", "128", "--height", "64", "--sheet", "floor" };
        arguments.insert(arguments.end(), sheetOptions.begin(), sheetOptions.end());
        arguments.push_back(in.c_str());
        arguments.push_back(out.c_str());
        const CommandRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return { "floor.tsx", 1,
            { out + "/grass.png", out + "/sand.png", out + "/stone.png", out + "/water.png" },
            TileOffset(out + "/floor.tsx") };
    }
};

} // namespace

TEST_F(TiledRenderTest, AnIsoFloorRendersAsPlacedAndCoversTheMapsDiamond)
{
    const std::vector<MapTileset> tilesets = { MakeFloor({ "--spacing", "3", "--margin", "2" }) };
    WriteMap(out + "/floor.tmx", tilesets, { kFloor });

    const Rgba rendered = Rasterize(out + "/floor.tmx", root / "floor-render.png");

    ExpectSamePicture(rendered, PlaceTiles(tilesets, { kFloor }));
    // Inside the map's diamond every pixel is opaque: the tiles meet without a seam.
    ASSERT_EQ(rendered.width, kMapSide * kTileWidth);
    EXPECT_EQ(MapHoles(rendered, 1, kTileWidth, kTileHeight), 0);
}

TEST_F(TiledRenderTest, BlocksStandUpFromTheirCellsOnTheFloor)
{
    MapTileset floor = MakeFloor();
    const std::string blockIn = root.MakeDirectory("block-in");
    std::swap(in, const_cast<std::string&>(blockIn));
    WriteTexture(in + "/wall.png", DrawStone(64));
    std::swap(in, const_cast<std::string&>(blockIn));
    const CommandRun blocks = Run({ "--from", "png", "--to", "png", "--projection", "block", "--width", "128",
        "--height", "64", "--sheet", "blocks", blockIn.c_str(), out.c_str() });
    ASSERT_EQ(blocks.status, 0) << blocks.err;
    const std::vector<MapTileset> tilesets
        = { floor, { "blocks.tsx", 5, { out + "/wall.png" }, TileOffset(out + "/blocks.tsx") } };
    const Layer row = { 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 0, 0, 0, 0 };
    WriteMap(out + "/blocks.tmx", tilesets, { kFloor, row });

    const Rgba rendered = Rasterize(out + "/blocks.tmx", root / "blocks-render.png");

    ExpectSamePicture(rendered, PlaceTiles(tilesets, { kFloor, row }));
    // The blocks' tiles are 64 pixels taller than a cell, and reach a pixel past it all round.
    EXPECT_EQ(DecodeRgba(out + "/wall.png").height, 1 + 128 + 1);
}

TEST_F(TiledRenderTest, NamesWithMarkupCharactersAppearExactlyAndTheTilesetStillLoads)
{
    const std::vector<std::string> names
        = { "a \"quoted\" 'name'.png", "b & c.png", "<d>.png", "e f.png", "\xC3\xB1\x61nd\xC3\xBA.png" };
    for (std::size_t index = 0; index < names.size(); ++index)
        WriteTexture(in + "/" + names[index], DrawGrass(16 + 16 * int(index)));

    const CommandRun run = Run({ "--from", "png", "--to", "png", "--projection", "iso", "--width", "128",
        "--height", "64", "--sheet", "odd & \"named\"", in.c_str(), out.c_str() });

    ASSERT_EQ(run.status, 0) << run.err;
    // The sheet's order is the batch's, which its report lists.
    std::vector<std::string> order;
    std::istringstream report(run.out.substr(run.out.find(" Files: ") + 8));
    for (std::string line; std::getline(report, line);)
        order.push_back(line);
    EXPECT_EQ(SortedNames(order), SortedNames(names));
    tinyxml2::XMLDocument tsx;
    ASSERT_EQ(tsx.LoadFile((out + "/odd & \"named\".tsx").c_str()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* tileset = tsx.FirstChildElement("tileset");
    EXPECT_STREQ(tileset->Attribute("name"), "odd & \"named\"");
    EXPECT_STREQ(tileset->FirstChildElement("image")->Attribute("source"), "odd & \"named\".png");
    std::vector<std::string> properties;
    for (const tinyxml2::XMLElement* tile = tileset->FirstChildElement("tile"); tile;
         tile = tile->NextSiblingElement("tile"))
        properties.push_back(
            tile->FirstChildElement("properties")->FirstChildElement("property")->Attribute("value"));
    EXPECT_EQ(properties, order);
    const nlohmann::json atlas
        = nlohmann::json::parse(TemporaryDirectory::Read(out + "/odd & \"named\".json"));
    std::vector<std::string> frames;
    for (const auto& [key, value] : atlas["frames"].items())
        frames.push_back(key);
    EXPECT_EQ(SortedNames(frames), SortedNames(order));
    EXPECT_EQ(atlas["meta"]["image"], "odd & \"named\".png");

    MapTileset odd { "odd &amp; &quot;named&quot;.tsx", 1, {} };
    odd.offset = TileOffset(out + "/odd & \"named\".tsx");
    for (const std::string& name : order)
        odd.tileFiles.push_back(out + "/" + name);
    const Layer layer = { 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1 };
    WriteMap(out + "/odd.tmx", { odd }, { layer });
    ExpectSamePicture(Rasterize(out + "/odd.tmx", root / "odd-render.png"), PlaceTiles({ odd }, { layer }));
}

TEST_F(TiledRenderTest, BackslashesInTileNamesLoadToo)
{
    // The batch reads "\" as a separator, so this tileset is written directly.
    const std::vector<TSheetTile> tiles = { { "back\\slash.png", "back\\slash.png" } };
    const TSheetLayout layout = LayOutSheet(1, { kTileWidth, kTileHeight }, {});
    const std::string tsx = TsxDocument("slash", layout, tiles);
    const std::string json = AtlasJsonDocument("slash", layout, tiles, "durnik-batch", "1");
    root.Write("slash.tsx", tsx);
    const PixelRaster white { kTileWidth, kTileHeight, false,
        std::vector<COLORREF>(std::size_t(kTileWidth * kTileHeight), clWhite) };
    const std::vector<std::uint8_t> png
        = WritePng(white, std::vector<std::uint8_t>(white.pixels.size(), 255));
    root.Write("slash.png", std::string(png.begin(), png.end()));
    root.Write("tile.png", std::string(png.begin(), png.end()));

    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(tsx.c_str()), tinyxml2::XML_SUCCESS);
    EXPECT_STREQ(document.FirstChildElement("tileset")
                     ->FirstChildElement("tile")
                     ->FirstChildElement("properties")
                     ->FirstChildElement("property")
                     ->Attribute("value"),
        "back\\slash.png");
    EXPECT_EQ(nlohmann::json::parse(json)["frames"].begin().key(), "back\\slash.png");
    const MapTileset slash { "slash.tsx", 1, { root / "tile.png" } };
    const Layer layer = { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 };
    WriteMap(root / "slash.tmx", { slash }, { layer });
    ExpectSamePicture(
        Rasterize(root / "slash.tmx", root / "slash-render.png"), PlaceTiles({ slash }, { layer }));
}
