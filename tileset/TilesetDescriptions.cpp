// SPDX-License-Identifier: MIT
#include "tileset/TilesetDescriptions.h"

#include "tileset/GodotTextWriter.h"
#include "tileset/XmlWriter.h"

#include <cassert>
#include <cmath>
#include <nlohmann/json.hpp>

namespace {

// The keys in the order written, so the atlas reads as loaders' documentation shows it.
using Json = nlohmann::ordered_json;

Json JsonSize(int width, int height)
{
    return { { "w", width }, { "h", height } };
}

Json JsonRect(int x, int y, int width, int height)
{
    return { { "x", x }, { "y", y }, { "w", width }, { "h", height } };
}

// The cell's centre in the picture, in pixels.
double CellCentreX(const TTileCell& cell)
{
    return cell.CellLeft() + cell.width / 2.0;
}

double CellCentreY(const TTileCell& cell)
{
    return cell.CellTop() + cell.height / 2.0;
}

} // namespace

AnsiString SheetImageName(const AnsiString& sheetName)
{
    return sheetName + ".png";
}

AnsiString TsxDocument(
    const AnsiString& sheetName, const TSheetLayout& layout, const std::vector<TSheetTile>& tiles)
{
    assert(int(tiles.size()) == layout.tileCount && "every tile is named");
    TXmlWriter xml;
    xml.Open("tileset");
    xml.Attribute("version", "1.8");
    xml.Attribute("name", sheetName);
    xml.Attribute("tilewidth", layout.tileWidth);
    xml.Attribute("tileheight", layout.tileHeight);
    xml.Attribute("spacing", layout.spacing);
    xml.Attribute("margin", layout.margin);
    xml.Attribute("tilecount", layout.tileCount);
    xml.Attribute("columns", layout.columns);
    // Tile objects stand on the middle of their lower edge, as Tiled places them on an
    // isometric map by default, whatever map loads the tileset.
    xml.Attribute("objectalignment", "bottom");
    // Tiled draws a picture up from its cell's lower left corner; a picture reaching past its
    // cell is moved back so the cell lands where the map puts it.
    if (layout.cell.overdraw > 0) {
        xml.Open("tileoffset");
        xml.Attribute("x", -layout.cell.overdraw);
        xml.Attribute("y", layout.cell.overdraw);
        xml.Close();
    }
    xml.Open("grid");
    xml.Attribute("orientation", "isometric");
    xml.Attribute("width", layout.cell.width);
    xml.Attribute("height", layout.cell.height);
    xml.Close();
    xml.Open("image");
    xml.Attribute("source", SheetImageName(sheetName));
    xml.Attribute("width", layout.width);
    xml.Attribute("height", layout.height);
    xml.Close();
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        xml.Open("tile");
        xml.Attribute("id", int(index));
        xml.Open("properties");
        xml.Open("property");
        xml.Attribute("name", "source");
        xml.Attribute("value", tiles[index].pictureName);
        xml.Close();
        xml.Close();
        xml.Close();
    }
    xml.Close();
    return xml.Text();
}

AnsiString AtlasJsonDocument(const AnsiString& sheetName, const TSheetLayout& layout,
    const std::vector<TSheetTile>& tiles, const AnsiString& app, const AnsiString& version)
{
    assert(int(tiles.size()) == layout.tileCount && "every tile is named");
    const int width = layout.tileWidth;
    const int height = layout.tileHeight;
    // Phaser and PixiJS take the pivot as the sprite's anchor, so a sprite placed at a
    // cell's centre shows its tile on that cell.
    const Json pivot
        = { { "x", CellCentreX(layout.cell) / width }, { "y", CellCentreY(layout.cell) / height } };
    Json frames = Json::object();
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        const TSheetPosition position = layout.Position(int(index));
        frames[tiles[index].tileName] = { { "frame", JsonRect(position.x, position.y, width, height) },
            { "rotated", false }, { "trimmed", false }, { "spriteSourceSize", JsonRect(0, 0, width, height) },
            { "sourceSize", JsonSize(width, height) }, { "pivot", pivot } };
    }
    const Json document = { { "frames", frames },
        { "meta",
            { { "app", app }, { "version", version }, { "image", SheetImageName(sheetName) },
                { "format", "RGBA8888" }, { "size", JsonSize(layout.width, layout.height) },
                { "scale", "1" } } } };
    return document.dump(2) + "\n";
}

AnsiString GodotTileSetDocument(const AnsiString& sheetName, const TSheetLayout& layout)
{
    const TTileCell& cell = layout.cell;
    TGodotTextWriter godot;
    godot.Section(
        "gd_resource", { { "type", GodotString("TileSet") }, { "load_steps", "3" }, { "format", "3" } });
    // Relative to the resource itself, so the three files can move into a project together.
    godot.Section("ext_resource",
        { { "type", GodotString("Texture2D") }, { "path", GodotString(SheetImageName(sheetName)) },
            { "id", GodotString("1_sheet") } });
    godot.Section(
        "sub_resource", { { "type", GodotString("TileSetAtlasSource") }, { "id", GodotString("atlas") } });
    godot.Property("texture", "ExtResource(" + GodotString("1_sheet") + ")");
    godot.Property("margins", GodotVector2i(layout.margin, layout.margin));
    godot.Property("separation", GodotVector2i(layout.spacing, layout.spacing));
    godot.Property("texture_region_size", GodotVector2i(layout.tileWidth, layout.tileHeight));
    // Godot centres a tile's picture on its cell's centre less the texture origin; a block's
    // picture centre lies half its depth above its floor's centre. Whole pixels only, so an
    // odd depth rounds.
    const int originX = int(std::lround(CellCentreX(cell) - layout.tileWidth / 2.0));
    const int originY = int(std::lround(CellCentreY(cell) - layout.tileHeight / 2.0));
    for (int index = 0; index < layout.tileCount; ++index) {
        const AnsiString tile
            = IntToStr(index % layout.columns) + ":" + IntToStr(index / layout.columns) + "/0";
        godot.Property(tile, "0");
        if (originX != 0 || originY != 0)
            godot.Property(tile + "/texture_origin", GodotVector2i(originX, originY));
    }
    godot.Section("resource", {});
    godot.Property("tile_shape", "1"); // isometric
    godot.Property("tile_layout", "5"); // diamond down
    godot.Property("tile_size", GodotVector2i(cell.width, cell.height));
    godot.Property("sources/0", "SubResource(" + GodotString("atlas") + ")");
    return godot.Text();
}
