// SPDX-License-Identifier: MIT
#include "tools/TilesetDescriptions.h"

#include "tools/MarkupText.h"

#include <cassert>

namespace {

AnsiString Attribute(const char* name, const AnsiString& value)
{
    return AnsiString(" ") + name + "=\"" + XmlAttributeText(value) + "\"";
}

AnsiString Attribute(const char* name, int value)
{
    return Attribute(name, IntToStr(value));
}

AnsiString JsonMember(const char* name, const AnsiString& jsonValue)
{
    return JsonStringText(name) + ": " + jsonValue;
}

AnsiString JsonSize(int width, int height)
{
    return "{" + JsonMember("w", IntToStr(width)) + ", " + JsonMember("h", IntToStr(height)) + "}";
}

AnsiString JsonRect(int x, int y, int width, int height)
{
    return "{" + JsonMember("x", IntToStr(x)) + ", " + JsonMember("y", IntToStr(y)) + ", "
        + JsonMember("w", IntToStr(width)) + ", " + JsonMember("h", IntToStr(height)) + "}";
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
    AnsiString document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tileset" + Attribute("version", "1.8")
        + Attribute("name", sheetName) + Attribute("tilewidth", layout.tileWidth)
        + Attribute("tileheight", layout.tileHeight) + Attribute("spacing", layout.spacing)
        + Attribute("margin", layout.margin) + Attribute("tilecount", layout.tileCount)
        + Attribute("columns", layout.columns) + ">\n";
    document += " <image" + Attribute("source", SheetImageName(sheetName)) + Attribute("width", layout.width)
        + Attribute("height", layout.height) + "/>\n";
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        document += " <tile" + Attribute("id", int(index)) + ">\n  <properties>\n   <property"
            + Attribute("name", "source") + Attribute("value", tiles[index].pictureName)
            + "/>\n  </properties>\n </tile>\n";
    }
    return document + "</tileset>\n";
}

AnsiString AtlasJsonDocument(const AnsiString& sheetName, const TSheetLayout& layout,
    const std::vector<TSheetTile>& tiles, const AnsiString& app, const AnsiString& version)
{
    assert(int(tiles.size()) == layout.tileCount && "every tile is named");
    const int width = layout.tileWidth;
    const int height = layout.tileHeight;
    AnsiString document = "{\n  \"frames\": {";
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        const TSheetPosition position = layout.Position(int(index));
        document += AnsiString(index == 0 ? "\n" : ",\n") + "    " + JsonStringText(tiles[index].tileName)
            + ": {" + JsonMember("frame", JsonRect(position.x, position.y, width, height)) + ", "
            + JsonMember("rotated", "false") + ", " + JsonMember("trimmed", "false") + ", "
            + JsonMember("spriteSourceSize", JsonRect(0, 0, width, height)) + ", "
            + JsonMember("sourceSize", JsonSize(width, height)) + "}";
    }
    document += "\n  },\n  \"meta\": {\n    " + JsonMember("app", JsonStringText(app)) + ",\n    "
        + JsonMember("version", JsonStringText(version)) + ",\n    "
        + JsonMember("image", JsonStringText(SheetImageName(sheetName))) + ",\n    "
        + JsonMember("format", JsonStringText("RGBA8888")) + ",\n    "
        + JsonMember("size", JsonSize(layout.width, layout.height)) + ",\n    "
        + JsonMember("scale", JsonStringText("1")) + "\n  }\n}\n";
    return document;
}
