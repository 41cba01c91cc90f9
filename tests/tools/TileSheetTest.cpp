// SPDX-License-Identifier: MIT
#include "tileset/TileSheet.h"

#include "resources/Version.h"
#include "tests/tools/BatchCommandFixture.h"

#include <nlohmann/json.hpp>
#include <tinyxml2.h>

namespace {

struct SheetCase {
    const char* name;
    int tiles;
    std::vector<const char*> options;
    int columns;
    int spacing;
    int margin;
};

std::string Attribute(const tinyxml2::XMLElement* element, const char* name)
{
    const char* value = element ? element->Attribute(name) : nullptr;
    return value ? value : "<missing>";
}

class TileSheetTest : public BatchCommandTest {
protected:
    // Pictures p00.png, p01.png, … of 20 x 10 pixels, each its own colours.
    std::vector<std::string> WritePictures(int count)
    {
        std::vector<std::string> names;
        for (int index = 0; index < count; ++index) {
            names.push_back((index < 10 ? "p0" : "p") + std::to_string(index) + ".png");
            WriteTestPng(in + "/" + names.back(), 20, 10, index + 1);
        }
        return names;
    }
};

} // namespace

TEST_F(TileSheetTest, LaysTheTilesOutRowByRowAndDescribesEveryOne)
{
    const SheetCase cases[] = {
        { "one", 1, {}, 1, 0, 0 },
        { "five", 5, {}, 3, 0, 0 },
        { "sixteen", 16, {}, 4, 0, 0 },
        { "one spaced", 1, { "--spacing", "3", "--margin", "2" }, 1, 3, 2 },
        { "five spaced", 5, { "--columns", "2", "--spacing=1", "--margin=4" }, 2, 1, 4 },
        { "sixteen spaced", 16, { "--columns", "5", "--spacing", "2", "--margin", "1" }, 5, 2, 1 },
    };
    for (const SheetCase& sheet : cases) {
        SCOPED_TRACE(sheet.name);
        TemporaryDirectory directory;
        in = directory.MakeDirectory("in");
        out = directory.MakeDirectory("out");
        const std::vector<std::string> pictures = WritePictures(sheet.tiles);
        // Without overdraw, so the tiles are as large as their cells.
        std::vector<const char*> arguments = { "--overdraw", "0", "--from", "png", "--to", "png", "--width",
            "16", "--height", "8", "--projection", "iso", "--sheet", "tiles" };
        arguments.insert(arguments.end(), sheet.options.begin(), sheet.options.end());
        arguments.push_back(in.c_str());
        arguments.push_back(out.c_str());

        const CommandRun run = Run(arguments);

        ASSERT_EQ(run.status, 0) << run.err;
        const int rows = (sheet.tiles + sheet.columns - 1) / sheet.columns;
        const int width = 2 * sheet.margin + sheet.columns * 16 + (sheet.columns - 1) * sheet.spacing;
        const int height = 2 * sheet.margin + rows * 8 + (rows - 1) * sheet.spacing;

        // The picture: each tile, byte for byte, at its place; transparent everywhere else.
        const Rgba image = DecodeRgba(out + "/tiles.png");
        ASSERT_EQ(image.width, width);
        ASSERT_EQ(image.height, height);
        std::vector<bool> onTile(std::size_t(width) * std::size_t(height), false);
        for (int index = 0; index < sheet.tiles; ++index) {
            const Rgba tile = DecodeRgba(out + "/" + pictures[std::size_t(index)]);
            const int left = sheet.margin + index % sheet.columns * (16 + sheet.spacing);
            const int top = sheet.margin + index / sheet.columns * (8 + sheet.spacing);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 16; ++x) {
                    onTile[std::size_t(top + y) * std::size_t(width) + std::size_t(left + x)] = true;
                    ASSERT_TRUE(std::equal(tile.At(x, y), tile.At(x, y) + 4, image.At(left + x, top + y)))
                        << "tile " << index << " at " << x << ", " << y;
                }
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!onTile[std::size_t(y) * std::size_t(width) + std::size_t(x)]) {
                    ASSERT_EQ(image.At(x, y)[3], 0) << x << ", " << y;
                }
            }
        }

        // The tileset, as Tiled reads it.
        tinyxml2::XMLDocument tsx;
        ASSERT_EQ(tsx.LoadFile((out + "/tiles.tsx").c_str()), tinyxml2::XML_SUCCESS);
        const tinyxml2::XMLElement* tileset = tsx.FirstChildElement("tileset");
        ASSERT_NE(tileset, nullptr);
        EXPECT_EQ(Attribute(tileset, "name"), "tiles");
        EXPECT_EQ(Attribute(tileset, "tilewidth"), "16");
        EXPECT_EQ(Attribute(tileset, "tileheight"), "8");
        EXPECT_EQ(Attribute(tileset, "tilecount"), std::to_string(sheet.tiles));
        EXPECT_EQ(Attribute(tileset, "columns"), std::to_string(sheet.columns));
        EXPECT_EQ(Attribute(tileset, "spacing"), std::to_string(sheet.spacing));
        EXPECT_EQ(Attribute(tileset, "margin"), std::to_string(sheet.margin));
        const tinyxml2::XMLElement* tsxImage = tileset->FirstChildElement("image");
        EXPECT_EQ(Attribute(tsxImage, "source"), "tiles.png");
        EXPECT_EQ(Attribute(tsxImage, "width"), std::to_string(width));
        EXPECT_EQ(Attribute(tsxImage, "height"), std::to_string(height));
        int tileIndex = 0;
        for (const tinyxml2::XMLElement* tile = tileset->FirstChildElement("tile"); tile;
             tile = tile->NextSiblingElement("tile"), ++tileIndex) {
            ASSERT_LT(tileIndex, sheet.tiles);
            EXPECT_EQ(Attribute(tile, "id"), std::to_string(tileIndex));
            const tinyxml2::XMLElement* property
                = tile->FirstChildElement("properties")->FirstChildElement("property");
            EXPECT_EQ(Attribute(property, "name"), "source");
            EXPECT_EQ(Attribute(property, "value"), pictures[std::size_t(tileIndex)]);
            EXPECT_EQ(property->NextSiblingElement("property"), nullptr);
        }
        EXPECT_EQ(tileIndex, sheet.tiles);

        // The atlas, every field.
        const nlohmann::json atlas = nlohmann::json::parse(TemporaryDirectory::Read(out + "/tiles.json"));
        ASSERT_EQ(atlas["frames"].size(), std::size_t(sheet.tiles));
        for (int index = 0; index < sheet.tiles; ++index) {
            const nlohmann::json& frame = atlas["frames"][pictures[std::size_t(index)]];
            const int left = sheet.margin + index % sheet.columns * (16 + sheet.spacing);
            const int top = sheet.margin + index / sheet.columns * (8 + sheet.spacing);
            EXPECT_EQ(frame,
                nlohmann::json::parse(R"({"frame": {"x": )" + std::to_string(left) + R"(, "y": )"
                    + std::to_string(top) + R"(, "w": 16, "h": 8}, "rotated": false, "trimmed": false,
                "spriteSourceSize": {"x": 0, "y": 0, "w": 16, "h": 8}, "sourceSize": {"w": 16, "h": 8},
                "pivot": {"x": 0.5, "y": 0.5}})"))
                << pictures[std::size_t(index)];
        }
        EXPECT_EQ(atlas["meta"],
            nlohmann::json({ { "app", "Durnik" }, { "version", kFileVersion }, { "image", "tiles.png" },
                { "format", "RGBA8888" }, { "size", { { "w", width }, { "h", height } } },
                { "scale", "1" } }));
        // Tiles in name order: the frames are written in the sheet's order too.
        const std::string json = TemporaryDirectory::Read(out + "/tiles.json");
        for (int index = 1; index < sheet.tiles; ++index)
            EXPECT_LT(json.find(pictures[std::size_t(index - 1)]), json.find(pictures[std::size_t(index)]));
    }
}

TEST_F(TileSheetTest, ASheetTooLargeIsRefusedBeforeAnythingIsWritten)
{
    WritePictures(2);

    const CommandRun wide = Run({ "--overdraw", "0", "--from", "png", "--to", "png", "--width", "8200",
        "--height", "4", "--sheet", "s", "--columns", "2", in.c_str(), out.c_str() });
    const CommandRun spaced = Run({ "--overdraw", "0", "--from", "png", "--to", "png", "--sheet", "s",
        "--columns", "1", "--spacing", "16300", in.c_str(), out.c_str() });

    EXPECT_EQ(wide.status, 2);
    EXPECT_NE(wide.err.find("the sheet of 2 tiles would be 16400 x 4 pixels, more than 16384 x 16384"),
        std::string::npos)
        << wide.err;
    EXPECT_EQ(spaced.status, 2);
    EXPECT_NE(spaced.err.find("would be 128 x 16426 pixels"), std::string::npos) << spaced.err;
    EXPECT_TRUE(root.Names("out").empty());

    // Just the limit is taken.
    const CommandRun limit = Run({ "--overdraw", "0", "--from", "png", "--to", "png", "--width", "8192",
        "--height", "4", "--sheet", "s", "--columns", "2", in.c_str(), out.c_str() });
    EXPECT_EQ(limit.status, 0) << limit.err;
    EXPECT_EQ(DecodeRgba(out + "/s.png").width, 16384);
}

TEST_F(TileSheetTest, NoSheetIsWrittenWhenAPictureFails)
{
    WritePictures(2);
    root.Write("in/p02.png", "not a picture");

    const CommandRun run = Run({ "--from", "png", "--to", "png", "--sheet", "s", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(SortedNames(root.Names("out")), (std::vector<std::string> { "p00.png", "p01.png" }));
}

TEST_F(TileSheetTest, ASheetThatWouldReplaceATileIsRefused)
{
    WritePictures(1);
    WriteTestPng(in + "/Sheet.png", 5, 5, 9);

    const CommandRun run
        = Run({ "--from", "png", "--to", "png", "--sheet", "sheet", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 2);
    EXPECT_NE(
        run.err.find("the sheet \"sheet.png\" would replace the tile of \"Sheet.png\""), std::string::npos)
        << run.err;
    EXPECT_TRUE(root.Names("out").empty());
}

TEST_F(TileSheetTest, NamesThatNoTilesetCanHoldAreRefused)
{
    WritePictures(1);
    root.Write("in/bad\x01name.png", TemporaryDirectory::Read(in + "/p00.png"));
    root.Write("in/latin\xE9.png", TemporaryDirectory::Read(in + "/p00.png"));

    const CommandRun run = Run({ "--from", "png", "--to", "png", "--sheet", "s", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("is not UTF-8 text without control characters"), std::string::npos) << run.err;
    EXPECT_TRUE(root.Names("out").empty());
}
