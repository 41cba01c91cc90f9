// SPDX-License-Identifier: MIT
// What a sheet tells its loaders about where each tile stands, and what it does against
// bleeding: the TSX's grid and offset, the atlas's pivots, the Godot TileSet read back field
// by field, and the extruded, colour-bled sheet.
#include "tests/tools/BatchCommandFixture.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <tinyxml2.h>

namespace {

// A Godot text resource as its parser reads it: sections by heading, each with its
// attributes and properties, values as written.
struct GodotSection {
    std::string heading;
    std::map<std::string, std::string> attributes;
    std::map<std::string, std::string> properties;
};

// The attributes of a heading after its name: key=value pairs apart by spaces, a value
// quoted (with backslash escapes) or running to the next space.
std::map<std::string, std::string> GodotAttributes(const std::string& rest)
{
    std::map<std::string, std::string> attributes;
    std::size_t at = 0;
    while ((at = rest.find_first_not_of(' ', at)) != std::string::npos) {
        const std::size_t equals = rest.find('=', at);
        EXPECT_NE(equals, std::string::npos) << "no value in: " << rest;
        if (equals == std::string::npos)
            break;
        const std::string key = rest.substr(at, equals - at);
        std::size_t end = equals + 1;
        if (end < rest.size() && rest[end] == '"') {
            for (++end; end < rest.size() && rest[end] != '"'; ++end)
                end += rest[end] == '\\' ? 1 : 0;
            ++end;
        } else {
            end = std::min(rest.find(' ', end), rest.size());
        }
        attributes[key] = rest.substr(equals + 1, end - equals - 1);
        at = end;
    }
    return attributes;
}

std::vector<GodotSection> ParseGodotText(const std::string& text)
{
    std::vector<GodotSection> sections;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t assignment = line.find(" = ");
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            const std::string inside = line.substr(1, line.size() - 2);
            const std::size_t nameEnd = std::min(inside.find(' '), inside.size());
            sections.push_back({ inside.substr(0, nameEnd), GodotAttributes(inside.substr(nameEnd)), {} });
        } else if (assignment != std::string::npos && assignment > 0
            && line.find_first_of(" =") == assignment) {
            EXPECT_FALSE(sections.empty()) << line;
            if (sections.empty())
                continue;
            EXPECT_TRUE(sections.back().properties.emplace(line.substr(0, assignment), line.substr(assignment + 3)).second)
                << "twice: " << line;
        } else {
            EXPECT_TRUE(line.empty()) << "not Godot's text format: " << line;
        }
    }
    return sections;
}

// The text of a quoted Godot string, its escapes undone.
std::string GodotText(const std::string& quoted)
{
    EXPECT_TRUE(quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"') << quoted;
    std::string text;
    for (std::size_t index = 1; index + 1 < quoted.size(); ++index) {
        if (quoted[index] == '\\')
            ++index;
        text += quoted[index];
    }
    return text;
}

const GodotSection* Section(const std::vector<GodotSection>& sections, const std::string& heading)
{
    for (const GodotSection& section : sections)
        if (section.heading == heading)
            return &section;
    ADD_FAILURE() << "no [" << heading << "]";
    return nullptr;
}

std::string Vector(int x, int y)
{
    return "Vector2i(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

class TilesetAnchorsTest : public BatchCommandTest {
protected:
    // count pictures of different colours; returns their tile names in sheet order.
    std::vector<std::string> WritePictures(int count)
    {
        std::vector<std::string> names;
        for (int index = 0; index < count; ++index) {
            names.push_back("p" + std::to_string(index) + ".png");
            WriteTestPng(in + "/" + names.back(), 30, 30, index + 1);
        }
        return names;
    }

    CommandRun Sheet(const char* name, std::vector<const char*> options)
    {
        std::vector<const char*> arguments
            = { "--from", "png", "--to", "png", "--width", "32", "--height", "15", "--sheet", name };
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.insert(arguments.end(), { in.c_str(), out.c_str() });
        return Run(arguments);
    }
};

} // namespace

TEST_F(TilesetAnchorsTest, EveryDescriptionPlacesABlocksFloorOnItsCell)
{
    WritePictures(5);
    // Blocks 32 x 15 on a cell, 7 rows deep, reaching a pixel past it: pictures 34 x 24.
    const CommandRun run = Sheet("blocks", { "--projection", "block", "--depth", "7", "--columns", "2" });
    ASSERT_EQ(run.status, 0) << run.err;

    tinyxml2::XMLDocument tsx;
    ASSERT_EQ(tsx.LoadFile((out + "/blocks.tsx").c_str()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* tileset = tsx.FirstChildElement("tileset");
    EXPECT_EQ(tileset->IntAttribute("tilewidth"), 34);
    EXPECT_EQ(tileset->IntAttribute("tileheight"), 24);
    EXPECT_STREQ(tileset->Attribute("objectalignment"), "bottom");
    const tinyxml2::XMLElement* offset = tileset->FirstChildElement("tileoffset");
    ASSERT_NE(offset, nullptr);
    EXPECT_EQ(offset->IntAttribute("x"), -1);
    EXPECT_EQ(offset->IntAttribute("y"), 1);
    const tinyxml2::XMLElement* grid = tileset->FirstChildElement("grid");
    ASSERT_NE(grid, nullptr);
    EXPECT_STREQ(grid->Attribute("orientation"), "isometric");
    EXPECT_EQ(grid->IntAttribute("width"), 32);
    EXPECT_EQ(grid->IntAttribute("height"), 15);

    // The floor's centre lies at (1 + 16, 1 + 7 + 7.5) of each 34 x 24 frame.
    const nlohmann::json atlas = nlohmann::json::parse(TemporaryDirectory::Read(out + "/blocks.json"));
    for (const auto& [name, frame] : atlas["frames"].items()) {
        SCOPED_TRACE(name);
        EXPECT_DOUBLE_EQ(frame["pivot"]["x"].get<double>(), 17.0 / 34);
        EXPECT_DOUBLE_EQ(frame["pivot"]["y"].get<double>(), 15.5 / 24);
        EXPECT_EQ(frame["sourceSize"], nlohmann::json({ { "w", 34 }, { "h", 24 } }));
        EXPECT_EQ(
            frame["spriteSourceSize"], nlohmann::json({ { "x", 0 }, { "y", 0 }, { "w", 34 }, { "h", 24 } }));
    }

    const std::vector<GodotSection> godot = ParseGodotText(TemporaryDirectory::Read(out + "/blocks.tres"));
    const GodotSection* atlasSource = Section(godot, "sub_resource");
    ASSERT_NE(atlasSource, nullptr);
    // Godot centres the 34 x 24 picture on the cell less the origin: the floor's centre lies
    // 15.5 - 12 = 3.5 rows below the picture's, so half the depth, rounded.
    std::set<std::string> tiles;
    for (const auto& [key, value] : atlasSource->properties) {
        if (key.ends_with("/texture_origin"))
            EXPECT_EQ(value, Vector(0, 4)) << key;
        else if (key.ends_with("/0"))
            tiles.insert(key);
    }
    EXPECT_EQ(tiles, (std::set<std::string> { "0:0/0", "1:0/0", "0:1/0", "1:1/0", "0:2/0" }));
    for (const std::string& tile : tiles)
        EXPECT_EQ(atlasSource->properties.count(tile + "/texture_origin"), 1U) << tile;
}

TEST_F(TilesetAnchorsTest, TheGodotTileSetReadsBackAsTheSheetIsLaidOut)
{
    WritePictures(3);
    const char* name = "odd & \"named\" [1]";
    const CommandRun run
        = Sheet(name, { "--projection", "iso", "--spacing", "2", "--margin", "3", "--extrude", "1" });
    ASSERT_EQ(run.status, 0) << run.err;

    const std::vector<GodotSection> godot
        = ParseGodotText(TemporaryDirectory::Read(out + "/" + name + ".tres"));
    ASSERT_EQ(godot.size(), 4U);
    EXPECT_EQ(godot[0].heading, "gd_resource");
    EXPECT_EQ(godot[0].attributes.at("type"), "\"TileSet\"");
    EXPECT_EQ(godot[0].attributes.at("format"), "3");
    EXPECT_EQ(godot[0].attributes.at("load_steps"), "3");
    const GodotSection* texture = Section(godot, "ext_resource");
    const GodotSection* source = Section(godot, "sub_resource");
    const GodotSection* resource = Section(godot, "resource");
    ASSERT_TRUE(texture && source && resource);
    EXPECT_EQ(texture->attributes.at("type"), "\"Texture2D\"");
    EXPECT_EQ(GodotText(texture->attributes.at("path")), std::string(name) + ".png");
    EXPECT_EQ(source->attributes.at("type"), "\"TileSetAtlasSource\"");
    EXPECT_EQ(source->properties.at("texture"), "ExtResource(" + texture->attributes.at("id") + ")");
    // The extrusion lies in the margin and the spacing, so Godot finds the frames where they are.
    EXPECT_EQ(source->properties.at("margins"), Vector(4, 4));
    EXPECT_EQ(source->properties.at("separation"), Vector(4, 4));
    EXPECT_EQ(source->properties.at("texture_region_size"), Vector(34, 17));
    // Three tiles on a square sheet of two columns, each declared once, none past the sheet.
    EXPECT_EQ(source->properties.size(), 4U + 3U);
    for (const char* tile : { "0:0/0", "1:0/0", "0:1/0" })
        EXPECT_EQ(source->properties.count(tile), 1U) << tile;
    EXPECT_EQ(resource->properties.at("tile_shape"), "1");
    EXPECT_EQ(resource->properties.at("tile_layout"), "5");
    EXPECT_EQ(resource->properties.at("tile_size"), Vector(32, 15));
    EXPECT_EQ(resource->properties.at("sources/0"), "SubResource(" + source->attributes.at("id") + ")");

    // Where the atlas and the tileset put the frames.
    const nlohmann::json atlas = nlohmann::json::parse(TemporaryDirectory::Read(out + "/" + name + ".json"));
    EXPECT_EQ(atlas["frames"]["p1.png"]["frame"],
        nlohmann::json({ { "x", 4 + 34 + 4 }, { "y", 4 }, { "w", 34 }, { "h", 17 } }));
}

TEST_F(TilesetAnchorsTest, ExtrusionRepeatsEachEdgeAndBleedsColourUnderTransparencyOnly)
{
    const std::vector<std::string> names = WritePictures(3);
    const CommandRun run = Sheet("sheet",
        { "--projection", "iso", "--extrude", "2", "--spacing", "1", "--margin", "1", "--columns", "2" });
    ASSERT_EQ(run.status, 0) << run.err;

    tinyxml2::XMLDocument tsx;
    ASSERT_EQ(tsx.LoadFile((out + "/sheet.tsx").c_str()), tinyxml2::XML_SUCCESS);
    EXPECT_EQ(tsx.FirstChildElement("tileset")->IntAttribute("margin"), 1 + 2);
    EXPECT_EQ(tsx.FirstChildElement("tileset")->IntAttribute("spacing"), 1 + 2 * 2);
    const nlohmann::json atlas = nlohmann::json::parse(TemporaryDirectory::Read(out + "/sheet.json"));
    const Rgba sheet = DecodeRgba(out + "/sheet.png");
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Rgba tile = DecodeRgba(out + "/" + name);
        const int left = atlas["frames"][name]["frame"]["x"];
        const int top = atlas["frames"][name]["frame"]["y"];
        for (int y = 0; y < tile.height; ++y) {
            for (int x = 0; x < tile.width; ++x) {
                const std::uint8_t* framed = sheet.At(left + x, top + y);
                ASSERT_EQ(framed[3], tile.At(x, y)[3]) << x << ", " << y;
                if (framed[3] > 0) {
                    ASSERT_TRUE(std::equal(framed, framed + 3, tile.At(x, y))) << x << ", " << y;
                    continue;
                }
                // A transparent pixel takes the colour of one of its nearest visible pixels.
                int nearest = INT_MAX;
                std::set<std::array<std::uint8_t, 3>> colours;
                for (int visibleY = 0; visibleY < tile.height; ++visibleY)
                    for (int visibleX = 0; visibleX < tile.width; ++visibleX) {
                        const std::uint8_t* visible = tile.At(visibleX, visibleY);
                        const int distance = std::abs(visibleX - x) + std::abs(visibleY - y);
                        if (visible[3] == 0 || distance > nearest)
                            continue;
                        if (distance < nearest)
                            colours.clear();
                        nearest = distance;
                        colours.insert({ visible[0], visible[1], visible[2] });
                    }
                ASSERT_EQ(colours.count({ framed[0], framed[1], framed[2] }), 1U) << x << ", " << y;
            }
        }
        // Around the frame, two pixels of its nearest edge pixel, alpha and all.
        for (int y = -2; y < tile.height + 2; ++y)
            for (int x = -2; x < tile.width + 2; ++x) {
                const std::uint8_t* edge = sheet.At(
                    left + std::clamp(x, 0, tile.width - 1), top + std::clamp(y, 0, tile.height - 1));
                ASSERT_TRUE(std::equal(edge, edge + 4, sheet.At(left + x, top + y))) << x << ", " << y;
            }
    }
}
