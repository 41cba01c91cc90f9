#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The batch as a Pillow user would write it, in one process: nearest-neighbour resize, then
# the lighter of the picture and the negated mask (= picture OR NOT mask for a black and
# white mask). With --png the sources are PNG files and the tiles PNG files carrying the
# mask's brightness as alpha.
#   Usage: pillow_batch.py [--png] MASK INPUT_DIR OUTPUT_DIR [WIDTH HEIGHT]
import os
import sys

from PIL import Image, ImageChops, ImageOps

arguments = sys.argv[1:]
png = arguments[0] == "--png"
if png:
    arguments = arguments[1:]
mask_file, input_dir, output_dir = arguments[:3]
width, height = (int(arguments[3]), int(arguments[4])) if len(arguments) > 4 else (128, 63)
stretched_mask = Image.open(mask_file).convert("RGB").resize((width, height), Image.NEAREST)
negated = ImageOps.invert(stretched_mask)
opacity = stretched_mask.convert("L")
extension = ".png" if png else ".bmp"
for name in os.listdir(input_dir):
    if not name.lower().endswith(extension):
        continue
    with Image.open(os.path.join(input_dir, name)) as picture:
        tile = picture.convert("RGB").resize((width, height), Image.NEAREST)
    tile = ImageChops.lighter(tile, negated)
    if png:
        tile.putalpha(opacity)
        tile.save(os.path.join(output_dir, name), "PNG")
    else:
        tile.save(os.path.join(output_dir, name), "BMP")
