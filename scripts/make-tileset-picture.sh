#!/usr/bin/env bash
# Draws docs/tileset.png: a 4 x 4 map rendered by Tiled's tmxrasterizer from tilesets that
# durnik-batch made of the sample textures with its default options, a floor with a row of
# stone blocks on it, smoothed at twice the size as a zoomed-in editor or engine shows it.
# Usage: scripts/make-tileset-picture.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/floor" "$work/block" "$work/map"
cp "$build"/bmp/{grass,sand,stone,water}.bmp "$work/floor/"
cp "$build/bmp/stone.bmp" "$work/block/wall.bmp"
"$build/durnik-batch" --to png --projection iso --width 128 --height 64 --sheet floor \
    "$work/floor" "$work/map" >/dev/null
"$build/durnik-batch" --to png --projection block --width 128 --height 64 --sheet walls \
    "$work/block" "$work/map" >/dev/null

# Floor ids 1-4 (grass, sand, stone, water in name order), the block is id 5.
cat >"$work/map/map.tmx" <<'TMX'
<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="isometric" renderorder="right-down" width="4" height="4" tilewidth="128" tileheight="64" infinite="0" nextlayerid="3" nextobjectid="1">
 <tileset firstgid="1" source="floor.tsx"/>
 <tileset firstgid="5" source="walls.tsx"/>
 <layer id="1" name="floor" width="4" height="4">
  <data encoding="csv">
1,2,3,4,
2,3,4,1,
3,4,1,2,
4,1,2,3
</data>
 </layer>
 <layer id="2" name="walls" width="4" height="4">
  <data encoding="csv">
0,0,0,0,
0,0,0,0,
5,5,5,5,
0,0,0,0
</data>
 </layer>
</map>
TMX
QT_QPA_PLATFORM=offscreen tmxrasterizer --scale 2 "$work/map/map.tmx" docs/tileset.png 2>/dev/null
echo "Wrote docs/tileset.png"
