// SPDX-License-Identifier: MIT
// 4 x 4 isometric Tiled maps over our tilesets, rendered by Tiled's own tmxrasterizer.
#pragma once

#include "resources/data/IsoMask.h"
#include "tests/tools/BatchCommandFixture.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

inline constexpr int kMapSide = 4;

// One layer of a 4 x 4 map, row by row: 0 is an empty cell, else a tile id of the map.
using Layer = std::array<int, kMapSide * kMapSide>;

struct MapTileset {
    std::string file; // a .tsx beside the map
    int firstId; // the map's id of its first tile
    std::vector<std::string> tileFiles; // its tiles, in sheet order, to place by hand
    std::pair<int, int> offset {}; // the tileset's tileoffset, to place by hand
};

// Four tiles, each once in every row and column.
inline const Layer kFloor = { 1, 2, 3, 4, 2, 3, 4, 1, 3, 4, 1, 2, 4, 1, 2, 3 };

// The first tile on every cell.
inline Layer kOneTile()
{
    Layer layer {};
    layer.fill(1);
    return layer;
}

inline void WriteMap(const std::string& path, const std::vector<MapTileset>& tilesets,
    const std::vector<Layer>& layers, int tileWidth = 128, int tileHeight = 64)
{
    std::ofstream map(path);
    map << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<map version=\"1.8\" orientation=\"isometric\" renderorder=\"right-down\" width=\"4\" "
           "height=\"4\" tilewidth=\""
        << tileWidth << "\" tileheight=\"" << tileHeight
        << "\" infinite=\"0\" nextlayerid=\"9\" nextobjectid=\"1\">\n";
    for (const MapTileset& tileset : tilesets)
        map << " <tileset firstgid=\"" << tileset.firstId << "\" source=\"" << tileset.file << "\"/>\n";
    for (std::size_t index = 0; index < layers.size(); ++index) {
        map << " <layer id=\"" << index + 1 << "\" name=\"layer" << index
            << "\" width=\"4\" height=\"4\">\n  <data encoding=\"csv\">\n";
        for (std::size_t cell = 0; cell < layers[index].size(); ++cell)
            map << layers[index][cell] << (cell + 1 < layers[index].size() ? "," : "\n");
        map << "</data>\n </layer>\n";
    }
    map << "</map>\n";
}

// What tmxrasterizer draws at this scale, smoothed or with the nearest pixel; an empty
// picture when it drew nothing. A renderer that hangs is stopped after 30 s (it takes well
// under one).
inline Rgba Rasterize(
    const std::string& map, const std::string& picture, double scale = 1, bool smooth = false)
{
    const std::string command = "QT_QPA_PLATFORM=offscreen timeout -k 5 30 tmxrasterizer --scale " + std::to_string(scale)
        + (smooth ? "" : " --no-smoothing") + " '" + map + "' '" + picture + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0)
        << "tmxrasterizer failed; scripts/install-deps.sh installs it (Debian package tiled)";
    return DecodeRgba(picture);
}

// Whether the centre of pixel (x, y) of a map drawn at this scale lies inside the map's
// diamond of 4 x 4 cells.
inline bool InsideMap(int x, int y, double scale, int tileWidth, int tileHeight)
{
    const double across = (x + 0.5) / scale / tileWidth - kMapSide / 2.0;
    const double down = (y + 0.5) / scale / tileHeight;
    const double u = down + across;
    const double v = down - across;
    return u >= 0 && u < kMapSide && v >= 0 && v < kMapSide;
}

// The pixels inside the map's diamond less opaque than alpha 250.
inline int MapHoles(const Rgba& rendered, double scale, int tileWidth, int tileHeight)
{
    int holes = 0;
    for (int y = 0; y < rendered.height; ++y)
        for (int x = 0; x < rendered.width; ++x)
            if (InsideMap(x, y, scale, tileWidth, tileHeight) && rendered.At(x, y)[3] < 250)
                ++holes;
    return holes;
}

// Pixel for pixel; transparent pixels may hold any colour.
inline void ExpectSamePicture(const Rgba& rendered, const Rgba& placed)
{
    ASSERT_EQ(rendered.width, placed.width);
    ASSERT_EQ(rendered.height, placed.height);
    int differing = 0;
    for (int y = 0; y < placed.height; ++y) {
        for (int x = 0; x < placed.width; ++x) {
            const std::uint8_t* want = placed.At(x, y);
            const std::uint8_t* got = rendered.At(x, y);
            const bool same = want[3] == 0 ? got[3] == 0 : std::equal(want, want + 4, got);
            if (!same && ++differing <= 5)
                ADD_FAILURE() << "at " << x << ", " << y << ": rendered " << int(got[0]) << " " << int(got[1])
                              << " " << int(got[2]) << " " << int(got[3]) << ", placed " << int(want[0])
                              << " " << int(want[1]) << " " << int(want[2]) << " " << int(want[3]);
        }
    }
    EXPECT_EQ(differing, 0);
}

// durnik-batch with the mask that ships with the program, in place of the fixture's half mask.
class ShippedMaskTest : public BatchCommandTest {
protected:
    ShippedMaskTest()
    {
        TBitmap mask;
        mask.SetRaster(DrawIsoMask(kDefaultMaskWidth, kDefaultMaskHeight));
        mask.SaveToFile(program + "mask/iso.bmp");
    }

    // A texture as an opaque PNG file.
    static void WriteTexture(const std::string& path, const PixelRaster& texture)
    {
        const std::vector<std::uint8_t> bytes
            = WritePng(texture, std::vector<std::uint8_t>(texture.pixels.size(), 255));
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};
